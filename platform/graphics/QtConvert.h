#pragma once

#include "platform/base/Cursors.h"
#include "platform/graphics/Canvas.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QTransform>
#include <Qt>

// Conversions between the platform's types and Qt's, at the Qt boundary.

// The RGB colour of a colour number (system colours resolved; clNone and
// clDefault give black).
QColor ToQColor(TColor Color);
TColor FromQColor(const QColor& Color);
QString ToQString(const AnsiString& Text);
AnsiString FromQString(const QString& Text);
QRect ToQRect(const TRect& R);
TRect FromQRect(const QRect& R);
QTransform ToQTransform(const TXForm& X);
TXForm FromQTransform(const QTransform& T);

// The Qt font that draws Font: the face resolved as the page fonts are
// (metric-compatible Liberation faces for the common Windows faces, DejaVu
// Sans for unknown ones), the pixel size from the height, the weight, width
// and styles. Escapement is applied by the canvas, not the font.
QFont ToQFont(const TFont& Font);
// The installed family that stands for a Windows face name.
QString ResolveFontFamily(const AnsiString& FaceName, TFontPitch Pitch);

Qt::CursorShape ToQtCursorShape(TCursor Cursor);
