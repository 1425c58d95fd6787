// The GUI test programs' watchdog: a test left waiting in a modal window or a
// popup fails quickly instead of hanging, and the windows are closed.
#include "support/ModalWatchdog.h"
#include "platform/widgets/Form.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(ModalWatchdog, ADialogNobodyClosesFailsTheTestAndIsRejected) {
    QDialog dialog;
    dialog.setWindowTitle("forgotten");
    QElapsedTimer clock;
    clock.start();
    modalwatchdog::SetTimeout(200ms);
    int result = -1;
    EXPECT_NONFATAL_FAILURE(result = dialog.exec(),
                            "ModalWatchdog.ADialogNobodyClosesFailsTheTestAndIsRejected");
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A message box without an escape button ignores a close, and a form ends its
// own modal loop when asked to close: both are closed, the inner one first.
TEST(ModalWatchdog, NestedModalWindowsAreAllClosed) {
    TForm form;
    form.setWindowTitle("outer form");
    QMessageBox box(QMessageBox::Question, "inner box", "Yes or no?",
                    QMessageBox::Yes | QMessageBox::No);
    bool boxRan = false;
    QTimer::singleShot(0, &form, [&] {
        box.exec();
        boxRan = true;
    });
    modalwatchdog::SetTimeout(200ms);
    int result = -1;
    EXPECT_NONFATAL_FAILURE(result = form.ShowModal(), "\"inner box\", TForm \"outer form\"");
    EXPECT_TRUE(boxRan);
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ModalWatchdog, APopupMenuNobodyChoosesFromIsClosed) {
    QMenu menu;
    menu.addAction("never chosen");
    modalwatchdog::SetTimeout(200ms);
    QAction* chosen = menu.actions().front();
    EXPECT_NONFATAL_FAILURE(chosen = menu.exec(QPoint(10, 10)), "QMenu");
    EXPECT_EQ(chosen, nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Waiting in an event loop no window ends cannot be freed: the program ends
// with the test's name instead of hanging.
TEST(ModalWatchdogDeathTest, AWaitWithNoWindowToCloseEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            modalwatchdog::SetTimeout(100ms);
            QEventLoop loop;
            loop.exec();
        },
        testing::ExitedWithCode(EXIT_FAILURE),
        "AWaitWithNoWindowToCloseEndsTheProgram still running after 100 ms");
}
