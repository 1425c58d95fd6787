#pragma once

#include <chrono>

// A watchdog for the GUI test programs: a test that is still running when its
// timer fires (20 s unless PLB_TEST_WATCHDOG_SECONDS says otherwise) is
// waiting for input nobody gives. The watchdog closes every open popup and
// modal window, so their loops return, and fails the test with its name. When
// there is nothing to close, the test is stuck where no window can free it:
// the watchdog reports it and ends the program rather than hang.
namespace modalwatchdog {

// Installs the watchdog as a test event listener; call once, after the
// application object exists and before the tests run.
void Install();
// Removes it again, before the application object goes.
void Uninstall();
// The running test's time limit from now on, until the test ends (for tests
// of the watchdog itself).
void SetTimeout(std::chrono::milliseconds Timeout);

} // namespace modalwatchdog
