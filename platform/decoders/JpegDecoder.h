#pragma once

#include "platform/base/Streams.h"

#include <QImage>

// Reads a JPEG picture from the stream's position up to its end-of-image
// marker and decodes it with libjpeg: baseline or progressive, greyscale,
// colour, or CMYK/YCCK (Adobe's inverted form included). Returns an opaque
// 32-bit image. Raises EInvalidGraphic for damaged or oversized pictures.
QImage ReadJpeg(TStream& Stream);
