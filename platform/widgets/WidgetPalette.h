#pragma once

#include "platform/base/Colors.h"
#include "platform/graphics/QtConvert.h"

#include <QColor>

// The system colours the widgets of this layer draw with, taken from the
// fixed classic scheme so that bevels, gauges and panels look the same
// whatever the desktop theme.
namespace WidgetPalette {

inline QColor BtnFace() {
    return ToQColor(clBtnFace);
}
inline QColor BtnHighlight() {
    return ToQColor(clBtnHighlight);
}
inline QColor BtnShadow() {
    return ToQColor(clBtnShadow);
}
inline QColor Highlight() {
    return ToQColor(clHighlight);
}
inline QColor Window() {
    return ToQColor(clWindow);
}
inline QColor WindowFrame() {
    return ToQColor(clWindowFrame);
}
inline QColor WindowText() {
    return ToQColor(clWindowText);
}
// The colour image lists treat as transparent.
inline QColor Fuchsia() {
    return ToQColor(clFuchsia);
}

} // namespace WidgetPalette
