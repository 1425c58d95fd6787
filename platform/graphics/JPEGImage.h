#pragma once

#include "platform/graphics/Graphic.h"
#include "platform/graphics/HeldImage.h"

// A JPEG picture, decoded with libjpeg when it is read.
class TJPEGImage : public TGraphic {
public:
    int Width() const override;
    int Height() const override;

    void Assign(const TJPEGImage& Source);
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;

    // The decoded pixels, opaque 32-bit colours.
    const QImage& Image() const { return *FImage; }

private:
    THeldImage FImage;
};
