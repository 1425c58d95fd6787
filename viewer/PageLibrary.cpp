#include "viewer/PageLibrary.h"

#include "platform/base/FileNames.h"
#include "viewer/PageLibraryApi.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cctype>

namespace {

using TPageEntry = void (*)(void* Page, void* SubPage, const char* Params);

std::string Lower(std::string Text) {
    for (char& c : Text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return Text;
}

// Calls an entry, keeping a C++ exception thrown by the library out of the
// viewer's event handling.
void Call(TPageEntry Entry, void* Page, void* SubPage, const char* Params) {
    try {
        Entry(Page, SubPage, Params);
    } catch (...) {
    }
}

} // namespace

std::string TPageLibrary::LibraryPath(const AnsiString& Name) {
    if (Name.empty()) return {};
    std::string path = ResolveWindowsName(Name);
    const std::string native = WindowsNameToNative(Name);
    if (path.empty() && Lower(ExtractFileExt(native)) == ".dll")
        path = ResolvePath(ChangeFileExt(native, ".so"));
    if (path.empty() || !FileExists(path)) return {};
    // Absolute names, drives (dropped: the rest is taken from the root), ".."
    // and links all end in the canonical path, which must lie in the folder.
    const QString file = QFileInfo(QString::fromStdString(path)).canonicalFilePath();
    const QString folder = QDir::current().canonicalPath();
    if (file.isEmpty() || folder.isEmpty() || !file.startsWith(folder + QLatin1Char('/')))
        return {};
    return file.toStdString();
}

TPageLibrary::TPageLibrary() = default;

TPageLibrary::~TPageLibrary() {
    Close();
}

void TPageLibrary::Open(const AnsiString& Name, QWidget* Page, const AnsiString& Params) {
    Load(Name, Page, false, Params);
}

void TPageLibrary::OpenSubPage(const AnsiString& Name, QWidget* SubPage, const AnsiString& Params) {
    Load(Name, SubPage, true, Params);
}

void TPageLibrary::Load(const AnsiString& Name, QWidget* Window, bool SubPage,
                        const AnsiString& Params) {
    Close();
    const std::string path = LibraryPath(Name);
    if (path.empty()) return;
    // An absolute path: QLibrary then loads exactly this file and searches
    // no system folders.
    auto library = std::make_unique<QLibrary>(QString::fromStdString(path));
    if (!library->load()) return;
    FLibrary = std::move(library);
    FWindow = Window;
    FSubPage = SubPage;
    FParams = Params;
    RegisterLibraryWindow(FWindow);
    if (auto init = reinterpret_cast<TPageEntry>(FLibrary->resolve("InitPage"))) {
        if (FSubPage)
            Call(init, nullptr, FWindow, FParams.c_str());
        else
            Call(init, FWindow, nullptr, FParams.c_str());
    }
}

void TPageLibrary::Close() {
    if (!FLibrary) return;
    if (auto done = reinterpret_cast<TPageEntry>(FLibrary->resolve("DonePage"))) {
        if (FSubPage)
            Call(done, nullptr, FWindow, FParams.c_str());
        else
            Call(done, FWindow, nullptr, nullptr);
    }
    UnregisterLibraryWindow(FWindow);
    FLibrary->unload();
    FLibrary.reset();
    FWindow = nullptr;
    FSubPage = false;
    FParams.clear();
}

bool TPageLibrary::Loaded() const {
    return FLibrary != nullptr;
}
