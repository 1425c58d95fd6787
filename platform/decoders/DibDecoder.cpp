#include "platform/decoders/DibDecoder.h"

#include "platform/decoders/DibRle.h"

#include <bit>
#include <climits>

namespace {

bool IsOs2Header(uint32_t Size) {
    return Size >= 16 && Size <= 64 && Size % 4 == 0 && Size != 40 && Size != 52 && Size != 56;
}

bool IsKnownHeader(uint32_t Size) {
    return Size == 12 || Size == 40 || Size == 52 || Size == 56 || Size == 108 || Size == 124 ||
           IsOs2Header(Size);
}

void SetDefaultMasks(TDibHeader& Header) {
    if (Header.BitCount == 16) Header.Masks = {0x7C00, 0x03E0, 0x001F};
    if (Header.BitCount == 24 || Header.BitCount == 32) Header.Masks = {0xFF0000, 0xFF00, 0xFF};
}

void ValidateFormat(const TDibHeader& Header) {
    const uint16_t bits = Header.BitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        InvalidGraphic("bitmap: unsupported depth of " + std::to_string(bits) + " bits");
    bool ok = false;
    switch (Header.Compression) {
    case BI_RGB:
        ok = true;
        break;
    case BI_RLE8:
        ok = bits == 8;
        break;
    case BI_RLE4:
        ok = bits == 4;
        break;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        ok = bits == 16 || bits == 32;
        break;
    }
    // OS/2 2.x numbers Huffman and 24-bit RLE as 3 and 4; neither is supported.
    if (IsOs2Header(Header.HeaderSize) && Header.Compression >= BI_BITFIELDS) ok = false;
    if (!ok)
        InvalidGraphic("bitmap: unsupported compression " + std::to_string(Header.Compression) +
                       " for " + std::to_string(bits) + " bits");
    if (Header.IsRle() && Header.TopDown) InvalidGraphic("bitmap: top-down compressed bitmap");
    if (bits <= 8 && Header.ClrUsed > 256)
        InvalidGraphic("bitmap: palette of " + std::to_string(Header.ClrUsed) + " colours");
}

// The field at Offset of a header of HeaderSize bytes, 0 when the header is shorter.
uint32_t Field(TByteView Header, size_t Offset) {
    return Header.Has(Offset, 4) ? Header.U32(Offset) : 0;
}

// One colour channel of a bit-field pixel.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;

    explicit TChannel(uint32_t mask) : Mask(mask) {
        if (!mask) return;
        Shift = std::countr_zero(mask);
        Bits = std::bit_width(mask >> Shift);
    }
    uint32_t Value(uint32_t Pixel) const {
        if (!Bits) return 0;
        const uint32_t v = (Pixel & Mask) >> Shift;
        if (Bits >= 8) return v >> (Bits - 8);
        const uint32_t max = (1u << Bits) - 1;
        return (v * 255 + max / 2) / max;
    }
};

QRgb IndexColor(const std::vector<QRgb>& Palette, uint32_t Index) {
    return Index < Palette.size() ? Palette[Index] : qRgb(0, 0, 0);
}

void DecodeIndexedRow(const TDibHeader& Header, const std::vector<QRgb>& Palette,
                      const uint8_t* Src, QRgb* Dst) {
    const int bits = Header.BitCount;
    const int perByte = 8 / bits;
    const uint32_t mask = (1u << bits) - 1;
    for (int x = 0; x < Header.Width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        Dst[x] = IndexColor(Palette, (Src[x / perByte] >> shift) & mask);
    }
}

void DecodeMaskedRow(const TDibHeader& Header, const TChannel (&Channels)[4], const uint8_t* Src,
                     QRgb* Dst) {
    const int bytes = Header.BitCount / 8;
    const bool alpha = Header.HasAlpha();
    for (int x = 0; x < Header.Width; ++x) {
        const uint8_t* p = Src + x * bytes;
        uint32_t pixel = p[0] | p[1] << 8;
        if (bytes == 4) pixel |= uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        Dst[x] = qRgba(Channels[0].Value(pixel), Channels[1].Value(pixel), Channels[2].Value(pixel),
                       alpha ? Channels[3].Value(pixel) : 255);
    }
}

void DecodeRgbRow(const TDibHeader& Header, const uint8_t* Src, QRgb* Dst) {
    const int bytes = Header.BitCount / 8;
    for (int x = 0; x < Header.Width; ++x, Src += bytes)
        Dst[x] = qRgb(Src[2], Src[1], Src[0]);
}

void DecodeUncompressed(const TDibHeader& Header, const std::vector<QRgb>& Palette, TByteView Bits,
                        QImage& Image) {
    if (!Bits.Has(0, static_cast<size_t>(Header.BitsSize())))
        InvalidGraphic("bitmap: pixel data is truncated");
    const TChannel channels[4] = {TChannel(Header.Masks[0]), TChannel(Header.Masks[1]),
                                  TChannel(Header.Masks[2]), TChannel(Header.Masks[3])};
    const bool plain = Header.BitCount >= 24 && !Header.HasAlpha() && Header.Masks[0] == 0xFF0000 &&
                       Header.Masks[1] == 0xFF00 && Header.Masks[2] == 0xFF;
    for (int y = 0; y < Header.Height; ++y) {
        const int row = Header.TopDown ? y : Header.Height - 1 - y;
        const uint8_t* src = Bits.Data() + row * Header.Stride();
        auto* dst = reinterpret_cast<QRgb*>(Image.scanLine(y));
        if (Header.BitCount <= 8)
            DecodeIndexedRow(Header, Palette, src, dst);
        else if (plain)
            DecodeRgbRow(Header, src, dst);
        else
            DecodeMaskedRow(Header, channels, src, dst);
    }
}

// An image whose alpha is zero everywhere, made opaque.
void OpaqueWhenInvisible(QImage& Image) {
    for (int y = 0; y < Image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        for (int x = 0; x < Image.width(); ++x)
            if (qAlpha(line[x]) != 0) return;
    }
    for (int y = 0; y < Image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(Image.scanLine(y));
        for (int x = 0; x < Image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    Image.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

size_t TDibHeader::MaskBytes() const {
    if (HeaderSize != 40) return 0;
    if (Compression == BI_BITFIELDS) return 12;
    if (Compression == BI_ALPHABITFIELDS) return 16;
    return 0;
}

size_t TDibHeader::PaletteEntries() const {
    if (BitCount > 8) return 0;
    if (CorePalette || ClrUsed == 0) return size_t(1) << BitCount;
    return ClrUsed;
}

TDibHeader ParseDibHeader(TByteView Bytes, bool IconHeight) {
    TDibHeader h;
    h.HeaderSize = Bytes.U32(0);
    if (!IsKnownHeader(h.HeaderSize))
        InvalidGraphic("bitmap: unknown header size " + std::to_string(h.HeaderSize));
    const TByteView header = Bytes.Sub(0, h.HeaderSize);
    int64_t height = 0;
    if (h.HeaderSize == 12) {
        h.Width = header.U16(4);
        height = header.U16(6);
        h.BitCount = header.U16(10);
        h.CorePalette = true;
    } else {
        h.Width = header.I32(4);
        height = header.I32(8);
        h.BitCount = header.U16(14);
        h.Compression = Field(header, 16);
        h.SizeImage = Field(header, 20);
        h.ClrUsed = Field(header, 32);
    }
    h.TopDown = height < 0;
    if (height < 0) height = -height;
    if (IconHeight) height /= 2;
    CheckPictureSize(h.Width, height, "bitmap");
    h.Height = static_cast<int32_t>(height);
    ValidateFormat(h);
    SetDefaultMasks(h);
    if (h.HeaderSize >= 52 && !IsOs2Header(h.HeaderSize) &&
        (h.Compression == BI_BITFIELDS || h.Compression == BI_ALPHABITFIELDS))
        h.Masks = {header.U32(40), header.U32(44), header.U32(48), Field(header, 52)};
    return h;
}

void ReadDibMasks(TDibHeader& Header, TByteView Masks) {
    if (Header.MaskBytes() == 0) return;
    Header.Masks = {Masks.U32(0), Masks.U32(4), Masks.U32(8),
                    Header.MaskBytes() == 16 ? Masks.U32(12) : 0};
}

std::vector<QRgb> ReadDibPalette(const TDibHeader& Header, TByteView Bytes) {
    std::vector<QRgb> palette(Header.PaletteEntries());
    const size_t size = Header.PaletteEntrySize();
    for (size_t i = 0; i < palette.size(); ++i)
        palette[i] = qRgb(Bytes.U8(i * size + 2), Bytes.U8(i * size + 1), Bytes.U8(i * size));
    return palette;
}

QImage DecodeDibBits(const TDibHeader& Header, const std::vector<QRgb>& Palette, TByteView Bits) {
    const bool alpha = Header.HasAlpha() && !Header.IsRle();
    QImage image(Header.Width, Header.Height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) InvalidGraphic("bitmap: out of memory");
    if (Header.IsRle()) {
        image.fill(IndexColor(Palette, 0));
        DecodeDibRle(Header, Palette, Bits, image);
    } else {
        DecodeUncompressed(Header, Palette, Bits, image);
    }
    if (Header.HasAlpha()) OpaqueWhenInvisible(image);
    return image;
}
