#include "support/ModalWatchdog.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace modalwatchdog {

namespace {

std::chrono::milliseconds DefaultTimeout() {
    if (const char* seconds = std::getenv("PLB_TEST_WATCHDOG_SECONDS")) {
        const long value = std::strtol(seconds, nullptr, 10);
        if (value > 0) return std::chrono::seconds(value);
    }
    return std::chrono::seconds(20);
}

std::string CurrentTestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (!test) return "(between tests)";
    return std::string(test->test_suite_name()) + "." + test->name();
}

std::string Describe(const QWidget& Window) {
    std::string text = Window.metaObject()->className();
    const QString title = Window.windowTitle();
    if (!title.isEmpty()) text += " \"" + title.toStdString() + "\"";
    return text;
}

// Closes the open popups and modal windows, innermost first; returns what it
// closed. A dialog is rejected, since a message box without an escape button
// ignores a close; a window that ignores its close (a form ends its own loop
// when asked and hides later) is hidden, so the one below it comes next.
std::string CloseModalWindows() {
    std::string closed;
    for (int guard = 0; guard < 100; ++guard) {
        QPointer<QWidget> window = QApplication::activePopupWidget();
        if (!window) window = QApplication::activeModalWidget();
        if (!window) break;
        closed += (closed.empty() ? "" : ", ") + Describe(*window);
        if (auto* dialog = qobject_cast<QDialog*>(window.data()))
            dialog->done(QDialog::Rejected);
        else
            window->close();
        if (window && window->isVisible()) window->hide();
    }
    return closed;
}

class TWatchdog : public testing::EmptyTestEventListener {
public:
    TWatchdog() {
        FTimer.setSingleShot(true);
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Fire(); });
    }

    void OnTestStart(const testing::TestInfo&) override { Start(DefaultTimeout()); }
    void OnTestEnd(const testing::TestInfo&) override { FTimer.stop(); }

    void Start(std::chrono::milliseconds Timeout) {
        FTimeout = Timeout;
        FTimer.start(Timeout);
    }

private:
    void Fire() {
        const std::string closed = CloseModalWindows();
        const std::string waited = std::to_string(FTimeout.count()) + " ms";
        if (closed.empty()) {
            std::fprintf(stderr,
                         "watchdog: %s still running after %s with no modal window to close; "
                         "ending the program\n",
                         CurrentTestName().c_str(), waited.c_str());
            std::fflush(nullptr);
            std::_Exit(EXIT_FAILURE);
        }
        ADD_FAILURE() << "watchdog: " << CurrentTestName() << " still waiting after " << waited
                      << "; closed " << closed;
        FTimer.start(FTimeout); // a test that opens another window is caught again
    }

    QTimer FTimer;
    std::chrono::milliseconds FTimeout{0};
};

TWatchdog* Instance = nullptr;

} // namespace

void Install() {
    if (Instance) return;
    Instance = new TWatchdog;
    testing::UnitTest::GetInstance()->listeners().Append(Instance);
}

void Uninstall() {
    if (!Instance) return;
    delete testing::UnitTest::GetInstance()->listeners().Release(Instance);
    Instance = nullptr;
}

void SetTimeout(std::chrono::milliseconds Timeout) {
    if (Instance) Instance->Start(Timeout);
}

} // namespace modalwatchdog
