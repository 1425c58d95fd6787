#include "viewer/PageLibraryApi.h"

#include "platform/base/Cp1251.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct TLibraryWindow {
    void* Address;
    QPointer<QWidget> Window;
};

// Only the user-interface thread calls into the viewer.
std::vector<TLibraryWindow>& LibraryWindows() {
    static std::vector<TLibraryWindow> windows;
    return windows;
}

QWidget* AcceptedWindow(void* Address) {
    if (!Address) return nullptr;
    for (const TLibraryWindow& entry : LibraryWindows())
        if (entry.Address == Address) return entry.Window.data();
    return nullptr;
}

QLabel* StatusLineOf(QWidget* Window) {
    // A sub-page window (or panel) has no status line: the main window's is
    // found among its ancestors, or else among the top-level windows.
    for (QWidget* widget = Window; widget; widget = widget->parentWidget())
        if (auto* label = widget->findChild<QLabel*>(QStringLiteral("lblHints"))) return label;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* label = widget->findChild<QLabel*>(QStringLiteral("lblHints"))) return label;
    return nullptr;
}

QLabel* StatusLine(void* Address) {
    QWidget* window = AcceptedWindow(Address);
    return window ? StatusLineOf(window) : nullptr;
}

} // namespace

extern "C" void PlbSetStatusText(void* Window, const char* Text) {
    QLabel* label = StatusLine(Window);
    if (!label) return;
    label->setText(QString::fromStdString(Cp1251ToUtf8(Text ? Text : "")));
    label->adjustSize();
}

extern "C" int PlbGetStatusText(void* Window, char* Buffer, int Size) {
    QLabel* label = StatusLine(Window);
    if (!label) return -1;
    const AnsiString text = Utf8ToCp1251(label->text().toStdString());
    if (Buffer && Size > 0) {
        const size_t copied = std::min(text.size(), static_cast<size_t>(Size - 1));
        std::memcpy(Buffer, text.data(), copied);
        Buffer[copied] = '\0';
    }
    return static_cast<int>(text.size());
}

void RegisterLibraryWindow(QWidget* Window) {
    if (Window) LibraryWindows().push_back({Window, Window});
}

void UnregisterLibraryWindow(QWidget* Window) {
    auto& windows = LibraryWindows();
    auto found =
        std::find_if(windows.begin(), windows.end(), [Window](const TLibraryWindow& entry) {
            return entry.Address == static_cast<void*>(Window);
        });
    if (found != windows.end()) windows.erase(found);
}
