#pragma once

// Helpers of the picture tests: fixture images, pixel comparison and small
// hand-made picture files.

#include "platform/base/Streams.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/PainterCanvas.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace picturetest {

inline QImage ReferenceImage(const std::string& Fixture) {
    QImage image(QString::fromStdString(FixturePath("pictures/" + Fixture + ".ref.png")));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Largest difference of one channel over all pixels; with CompareAlpha, pixels
// transparent in both images compare equal whatever their colour. Returns 256
// when the sizes differ.
inline int MaxDifference(const QImage& Actual, const QImage& Expected, bool CompareAlpha) {
    if (Actual.size() != Expected.size()) return 256;
    const QImage a = Actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = Expected.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = e.pixel(x, y);
            if (CompareAlpha && qAlpha(p) == 0 && qAlpha(q) == 0) continue;
            int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
            if (CompareAlpha) d = std::max(d, std::abs(qAlpha(p) - qAlpha(q)));
            worst = std::max(worst, d);
        }
    return worst;
}

// Draws Graphic into Dest on an image of Width x Height filled with Background.
inline QImage DrawOnto(const TGraphic& Graphic, int Width, int Height, const TRect& Dest,
                       QColor Background = Qt::white) {
    QImage image = TPainterCanvas::MakeImage(Width, Height, Background);
    {
        TPainterCanvas canvas(image);
        canvas.StretchDraw(Dest, &Graphic);
    }
    return image;
}

// The reference composed over an opaque background.
inline QImage OverBackground(const QImage& Reference, QColor Background) {
    QImage image(Reference.size(), QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.drawImage(0, 0, Reference);
    return image;
}

// Builds little-endian records byte by byte.
class TByteWriter {
public:
    TByteWriter& U8(uint32_t V) {
        FBytes.push_back(char(V & 0xFF));
        return *this;
    }
    TByteWriter& U16(uint32_t V) { return U8(V).U8(V >> 8); }
    TByteWriter& U32(uint32_t V) { return U16(V).U16(V >> 16); }
    TByteWriter& Bytes(const std::string& B) {
        FBytes += B;
        return *this;
    }
    TByteWriter& Fill(size_t Count, uint8_t V) {
        FBytes.append(Count, char(V));
        return *this;
    }
    std::string& Str() { return FBytes; }
    size_t Size() const { return FBytes.size(); }

private:
    std::string FBytes;
};

inline void Poke32(std::string& Bytes, size_t Offset, uint32_t V) {
    for (int i = 0; i < 4; ++i)
        Bytes[Offset + i] = char((V >> (8 * i)) & 0xFF);
}

// A memory stream holding Bytes, positioned at 0.
inline void FillStream(TMemoryStream& Stream, const std::string& Bytes) {
    Stream.Clear();
    Stream.Write(Bytes.data(), int64_t(Bytes.size()));
    Stream.SetPosition(0);
}

// A BMP file with a 40-byte header: Palette (BGR0 entries as bytes) then Bits.
inline std::string MakeBmp(int32_t Width, int32_t Height, uint16_t BitCount, uint32_t Compression,
                           const std::string& Palette, const std::string& Bits,
                           uint32_t ClrUsed = 0) {
    const uint32_t offset = 14 + 40 + uint32_t(Palette.size());
    TByteWriter w;
    w.U8('B').U8('M').U32(offset + uint32_t(Bits.size())).U32(0).U32(offset);
    w.U32(40).U32(uint32_t(Width)).U32(uint32_t(Height)).U16(1).U16(BitCount).U32(Compression);
    w.U32(Compression ? uint32_t(Bits.size()) : 0).U32(2835).U32(2835).U32(ClrUsed).U32(0);
    w.Bytes(Palette).Bytes(Bits);
    return w.Str();
}

} // namespace picturetest
