#pragma once

#include "platform/decoders/PictureBytes.h"

#include <QImage>
#include <array>
#include <vector>

// Device-independent bitmaps, the pixel format of BMP files and of the
// classic images inside icons.

enum TDibCompression : uint32_t {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_ALPHABITFIELDS = 6,
};

// What an info header says about the bitmap that follows it.
struct TDibHeader {
    uint32_t HeaderSize = 0;
    int32_t Width = 0;
    int32_t Height = 0; // rows; always positive, see TopDown
    bool TopDown = false;
    uint16_t BitCount = 0;
    uint32_t Compression = BI_RGB;
    uint32_t SizeImage = 0;
    uint32_t ClrUsed = 0;
    bool CorePalette = false; // three-byte palette entries (OS/2 core header)
    // Red, green, blue and alpha bits of 16- and 32-bit pixels. Only bit-field
    // bitmaps have an alpha mask: the fourth byte of other 32-bit pixels is
    // not alpha.
    std::array<uint32_t, 4> Masks{};

    bool IsRle() const { return Compression == BI_RLE8 || Compression == BI_RLE4; }
    bool HasAlpha() const { return Masks[3] != 0; }
    // Bytes of bit-field masks that follow a 40-byte header (0 when none do).
    size_t MaskBytes() const;
    // Palette entries that follow the header and masks (0 above 8 bits).
    size_t PaletteEntries() const;
    size_t PaletteEntrySize() const { return CorePalette ? 3 : 4; }
    size_t PaletteBytes() const { return PaletteEntries() * PaletteEntrySize(); }
    // Bytes of one uncompressed row, padded to four bytes.
    int64_t Stride() const { return ((int64_t(Width) * BitCount + 31) / 32) * 4; }
    // Bytes of the uncompressed pixel rows.
    int64_t BitsSize() const { return Stride() * Height; }
};

// Parses an info header, starting with its size field: the OS/2 core header
// (12 bytes), OS/2 2.x headers (16 to 64 bytes) and the Windows headers (40,
// 52, 56, 108, 124 bytes). Validates size, depth and compression. An icon's
// header counts the mask rows too: IconHeight halves the height.
TDibHeader ParseDibHeader(TByteView Header, bool IconHeight = false);

// Reads the masks that follow a 40-byte header with bit fields (the alpha
// mask too with BI_ALPHABITFIELDS).
void ReadDibMasks(TDibHeader& Header, TByteView Masks);

// Reads PaletteEntries() entries as opaque colours.
std::vector<QRgb> ReadDibPalette(const TDibHeader& Header, TByteView Bytes);

// Decodes the pixel bits, uncompressed or run-length encoded, into a 32-bit
// image: ARGB with straight alpha when the header has an alpha mask, else
// opaque RGB (a fourth byte of 32-bit pixels is ignored, as plain blitting
// ignores it). Pixels whose alpha is zero throughout are taken as opaque: a
// wholly invisible picture is a writer's mistake, not its intent.
QImage DecodeDibBits(const TDibHeader& Header, const std::vector<QRgb>& Palette, TByteView Bits);
