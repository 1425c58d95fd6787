#include "platform/base/FileNames.h"
#include "viewer/AppIdentity.h"
#include "viewer/CommandLine.h"
#include "viewer/Program.h"
#include "viewer/ProgramOptions.h"

#include <QApplication>

int main(int argc, char** argv) {
    // --help and --version need no display.
    if (const auto status = RunInfoOptions(argc, argv)) return *status;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(ApplicationId());
    QApplication::setWindowIcon(ApplicationIcon());
    BookArgument(); // a relative --book is taken from the folder started in
    return RunViewer(ApplicationExeName());
}
