// Reads arbitrary bytes as a Windows metafile (WMF or EMF: the player tells
// them apart by their header) and draws it twice: recorded into a display list
// and replayed, as the viewer shows it, and played straight onto a raster
// canvas, which takes the player's other drawing path. See FuzzPicture.h.
#include "FuzzPicture.h"
#include "platform/wmf/WindowsMetafile.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzzpicture::ReadAndDraw("fuzz.wmf", data, size)) return 0;

    TMemoryStream stream;
    stream.Write(data, int64_t(size));
    stream.SetPosition(0);
    QImage image;
    std::optional<TPainterCanvas> canvas;
    try {
        PlayWindowsMetafile(stream, [&](int Width, int Height) -> TCanvas& {
            image =
                TPainterCanvas::MakeImage(std::clamp(Width, 1, 256), std::clamp(Height, 1, 256));
            canvas.emplace(image);
            return *canvas;
        });
    } catch (const EInvalidGraphic&) {
        __builtin_trap(); // the same bytes were accepted a moment ago
    }
    return 0;
}
