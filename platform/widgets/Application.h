#pragma once

#include "platform/base/Types.h"

#include <exception>

// The running GUI program as the windows see it: its title, the request to
// end, the message loop and the standard box for an exception.
class TApplication {
public:
    // The program's title (code page 1251): the caption of its message boxes.
    const AnsiString& Title() const { return FTitle; }
    void SetTitle(const AnsiString& Value) { FTitle = Value; }

    // Asks the program to end: a running message loop returns, and one not
    // yet started does not run.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Withdraws a request to end (for a host that runs the program again).
    void CancelTerminate() { FTerminated = false; }
    // Runs the message loop until the program is asked to end (at once when
    // it already was).
    void Run();

    // The standard error box: the application's title as caption, the
    // exception's message ending with a full stop, an error icon, one OK button.
    void ShowException(const std::exception& E);
    // The text ShowException shows for E (UTF-8 or code page 1251 bytes).
    static AnsiString ExceptionMessage(const std::exception& E);

private:
    AnsiString FTitle;
    bool FTerminated = false;
    bool FRunning = false;
};

// The one application object of the program.
TApplication& Application();
