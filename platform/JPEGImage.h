#pragma once

#include "platform/Graphic.h"

#include <QImage>

// A JPEG picture, decoded with libjpeg when it is read.
class TJPEGImage : public TGraphic {
public:
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }

    void Assign(const TJPEGImage& Source);
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;

    // The decoded pixels, opaque 32-bit colours.
    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
};
