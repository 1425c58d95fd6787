#pragma once

#include "platform/Streams.h"

class TMetafile;

// Reads a Windows metafile (WMF, with or without the placeable header, or EMF)
// from the stream's position, consuming exactly its bytes, and records its
// drawing into Metafile, sized at 96 pixels per inch. Raises EInvalidGraphic
// for bytes that are not a metafile.
void LoadWindowsMetafile(TStream& Stream, TMetafile& Metafile);
