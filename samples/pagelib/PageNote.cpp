// A sample page library: while its page is shown, the viewer's status line
// carries the page's parameter text; when the page goes, the status line gets
// back what it showed before. The viewer's functions are looked up by name in
// the running program, so the library does not link the viewer and does
// nothing under a program that lacks them.
#include <dlfcn.h>
#include <string>

#define PAGE_ENTRY extern "C" __attribute__((visibility("default")))

namespace {

using TSetStatusText = void (*)(void* Window, const char* Text);
using TGetStatusText = int (*)(void* Window, char* Buffer, int Size);

std::string SavedStatus;
bool StatusSaved = false;

template <class T> T ViewerFunction(const char* Name) {
    return reinterpret_cast<T>(dlsym(RTLD_DEFAULT, Name));
}

// A page passes its window first, a sub-page second.
void* WindowOf(void* Page, void* SubPage) {
    return Page ? Page : SubPage;
}

} // namespace

PAGE_ENTRY void InitPage(void* Page, void* SubPage, const char* Params) {
    auto set = ViewerFunction<TSetStatusText>("PlbSetStatusText");
    auto get = ViewerFunction<TGetStatusText>("PlbGetStatusText");
    void* window = WindowOf(Page, SubPage);
    if (!set || !get || !window) return;
    char buffer[512];
    const int length = get(window, buffer, sizeof buffer);
    if (length < 0) return;
    SavedStatus.assign(buffer);
    StatusSaved = true;
    // Windows-1251 text, as every text of a book: "Библиотека страницы загружена".
    set(window, Params && *Params ? Params
                                  : "\xC1\xE8\xE1\xEB\xE8\xEE\xF2\xE5\xEA\xE0 \xF1\xF2\xF0\xE0"
                                    "\xED\xE8\xF6\xFB \xE7\xE0\xE3\xF0\xF3\xE6\xE5\xED\xE0");
}

PAGE_ENTRY void DonePage(void* Page, void* SubPage, const char* /*Params*/) {
    auto set = ViewerFunction<TSetStatusText>("PlbSetStatusText");
    void* window = WindowOf(Page, SubPage);
    if (set && window && StatusSaved) set(window, SavedStatus.c_str());
    StatusSaved = false;
    SavedStatus.clear();
}
