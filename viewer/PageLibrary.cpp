#include "viewer/PageLibrary.h"

#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"

#include <QLibrary>
#include <cctype>

namespace {

using TPageEntry = void (*)(void* Page, void* SubPage, const char* Params);

std::string LibraryPath(const AnsiString& Name) {
    std::string path = ResolveWindowsName(Name);
    std::string ext = ExtractFileExt(WindowsNameToNative(Name));
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (path.empty() && ext == ".dll")
        path = ResolvePath(ChangeFileExt(WindowsNameToNative(Name), ".so"));
    return path;
}

} // namespace

TPageLibrary::TPageLibrary() = default;

TPageLibrary::~TPageLibrary() = default;

void TPageLibrary::Open(const AnsiString& Name, void* Page, const AnsiString& Params) {
    Close(Page);
    Load(Name, Page, nullptr, Params);
}

void TPageLibrary::OpenForSubPage(const AnsiString& Name, void* SubPage, const AnsiString& Params) {
    CloseForSubPage(SubPage, Params);
    Load(Name, nullptr, SubPage, Params);
}

void TPageLibrary::Close(void* Page) {
    Release(Page, nullptr, nullptr);
}

void TPageLibrary::CloseForSubPage(void* SubPage, const AnsiString& Params) {
    Release(nullptr, SubPage, Params.c_str());
}

void TPageLibrary::Load(const AnsiString& Name, void* Page, void* SubPage,
                        const AnsiString& Params) {
    const std::string path = LibraryPath(Name);
    if (path.empty()) return;
    auto library = std::make_unique<QLibrary>(QString::fromStdString(path));
    if (!library->load()) return;
    FLibrary = std::move(library);
    if (auto init = reinterpret_cast<TPageEntry>(FLibrary->resolve("InitPage")))
        init(Page, SubPage, Params.c_str());
}

void TPageLibrary::Release(void* Page, void* SubPage, const char* Params) {
    if (!FLibrary) return;
    if (auto done = reinterpret_cast<TPageEntry>(FLibrary->resolve("DonePage")))
        done(Page, SubPage, Params);
    FLibrary->unload();
    FLibrary.reset();
}

bool TPageLibrary::Loaded() const {
    return FLibrary != nullptr;
}
