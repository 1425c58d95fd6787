// The main of test programs that draw or open windows: a GUI application on
// Qt's offscreen platform unless another platform is asked for, with a
// watchdog that fails a test left waiting in a modal window.
#include "support/ModalWatchdog.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    modalwatchdog::Install();
    const int result = RUN_ALL_TESTS();
    modalwatchdog::Uninstall();
    return result;
}
