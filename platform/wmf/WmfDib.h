#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

// Device-independent bitmaps as metafile records carry them: a BITMAPINFO
// (header and colour table) and the pixel bits, which may lie apart (EMF) or
// follow each other (WMF). Pixels are decoded as GDI blits them: the fourth
// byte of a 32-bit pixel is not alpha.

struct TWmfBytes {
    const uint8_t* Data = nullptr;
    size_t Size = 0;
};

// Largest bitmap decoded, in pixels; larger ones are skipped.
constexpr int64_t MaxDibPixels = 16 * 1024 * 1024;

// Returns a null image for anything malformed, truncated or too large.
// PaletteIndices: the colour table holds 16-bit palette indices
// (DIB_PAL_COLORS), shown as greys since no palette is realised.
// BottomUp, when given, tells whether the rows were stored bottom-up (the
// usual order, in which source rectangles of blits count from the bottom).
QImage DecodeDib(TWmfBytes Info, TWmfBytes Bits, bool PaletteIndices = false,
                 bool* BottomUp = nullptr);

// A packed DIB (BITMAPINFO immediately followed by the bits).
QImage DecodePackedDib(TWmfBytes Dib, bool PaletteIndices = false, bool* BottomUp = nullptr);

// The source rectangle of a blit from Image: Width x Height at (X, Y), Y
// counted from the bottom row when BottomUp. The record's 32-bit numbers are
// added in 64 bits and the edges clamped far outside any image, so that lying
// values cannot overflow; the drawing clips the rectangle to the image.
QRect BlitSource(const QImage& Image, int64_t X, int64_t Y, int64_t Width, int64_t Height,
                 bool BottomUp);

// The average colour of a bitmap, as a TColor (red in the low byte); used to
// stand in for pattern brushes.
uint32_t AverageColor(const QImage& Image);
