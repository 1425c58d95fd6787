#pragma once

#include "platform/base/Streams.h"

#include <QImage>

// Reads a BMP file from the stream's position: the file header, the info
// header, masks, palette and pixel bits. Consumes exactly the file's bytes
// (the header's file size when it covers the pixels and the stream holds it,
// else up to the end of the pixel bits) and returns a 32-bit image: ARGB with
// straight alpha for bit-field bitmaps with an alpha mask, opaque RGB for all
// others. Raises EInvalidGraphic for bytes that are not such a file. BitCount,
// when given, receives the file's colour depth.
QImage ReadBmp(TStream& Stream, int* BitCount = nullptr);
