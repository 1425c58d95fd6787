// Compiles arbitrary bytes as page markup and interprets the records into a
// page on a page view. Any input must compile and interpret cleanly.
#include "hypertext/HyperText.h"
#include "hypertext/MarkupCompiler.h"

#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_markup";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return new QApplication(argc, argv);
    }();
    static QWidget* window = new QWidget;
    (void)app;
    const AnsiString text(reinterpret_cast<const char*>(data), size);
    THyperText page(window);
    page.SetBoundsRect(Bounds(0, 0, 300, 200));
    TStringList lines;
    lines.SetText(text);
    page.SetLines(lines);
    page.RenderIfDirty();
    return 0;
}
