#include "viewer/KeyMap.h"

#include <algorithm>
#include <cstdint>

TKeyCommand KeyCommand(int Key, Qt::KeyboardModifiers Modifiers) {
    const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
    const Qt::KeyboardModifiers held =
        Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    using enum TKeyCommand;
    if (held == Qt::ControlModifier) {
        switch (Key) {
        case Qt::Key_Left:
            return First;
        case Qt::Key_Right:
            return Last;
        case Qt::Key_Space:
            return MediaPause;
        case Qt::Key_PageUp:
            return MediaBack;
        case Qt::Key_PageDown:
            return MediaAhead;
        default:
            return None;
        }
    }
    if (held == Qt::AltModifier) return Key == Qt::Key_F4 ? Close : None;
    if (held != Qt::NoModifier) return None;
    switch (Key) {
    case Qt::Key_Left:
        return Prev;
    case Qt::Key_Space:
        return Mark;
    case Qt::Key_Right:
        return Next;
    case Qt::Key_PageUp:
        return Backward;
    case Qt::Key_PageDown:
        return Forward;
    case Qt::Key_Escape:
        return Contents;
    case Qt::Key_Minus:
        return keypad ? ZoomOut : None;
    case Qt::Key_Plus:
        return keypad ? ZoomIn : None;
    case Qt::Key_F1:
        return Information;
    default:
        return None;
    }
}

TKeyCommand DesktopKeyCommand(int Key, Qt::KeyboardModifiers Modifiers) {
    const bool keypad = Modifiers.testFlag(Qt::KeypadModifier);
    const Qt::KeyboardModifiers held =
        Modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    using enum TKeyCommand;
    if (held == Qt::AltModifier) {
        if (Key == Qt::Key_Left) return Backward;
        if (Key == Qt::Key_Right) return Forward;
        return None;
    }
    // Ctrl with the main keyboard's plus or minus; plus is typed with Shift
    // on most layouts, and the unshifted "=" on that key counts too.
    if (keypad) return None;
    if (held == (Qt::ControlModifier | Qt::ShiftModifier))
        return Key == Qt::Key_Plus ? ZoomIn : None;
    if (held != Qt::ControlModifier) return None;
    switch (Key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ZoomIn;
    case Qt::Key_Minus:
        return ZoomOut;
    default:
        return None;
    }
}

int MediaStepPosition(int Position, int Length, bool Ahead) {
    if (Length <= 0) return 0;
    const int64_t step = int64_t{Length} * (Ahead ? 1 : -1) / 10;
    return static_cast<int>(std::clamp<int64_t>(int64_t{Position} + step, 0, Length - 1));
}
