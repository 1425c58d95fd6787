#include "platform/wmf/WmfDib.h"

#include "platform/decoders/BmpDecoder.h"
#include "platform/graphics/Graphic.h"

#include <uemf.h>

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

struct TDibLayout {
    int64_t Width = 0;
    int64_t Height = 0; // absolute
    bool BottomUp = true;
    uint32_t BitCount = 0;
    uint32_t Compression = 0;
    uint32_t HeaderSize = 0;
    uint32_t MaskBytes = 0;  // BITFIELDS masks after a 40-byte header
    uint32_t Colors = 0;     // colour table entries
    uint32_t ColorBytes = 0; // bytes per colour table entry in the record
};

bool ReadLayout(TWmfBytes Info, bool PaletteIndices, TDibLayout& L) {
    if (Info.Size < 4) return false;
    std::memcpy(&L.HeaderSize, Info.Data, 4);
    if (L.HeaderSize == CoreHeaderSize) {
        if (Info.Size < CoreHeaderSize) return false;
        uint16_t W = 0, H = 0, Planes = 0, Bits = 0;
        std::memcpy(&W, Info.Data + 4, 2);
        std::memcpy(&H, Info.Data + 6, 2);
        std::memcpy(&Planes, Info.Data + 8, 2);
        std::memcpy(&Bits, Info.Data + 10, 2);
        L.Width = W;
        L.Height = H;
        L.BitCount = Bits;
        L.ColorBytes = PaletteIndices ? 2 : 3;
    } else {
        if (L.HeaderSize < sizeof(U_BITMAPINFOHEADER) || L.HeaderSize > 1024 ||
            Info.Size < L.HeaderSize)
            return false;
        U_BITMAPINFOHEADER H;
        std::memcpy(&H, Info.Data, sizeof H);
        L.Width = H.biWidth;
        L.Height = H.biHeight < 0 ? -static_cast<int64_t>(H.biHeight) : H.biHeight;
        L.BottomUp = H.biHeight > 0;
        L.BitCount = H.biBitCount;
        L.Compression = H.biCompression;
        L.Colors = H.biClrUsed;
        L.ColorBytes = PaletteIndices ? 2 : 4;
        if (L.Compression == BI_BITFIELDS && L.HeaderSize == sizeof(U_BITMAPINFOHEADER))
            L.MaskBytes = 12;
    }
    const uint32_t b = L.BitCount;
    if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32) return false;
    if (L.Compression > BI_BITFIELDS) return false; // JPEG/PNG payloads are not played
    if (L.Width <= 0 || L.Height <= 0 || L.Width * L.Height > MaxDibPixels) return false;
    if (b <= 8 && (L.Colors == 0 || L.Colors > (1u << b))) L.Colors = 1u << b;
    if (b > 8 && L.Colors > 256) return false;
    return true;
}

int64_t InfoBytes(const TDibLayout& L) {
    return int64_t{L.HeaderSize} + L.MaskBytes + int64_t{L.Colors} * L.ColorBytes;
}

int64_t BitsBytes(const TDibLayout& L) {
    return ((L.Width * L.BitCount + 31) / 32) * 4 * L.Height;
}

// A BITMAPINFO with a colour table of RGBQUADs, whatever the record held.
QByteArray NormalisedInfo(TWmfBytes Info, const TDibLayout& L) {
    QByteArray Out(reinterpret_cast<const char*>(Info.Data),
                   static_cast<qsizetype>(L.HeaderSize + L.MaskBytes));
    if (L.ColorBytes == 4) {
        Out.append(reinterpret_cast<const char*>(Info.Data) + Out.size(),
                   static_cast<qsizetype>(L.Colors) * 4);
        return Out;
    }
    const uint8_t* Table = Info.Data + L.HeaderSize + L.MaskBytes;
    for (uint32_t i = 0; i < L.Colors; ++i) {
        char Quad[4] = {0, 0, 0, 0};
        if (L.ColorBytes == 3) {
            std::memcpy(Quad, Table + i * 3, 3);
        } else {
            uint16_t Index = 0;
            std::memcpy(&Index, Table + i * 2, 2);
            const char Grey = static_cast<char>(Index * 255 / std::max(1u, L.Colors - 1));
            Quad[0] = Quad[1] = Quad[2] = Grey;
        }
        Out.append(Quad, 4);
    }
    if (L.HeaderSize == CoreHeaderSize) {
        // Rewrite the core header as a BITMAPINFOHEADER so the table of
        // RGBQUADs matches it.
        U_BITMAPINFOHEADER H{};
        H.biSize = sizeof H;
        H.biWidth = static_cast<int32_t>(L.Width);
        H.biHeight = static_cast<int32_t>(L.Height);
        H.biPlanes = 1;
        H.biBitCount = static_cast<uint16_t>(L.BitCount);
        H.biClrUsed = L.Colors;
        Out.replace(0, CoreHeaderSize, QByteArray(reinterpret_cast<const char*>(&H), sizeof H));
    }
    return Out;
}

} // namespace

QImage DecodeDib(TWmfBytes Info, TWmfBytes Bits, bool PaletteIndices, bool* BottomUp) {
    TDibLayout L;
    if (!Info.Data || !Bits.Data || !ReadLayout(Info, PaletteIndices, L)) return {};
    if (BottomUp) *BottomUp = L.BottomUp;
    if (InfoBytes(L) > static_cast<int64_t>(Info.Size)) return {};
    const bool Rle = L.Compression == BI_RLE4 || L.Compression == BI_RLE8;
    if (!Rle && BitsBytes(L) > static_cast<int64_t>(Bits.Size)) return {};
    if (Rle && (L.BitCount != (L.Compression == BI_RLE4 ? 4u : 8u))) return {};

    const QByteArray Header = NormalisedInfo(Info, L);
    const uint32_t Offset = 14 + static_cast<uint32_t>(Header.size());
    const uint32_t FileSize = Offset + static_cast<uint32_t>(Bits.Size);
    QByteArray File("BM", 2);
    File.append(reinterpret_cast<const char*>(&FileSize), 4);
    File.append(QByteArray(4, '\0'));
    File.append(reinterpret_cast<const char*>(&Offset), 4);
    File.append(Header);
    File.append(reinterpret_cast<const char*>(Bits.Data), static_cast<qsizetype>(Bits.Size));
    // The project's own BMP reader decodes it, as it decodes bitmap files.
    TMemoryStream Stream;
    Stream.Write(File.constData(), File.size());
    Stream.SetPosition(0);
    try {
        return ReadBmp(Stream).convertToFormat(QImage::Format_RGB32);
    } catch (const EInvalidGraphic&) {
        return {};
    }
}

QImage DecodePackedDib(TWmfBytes Dib, bool PaletteIndices, bool* BottomUp) {
    TDibLayout L;
    if (!Dib.Data || !ReadLayout(Dib, PaletteIndices, L)) return {};
    const int64_t Head = InfoBytes(L);
    if (Head > static_cast<int64_t>(Dib.Size)) return {};
    return DecodeDib(Dib, {Dib.Data + Head, Dib.Size - static_cast<size_t>(Head)}, PaletteIndices,
                     BottomUp);
}

QRect BlitSource(const QImage& Image, int64_t X, int64_t Y, int64_t Width, int64_t Height,
                 bool BottomUp) {
    if (BottomUp) Y = Image.height() - Y - Height;
    // Edges this far out keep every width, height and edge QRect computes
    // within int.
    static constexpr int64_t Far = int64_t(1) << 29;
    const auto clamp = [](int64_t V) { return static_cast<int>(std::clamp(V, -Far, Far)); };
    const int Left = clamp(X), Top = clamp(Y), Right = clamp(X + Width), Bottom = clamp(Y + Height);
    return QRect(Left, Top, Right - Left, Bottom - Top);
}

uint32_t AverageColor(const QImage& Image) {
    if (Image.isNull()) return 0;
    uint64_t R = 0, G = 0, B = 0, N = 0;
    const int Step = std::max(1, static_cast<int>(Image.width() * int64_t{Image.height()} / 4096));
    for (int64_t i = 0; i < int64_t{Image.width()} * Image.height(); i += Step) {
        const QRgb P =
            Image.pixel(static_cast<int>(i % Image.width()), static_cast<int>(i / Image.width()));
        R += qRed(P);
        G += qGreen(P);
        B += qBlue(P);
        ++N;
    }
    return static_cast<uint32_t>(R / N | (G / N) << 8 | (B / N) << 16);
}
