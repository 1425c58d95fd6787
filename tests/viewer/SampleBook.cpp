#include "SampleBook.h"

#include "platform/base/FileNames.h"
#include "viewer/CommandLine.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

std::string SampleBookPath() {
    const std::string path = std::string(PLB_BIN_DIR) + "/data/TextBook.plb";
    return FileExists(path) ? path : std::string();
}

TSampleBookWindow::TSampleBookWindow(int Number) {
    FFolder.WriteSettings(SampleBookPath() + "\n");
    SetFirstArgument(std::to_string(Number));
    FPage = std::make_unique<TfrmPage>(FFolder.ExeName());
    SetFirstArgument(std::nullopt);
    FPage->show();
    QApplication::processEvents();
}

TSampleBookWindow::~TSampleBookWindow() = default;

bool WaitUntil(const std::function<bool()>& Condition, int Milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!Condition()) {
        if (clock.elapsed() > Milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}
