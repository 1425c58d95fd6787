#pragma once

#include "platform/base/Streams.h"

#include <functional>

class TCanvas;

// Gives the canvas to play a metafile on once its size (pixels at 96 dpi) is
// known; the canvas stays valid until the playing returns.
using TMetafileTarget = std::function<TCanvas&(int Width, int Height)>;

// Reads a Windows metafile (WMF, with or without the placeable header, or EMF)
// from the stream's position, consuming exactly its bytes, and plays its
// drawing on the target's canvas. A WMF ends with its end-of-file record even
// when its header states a larger size. Raises EInvalidGraphic for bytes that
// are not a metafile or are cut short, leaving the stream where it was.
void PlayWindowsMetafile(TStream& Stream, const TMetafileTarget& Target);
