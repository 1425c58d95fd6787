#include "viewer/DesktopKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

TDesktopKeys::TDesktopKeys(QWidget& Window, std::function<void(TKeyCommand)> Run)
    : QObject(&Window), FWindow(Window), FRun(std::move(Run)) {
    setObjectName(QStringLiteral("DesktopKeys"));
    qApp->installEventFilter(this);
}

bool TDesktopKeys::eventFilter(QObject* Watched, QEvent* Event) {
    if (!Watched->isWidgetType() || static_cast<QWidget*>(Watched)->window() != &FWindow)
        return false;
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return MouseEvent(*Event);
    case QEvent::ShortcutOverride:
        FOfferedKey = static_cast<QKeyEvent*>(Event)->key();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEvent(*Event);
    default:
        return false;
    }
}

// A window shortcut rather than a key of the filter: shortcuts also match a
// letter key's Latin letter while a Cyrillic keyboard layout is on.
void TDesktopKeys::SetPrint(std::function<void()> Print) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), &FWindow);
    shortcut->setAutoRepeat(false); // held down, it opens one dialog
    connect(shortcut, &QShortcut::activated, this, [this, Print = std::move(Print)] {
        FPressedKey = FOfferedKey; // the key acted: its release is taken
        Print();
    });
}

bool TDesktopKeys::MouseEvent(QEvent& Event) {
    const Qt::MouseButton button = static_cast<QMouseEvent&>(Event).button();
    if (button != Qt::BackButton && button != Qt::ForwardButton) return false;
    if (Event.type() == QEvent::MouseButtonRelease)
        FRun(button == Qt::ForwardButton ? TKeyCommand::Forward : TKeyCommand::Backward);
    return true;
}

bool TDesktopKeys::KeyEvent(QEvent& Event) {
    const auto& key = static_cast<QKeyEvent&>(Event);
    if (Event.type() == QEvent::KeyRelease) {
        if (FPressedKey == 0 || key.key() != FPressedKey) return false;
        if (!key.isAutoRepeat()) FPressedKey = 0;
        return true;
    }
    // A new press ends any wait for a release that went to another window.
    if (!key.isAutoRepeat()) FPressedKey = 0;
    const TKeyCommand command = DesktopKeyCommand(key.key(), key.modifiers());
    if (command == TKeyCommand::None) return false;
    FPressedKey = key.key();
    FRun(command); // held down, the key repeats the step as elsewhere
    return true;
}
