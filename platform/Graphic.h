#pragma once

#include "platform/Geometry.h"
#include "platform/Streams.h"
#include "platform/Types.h"

#include <stdexcept>
#include <string>

class TCanvas;

// Raised when bytes are not a valid picture of the expected kind.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
