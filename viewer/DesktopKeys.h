#pragma once

#include "viewer/KeyMap.h"

#include <QObject>
#include <QWidget>
#include <functional>

// The keys and buttons readers know from other programs, anywhere in one
// window: the mouse's back and forward buttons (on release) and the keys of
// DesktopKeyCommand (on press, as other programs' shortcuts act, and so that
// a modifier let go first cannot turn the key into another command). Run is
// called with the command. What it acts on is taken: the buttons' presses
// and double clicks, and the releases of a key that acted, so no widget and
// no release-time key map reads them again. Installed on the application,
// owned by the window.
class TDesktopKeys : public QObject {
public:
    TDesktopKeys(QWidget& Window, std::function<void(TKeyCommand)> Run);
    // Ctrl+P, the print key readers know from other programs, calls Print
    // (not a command of the key map: it opens the print dialog). Its release
    // is taken as the keys above are.
    void SetPrint(std::function<void()> Print);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool MouseEvent(QEvent& Event);
    bool KeyEvent(QEvent& Event);

    QWidget& FWindow;
    std::function<void(TKeyCommand)> FRun;
    int FOfferedKey = 0; // the key last offered to the window's shortcuts
    int FPressedKey = 0; // the key that acted on its press, until released
};
