// Writes the program's icon, the open book it draws for itself, as PNG files
// for the hicolor icon theme: OUTDIR/SIZExSIZE/apps/ID.png for each SIZE.
#include "viewer/AppIdentity.h"
#include "viewer/ExitPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: plb_make_icons OUTDIR SIZE...\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "plb_make_icons: bad size \"%s\"\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + "/" + ApplicationId() + ".png");
        if (!out.mkpath(folder) || !BookIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "plb_make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
