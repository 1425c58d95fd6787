// Compiles arbitrary bytes as a vector picture script and paints the result,
// recording it and replaying it on a raster image. Any input must compile to
// byte code ending with its end byte and paint without a fault.
#include "hypertext/VectorPicture.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/PainterCanvas.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_vector";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return new QApplication(argc, argv);
    }();
    (void)app;
}

} // namespace

// The font system's caches live until exit: not leaks of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libfreetype\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnsureApplication();
    TVectorPicture picture;
    picture.SetRealSize(64, 48);
    picture.Lines().SetText(AnsiString(reinterpret_cast<const char*>(data), size));
    picture.Changed(&picture.Lines());
    if (picture.Compiled().empty() || picture.Compiled().back() != 0) __builtin_trap();

    TMetafile rendering;
    rendering.SetSize(64, 48);
    {
        TMetafileCanvas canvas(rendering);
        if (!picture.PaintTo(canvas)) __builtin_trap();
    }
    QImage image = TPainterCanvas::MakeImage(64, 48);
    TPainterCanvas canvas(image);
    rendering.Play(canvas);
    return 0;
}
