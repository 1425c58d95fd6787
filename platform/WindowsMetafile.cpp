#include "platform/WindowsMetafile.h"

#include "platform/Graphic.h"

// Placeholder until the metafile player lands.
void LoadWindowsMetafile(TStream&, TMetafile&) {
    throw EInvalidGraphic("Windows metafiles cannot be read yet");
}
