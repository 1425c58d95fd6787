#include "platform/graphics/JPEGImage.h"

#include "platform/decoders/JpegDecoder.h"
#include "platform/graphics/Canvas.h"

#include <QImage>

int TJPEGImage::Width() const {
    return FImage->width();
}

int TJPEGImage::Height() const {
    return FImage->height();
}

void TJPEGImage::Assign(const TJPEGImage& Source) {
    if (&Source == this) return;
    FImage = Source.FImage;
    Changed();
}

void TJPEGImage::LoadFromStream(TStream& Stream) {
    FImage = ReadJpeg(Stream);
    Changed();
}

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& Dest) const {
    if (Empty()) return;
    Canvas.DrawImage(Dest, *FImage);
}
