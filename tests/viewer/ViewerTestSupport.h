#pragma once

#include "platform/base/Types.h"
#include "support/TestFiles.h"

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

// A program folder for start-up tests: the viewer's path inside it, books and
// a settings file written on demand. Restores the current folder and the
// application object when it goes.
class TProgramFolder {
public:
    TProgramFolder();
    ~TProgramFolder();

    std::string ExeName() const { return Dir.File("plbviewer"); }
    std::string SettingsFile() const { return Dir.File("plbviewer.ini"); }
    // Writes a textbook of one page at Relative (folders created); returns its path.
    std::string WriteBook(const std::string& Relative, const std::string& Utf8Title,
                          bool Sizeable = true);
    void WriteSettings(const std::string& Bytes);

    TTempDir Dir;

private:
    std::string FOldDir;
};

// Runs Action on the first modal window that appears while it lives (it
// polls the application from the running event loops).
class TModalAction {
public:
    explicit TModalAction(std::function<void(QWidget*)> Action);
    ~TModalAction();
    bool Ran() const { return FRan; }

private:
    QTimer FTimer;
    std::function<void(QWidget*)> FAction;
    bool FRan = false;
};

// Records how often a named widget was shown, and where and how the first time.
class TShowWatcher : public QObject {
public:
    explicit TShowWatcher(const QString& Name);
    ~TShowWatcher() override;

    int Shows = 0;
    QRect Geometry;
    QSize ParentSize;
    bool WindowEnabled = true;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QString FName;
};
