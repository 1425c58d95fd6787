#pragma once

#include "platform/base/Rect.h"
#include "platform/base/Streams.h"
#include "platform/base/Types.h"
#include "platform/decoders/InvalidGraphic.h"

#include <string>

class TCanvas;

// A picture that reads itself from a stream (at the stream's position, reading
// exactly its own bytes) or a file, and draws itself onto a canvas.
class TGraphic : public TObject {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value) { FTransparent = Value; }

    // Raises EInvalidGraphic for bytes that are not such a picture; never
    // reads past the picture's own end or allocates more than its header
    // can justify.
    virtual void LoadFromStream(TStream& Stream) = 0;
    void LoadFromFile(const std::string& FileName);

    // Draws the picture stretched into Dest.
    virtual void Draw(TCanvas& Canvas, const TRect& Dest) const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }

private:
    bool FTransparent = false;
};
