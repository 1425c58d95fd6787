#pragma once

#include "ViewerTestSupport.h"

#include <functional>
#include <memory>

class TfrmPage;

// The sample textbook as the build packs it beside the test programs, with its
// page library and media; "" when it has not been built.
std::string SampleBookPath();

// A main window on the sample textbook, opened at page Number from a program
// folder whose settings file names the book; shown, so that the page is
// painted and its clip started.
class TSampleBookWindow {
public:
    explicit TSampleBookWindow(int Number);
    ~TSampleBookWindow();

    TfrmPage& Page() { return *FPage; }

private:
    TProgramFolder FFolder;
    std::unique_ptr<TfrmPage> FPage;
};

// Runs the event loop until Condition holds or Milliseconds have passed.
bool WaitUntil(const std::function<bool()>& Condition, int Milliseconds = 5000);
