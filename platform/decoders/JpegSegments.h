#pragma once

#include "platform/decoders/PictureBytes.h"

// Reads one JPEG stream from the stream's position up to and including its
// end-of-image marker, following the segment lengths and the entropy-coded
// data between them, and leaves the stream just after it. Raises
// EInvalidGraphic when the bytes do not start a JPEG or end before its end
// marker.
TBytes ReadJpegBytes(TStream& Stream);
