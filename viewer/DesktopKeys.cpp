#include "viewer/DesktopKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

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
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEvent(*Event);
    default:
        return false;
    }
}

bool TDesktopKeys::MouseEvent(QEvent& Event) {
    const Qt::MouseButton button = static_cast<QMouseEvent&>(Event).button();
    if (button != Qt::BackButton && button != Qt::ForwardButton) return false;
    if (Event.type() == QEvent::MouseButtonRelease)
        FRun(button == Qt::ForwardButton ? TKeyCommand::Forward : TKeyCommand::Backward);
    return true;
}

bool IsPrintKey(int Key, Qt::KeyboardModifiers Modifiers) {
    const Qt::KeyboardModifiers held =
        Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return Key == Qt::Key_P && held == Qt::ControlModifier;
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
    if (command == TKeyCommand::None) {
        if (!FPrint || !IsPrintKey(key.key(), key.modifiers())) return false;
        FPressedKey = key.key();
        if (!key.isAutoRepeat()) FPrint(); // held down, it opens one dialog
        return true;
    }
    FPressedKey = key.key();
    FRun(command); // held down, the key repeats the step as elsewhere
    return true;
}
