#pragma once

#include "platform/graphics/Graphic.h"
#include "platform/graphics/HeldImage.h"

#include <memory>

// A JPEG picture. Reading it takes its bytes from the stream and checks its
// headers (so a picture that is not a JPEG fails to load at once); the pixels
// are decoded with libjpeg on a background thread and waited for when first
// needed. A picture whose data turns out to be undecodable draws nothing.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }

    void Assign(const TJPEGImage& Source);
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;

    // The decoded pixels, opaque 32-bit colours (waits for the decoding).
    const QImage& Image() const;

private:
    struct TDecoding;

    mutable THeldImage FImage;
    mutable std::shared_ptr<TDecoding> FDecoding; // while decoding
    int FWidth = 0;
    int FHeight = 0;
};
