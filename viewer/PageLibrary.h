#pragma once

#include "platform/base/Types.h"

#include <memory>

class QLibrary;

// The library a page brings along while it is shown: loaded from the page's
// LibraryName (a Windows name relative to the current folder; a ".dll" that
// does not resolve is tried as ".so"), told of the page by its "InitPage"
// entry and of its end by "DonePage". Both are extern "C" functions taking
// (page window, sub-page window, parameter text). A library that cannot be
// loaded is ignored; missing entries are not called.
class TPageLibrary {
public:
    TPageLibrary();
    ~TPageLibrary();
    TPageLibrary(const TPageLibrary&) = delete;
    TPageLibrary& operator=(const TPageLibrary&) = delete;

    // Closes any library first, then loads Name and calls InitPage with
    // (Page, none, Params).
    void Open(const AnsiString& Name, void* Page, const AnsiString& Params);
    // Calls DonePage with (Page, none, none) and releases the library.
    void Close(void* Page);
    // A sub-page's library is called with the windows the other way round:
    // InitPage and DonePage both get (none, SubPage, Params).
    void OpenForSubPage(const AnsiString& Name, void* SubPage, const AnsiString& Params);
    void CloseForSubPage(void* SubPage, const AnsiString& Params);
    bool Loaded() const;

private:
    void Load(const AnsiString& Name, void* Page, void* SubPage, const AnsiString& Params);
    void Release(void* Page, void* SubPage, const char* Params);

    std::unique_ptr<QLibrary> FLibrary;
};
