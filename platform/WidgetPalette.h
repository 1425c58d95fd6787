#pragma once

#include <QColor>

// The classic default colours the widgets of this layer draw with, so that
// bevels, gauges and panels look the same whatever the desktop theme.
// (Kept here until the shared system-colour table is available to widgets.)
namespace WidgetPalette {

inline QColor BtnFace() {
    return QColor(192, 192, 192);
}
inline QColor BtnHighlight() {
    return QColor(255, 255, 255);
}
inline QColor BtnShadow() {
    return QColor(128, 128, 128);
}
inline QColor Highlight() {
    return QColor(0, 0, 128);
}
inline QColor Window() {
    return QColor(255, 255, 255);
}
inline QColor WindowFrame() {
    return QColor(0, 0, 0);
}
inline QColor WindowText() {
    return QColor(0, 0, 0);
}
// The colour image lists treat as transparent.
inline QColor Fuchsia() {
    return QColor(255, 0, 255);
}

} // namespace WidgetPalette
