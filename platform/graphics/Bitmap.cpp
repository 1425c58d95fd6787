#include "platform/graphics/Bitmap.h"

#include "platform/decoders/BmpDecoder.h"
#include "platform/decoders/PictureBytes.h"
#include "platform/graphics/JPEGImage.h"
#include "platform/graphics/PainterCanvas.h"

#include <QImage>
#include <algorithm>
#include <cstring>

namespace {

QImage::Format FormatFor(const QImage& Image) {
    return Image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

} // namespace

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

int TBitmap::Width() const {
    return FImage->width();
}

int TBitmap::Height() const {
    return FImage->height();
}

void TBitmap::ReleaseCanvas() {
    FCanvas.reset();
}

void TBitmap::SetSize(int Width, int Height) {
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    if (Width == this->Width() && Height == this->Height()) return;
    if (Width > 0 && Height > 0) CheckPictureSize(Width, Height, "bitmap");
    ReleaseCanvas();
    QImage resized(Width, Height, FormatFor(*FImage));
    resized.fill(Qt::white);
    if (!FImage->isNull() && !resized.isNull()) {
        // Copied, not painted: painting would blend the alpha away or round
        // the colours of partly transparent pixels.
        const QImage source = FImage->convertToFormat(resized.format());
        const int rows = std::min(Height, source.height());
        const size_t bytes = size_t(std::min(Width, source.width())) * 4;
        for (int y = 0; y < rows; ++y)
            std::memcpy(resized.scanLine(y), source.constScanLine(y), bytes);
    }
    FImage = resized;
    Changed();
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) {
        // A painter needs pixels: an empty bitmap's canvas paints on a
        // scratch pixel that is never shown.
        if (FImage->isNull()) {
            *FScratch = QImage(1, 1, QImage::Format_RGB32);
            FCanvas = std::make_unique<TPainterCanvas>(*FScratch);
        } else {
            FCanvas = std::make_unique<TPainterCanvas>(*FImage);
        }
    }
    return *FCanvas;
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed) return FTransparentColor;
    if (FImage->isNull() || FImage->width() == 0 || FImage->height() == 0) return clDefault;
    const QRgb p = FImage->pixel(0, FImage->height() - 1);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

void TBitmap::SetTransparentColor(TColor Value) {
    if (Value == FTransparentColor && FTransparentMode == (Value == clDefault ? tmAuto : tmFixed))
        return;
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == FTransparentMode) return;
    FTransparentMode = Value;
    if (Value == tmAuto) FTransparentColor = clDefault;
    Changed();
}

void TBitmap::SetTransparent(bool Value) {
    if (Value == Transparent()) return;
    TGraphic::SetTransparent(Value);
    Changed();
}

void TBitmap::Assign(const TBitmap& Source) {
    if (&Source == this) return;
    ReleaseCanvas();
    FImage = Source.FImage->copy();
    FPixelFormat = Source.FPixelFormat;
    FTransparentMode = Source.FTransparentMode;
    FTransparentColor = Source.FTransparentColor;
    TGraphic::SetTransparent(Source.Transparent());
    Changed();
}

bool TBitmap::HasAlpha() const {
    return FImage->hasAlphaChannel();
}

void TBitmap::SetImage(const QImage& Image) {
    ReleaseCanvas();
    FImage = Image.convertToFormat(FormatFor(Image));
    Changed();
}

void TBitmap::LoadFromStream(TStream& Stream) {
    int bitCount = 0;
    QImage image = ReadBmp(Stream, &bitCount);
    ReleaseCanvas();
    FImage = image;
    switch (bitCount) {
    case 1:
        FPixelFormat = pf1bit;
        break;
    case 4:
        FPixelFormat = pf4bit;
        break;
    case 8:
        FPixelFormat = pf8bit;
        break;
    case 16:
        FPixelFormat = pf16bit;
        break;
    case 24:
        FPixelFormat = pf24bit;
        break;
    default:
        FPixelFormat = pf32bit;
        break;
    }
    Changed();
}

namespace {

bool HasPixelOf(const QImage& Image, QRgb Rgb) {
    const int width = Image.width();
    for (int y = 0; y < Image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if ((line[x] & 0xFFFFFF) == Rgb) return true;
    }
    return false;
}

} // namespace

QImage TBitmap::DrawnImage() const {
    const TColor key = ColorToRGB(TransparentColor());
    const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key)) & 0xFFFFFF;
    // While a canvas paints on the pixels, hand out a copy that later
    // painting cannot change.
    if (!Transparent() || key == clNone || !HasPixelOf(*FImage, keyRgb))
        return FCanvas ? FImage->copy() : *FImage;
    QImage masked = FImage->convertToFormat(QImage::Format_ARGB32);
    const int width = masked.width();
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((line[x] & 0xFFFFFF) == keyRgb) line[x] = 0;
    }
    return masked;
}

bool TBitmap::SharePixelsOf(const TGraphic& Graphic) {
    const QImage* pixels = nullptr;
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&Graphic))
        pixels = &jpeg->Image();
    else if (const auto* bitmap = dynamic_cast<const TBitmap*>(&Graphic);
             bitmap && !bitmap->HasAlpha() && !bitmap->Transparent())
        pixels = &bitmap->Image();
    if (!pixels || pixels->isNull()) return false;
    SetImage(*pixels);
    return true;
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Dest) const {
    if (Empty()) return;
    Canvas.DrawImage(Dest, DrawnImage());
}
