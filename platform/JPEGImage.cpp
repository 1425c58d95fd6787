#include "platform/JPEGImage.h"

#include "platform/Canvas.h"
#include "platform/JpegReader.h"

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
    Canvas.DrawImage(Dest, FImage);
}
