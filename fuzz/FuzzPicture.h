#pragma once

// Shared by the picture fuzz targets: reads the input as a picture of one
// format through the class the viewer picks for that file name, then draws it.
// Bad bytes must fail with EInvalidGraphic or a stream error; anything else
// (another exception, a crash, a sanitizer report) is a finding.

#include "platform/base/Streams.h"
#include "platform/decoders/InvalidGraphic.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/Picture.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace fuzzpicture {

inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// Draws the graphic stretched into a small fixed image, and at its own size
// clipped to a bounded image, so both scaling and 1:1 paths run.
inline void DrawGraphic(const TGraphic& Graphic) {
    QImage small = TPainterCanvas::MakeImage(64, 48);
    {
        TPainterCanvas canvas(small);
        canvas.StretchDraw(Rect(0, 0, 64, 48), &Graphic);
    }
    const int w = std::clamp(Graphic.Width(), 1, 256), h = std::clamp(Graphic.Height(), 1, 256);
    QImage natural = TPainterCanvas::MakeImage(w, h);
    TPainterCanvas canvas(natural);
    canvas.Draw(0, 0, &Graphic);
}

// Reads Data as the file FileName names (its extension picks the class) and
// draws it. Returns whether the bytes were accepted.
inline bool ReadAndDraw(const char* FileName, const uint8_t* Data, size_t Size) {
    EnsureApplication();
    TMemoryStream stream;
    if (Size) stream.Write(Data, int64_t(Size));
    stream.SetPosition(0);
    std::unique_ptr<TGraphic> graphic = TPicture::GraphicForFile(FileName);
    try {
        graphic->LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return false;
    } catch (const EStreamError&) {
        return false;
    }
    // A reader never goes past the bytes it was given.
    if (stream.Position() > int64_t(Size)) __builtin_trap();
    DrawGraphic(*graphic);
    return true;
}

} // namespace fuzzpicture

// The font system's caches live until exit: not leaks of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libfreetype\n";
}
