#include "platform/base/FileNames.h"
#include "viewer/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return RunViewer(ApplicationExeName());
}
