#pragma once

#include "platform/base/Streams.h"
#include "platform/decoders/PictureBytes.h"

#include <QImage>

// Reads a JPEG picture from the stream's position up to its end-of-image
// marker and decodes it with libjpeg: baseline or progressive, greyscale,
// colour, or CMYK/YCCK (Adobe's inverted form included). Returns an opaque
// 32-bit image. Raises EInvalidGraphic for damaged or oversized pictures.
QImage ReadJpeg(TStream& Stream);

// The same in two steps, for decoding away from the stream: the picture's
// bytes (ReadJpegBytes) checked as far as its headers go, giving its size,
// then decoded. Both raise EInvalidGraphic.
void CheckJpegHeader(const TBytes& Bytes, int& Width, int& Height);
QImage DecodeJpeg(const TBytes& Bytes);
