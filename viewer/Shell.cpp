#include "viewer/Shell.h"

#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

TShellHandler& Handler() {
    static TShellHandler handler;
    return handler;
}

bool HasUrlScheme(const QString& Text) {
    for (const char* scheme : {"http:", "https:", "mailto:", "file:"})
        if (Text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
    return false;
}

} // namespace

void SetShellHandler(TShellHandler Handler_) {
    Handler() = std::move(Handler_);
}

void ShellOpen(const AnsiString& File) {
    if (Handler()) {
        Handler()(File);
        return;
    }
    const QString text = QString::fromStdString(Cp1251ToUtf8(File));
    if (HasUrlScheme(text)) {
        QDesktopServices::openUrl(QUrl(text));
        return;
    }
    std::string path = ResolveWindowsName(File);
    if (path.empty()) path = WindowsNameToNative(File);
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()));
}
