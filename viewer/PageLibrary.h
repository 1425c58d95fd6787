#pragma once

#include "platform/base/Types.h"

#include <memory>

class QLibrary;
class QWidget;

// The library a page brings along while it is shown: loaded from the page's
// LibraryName, told of the page by its "InitPage" entry and of its end by
// "DonePage". Both are extern "C" functions taking (page window, sub-page
// window, parameter text). The name is a Windows name taken from the current
// folder, the book's folder; a ".dll" that does not resolve is tried as ".so".
// A name that leads out of that folder (an absolute name or a drive elsewhere,
// a "..", a link pointing elsewhere) is refused, so that a book loads only its own libraries.
// A library that is refused or cannot be loaded is ignored; missing entries are
// not called.
class TPageLibrary {
public:
    TPageLibrary();
    ~TPageLibrary(); // closes the library like Close
    TPageLibrary(const TPageLibrary&) = delete;
    TPageLibrary& operator=(const TPageLibrary&) = delete;

    // For a main page: closes any library first, then loads Name and calls
    // InitPage(Page, none, Params); DonePage will get (Page, none, none).
    void Open(const AnsiString& Name, QWidget* Page, const AnsiString& Params);
    // For a sub-page window: InitPage(none, SubPage, Params); DonePage will
    // get the same three.
    void OpenSubPage(const AnsiString& Name, QWidget* SubPage, const AnsiString& Params);
    // Calls DonePage with the arguments of the opening and releases the
    // library. The window argument is the one it was opened for and is only
    // there for the callers that name it.
    void Close();
    void Close(QWidget* /*Window*/) { Close(); }
    bool Loaded() const;

    // The native path Name stands for when it may be loaded from the current
    // folder; "" when it does not exist or leaves the folder.
    static std::string LibraryPath(const AnsiString& Name);

private:
    void Load(const AnsiString& Name, QWidget* Window, bool SubPage, const AnsiString& Params);

    std::unique_ptr<QLibrary> FLibrary;
    QWidget* FWindow = nullptr;
    bool FSubPage = false;
    AnsiString FParams;
};
