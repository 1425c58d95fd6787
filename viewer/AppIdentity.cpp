#include "viewer/AppIdentity.h"

#include "viewer/ExitPictures.h"

QString ApplicationId() {
    return QStringLiteral("org.plbviewer.PlbViewer");
}

QIcon ApplicationIcon() {
    QIcon drawn;
    for (int size : kApplicationIconSizes)
        drawn.addPixmap(BookIcon(size));
    return QIcon::fromTheme(ApplicationId(), drawn);
}
