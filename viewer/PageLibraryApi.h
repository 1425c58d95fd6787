#pragma once

// What the viewer offers the page libraries a book brings along. The two
// functions are exported from the viewer's executable under these names; a
// library finds them with dlsym(RTLD_DEFAULT, ...) and does nothing when they
// are absent, so it never links the viewer. Window is the window pointer the
// library was given by InitPage or DonePage: the main window for a page, the
// sub-page window for a sub-page. Any other pointer, a null one included, and a
// window whose library has been released are ignored. Texts are zero-terminated
// code page 1251, like every text of a book.

class QWidget;

extern "C" {
// Shows Text in the status line of the viewer's main window.
void PlbSetStatusText(void* Window, const char* Text);
// Copies the status line's text into Buffer (at most Size - 1 bytes and a
// terminating zero) and returns the text's full length; -1 when Window is not
// accepted, the buffer left untouched.
int PlbGetStatusText(void* Window, char* Buffer, int Size);
}

// The viewer's side: the window handed to a loaded library, accepted by the
// functions above from registration until the matching unregistration.
// Registrations of one address are counted.
void RegisterLibraryWindow(QWidget* Window);
void UnregisterLibraryWindow(QWidget* Window);
