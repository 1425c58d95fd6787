#pragma once

#include "platform/decoders/DibDecoder.h"

// Decodes 4- or 8-bit run-length encoded bits into Image (already sized and
// filled with the background). Runs that leave their row or the picture
// raise EInvalidGraphic; a missing end-of-bitmap code ends at the data's end.
void DecodeDibRle(const TDibHeader& Header, const std::vector<QRgb>& Palette, TByteView Bits,
                  QImage& Image);
