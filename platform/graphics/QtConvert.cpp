#include "platform/graphics/QtConvert.h"

#include "platform/base/Cp1251.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>

QColor ToQColor(TColor Color) {
    TColor c = ColorToRGB(Color);
    if (c == clNone || c == clDefault) return QColor(0, 0, 0);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& Color) {
    return RGB(Color.red(), Color.green(), Color.blue());
}

QString ToQString(const AnsiString& Text) {
    return QString::fromStdString(Cp1251ToUtf8(Text));
}

AnsiString FromQString(const QString& Text) {
    return Utf8ToCp1251(Text.toStdString());
}

QRect ToQRect(const TRect& R) {
    return QRect(QPoint(R.Left, R.Top), QPoint(R.Right - 1, R.Bottom - 1));
}

TRect FromQRect(const QRect& R) {
    return Rect(R.left(), R.top(), R.right() + 1, R.bottom() + 1);
}

QTransform ToQTransform(const TXForm& X) {
    return QTransform(X.M11, X.M12, X.M21, X.M22, X.Dx, X.Dy);
}

TXForm FromQTransform(const QTransform& T) {
    return TXForm{T.m11(), T.m12(), T.m21(), T.m22(), T.dx(), T.dy()};
}

namespace {

// Windows faces and the installed metric-compatible faces that stand for them.
const QHash<QString, QString>& FaceAliases() {
    static const QHash<QString, QString> aliases = {
        {"times new roman", "Liberation Serif"},
        {"times", "Liberation Serif"},
        {"arial", "Liberation Sans"},
        {"helvetica", "Liberation Sans"},
        {"courier new", "Liberation Mono"},
        {"courier", "Liberation Mono"},
    };
    return aliases;
}

constexpr int MaxPixelSize = 2048;
constexpr int DefaultPixelSize = 12; // a height of 0 asks for the default size

// Em size in pixels for a positive (cell) height: the cell is ascent + descent.
int EmForCellHeight(QFont Font, int CellHeight) {
    Font.setPixelSize(100);
    QFontMetricsF fm(Font);
    double cell = fm.ascent() + fm.descent();
    if (cell <= 0) return CellHeight;
    return static_cast<int>(std::lround(CellHeight * 100.0 / cell));
}

} // namespace

QString ResolveFontFamily(const AnsiString& FaceName, TFontPitch Pitch) {
    static QHash<QString, QString> cache;
    QString name = ToQString(FaceName).trimmed();
    QString key = name.toLower() + QChar(u'0' + Pitch);
    auto hit = cache.constFind(key);
    if (hit != cache.constEnd()) return *hit;
    QString family;
    auto alias = FaceAliases().constFind(name.toLower());
    if (alias != FaceAliases().constEnd())
        family = *alias;
    else if (!name.isEmpty() && QFontDatabase::hasFamily(name))
        family = name;
    else
        family = Pitch == fpFixed ? "DejaVu Sans Mono" : "DejaVu Sans";
    cache.insert(key, family);
    return family;
}

QFont ToQFont(const TFont& Font) {
    LOGFONTA lf = Font.LogFont();
    QFont f(ResolveFontFamily(Font.Name(), Font.Pitch()));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setFixedPitch(Font.Pitch() == fpFixed);
    int weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min(lf.lfWeight, 1000);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    int px = DefaultPixelSize;
    if (lf.lfHeight < 0)
        px = lf.lfHeight < -MaxPixelSize ? MaxPixelSize : -lf.lfHeight;
    else if (lf.lfHeight > 0)
        px = EmForCellHeight(f, std::min(lf.lfHeight, MaxPixelSize));
    f.setPixelSize(std::clamp(px, 1, MaxPixelSize));
    if (lf.lfWidth > 0) {
        double average = QFontMetricsF(f).averageCharWidth();
        if (average > 0) {
            long stretch = std::lround(lf.lfWidth * 100.0 / average);
            f.setStretch(static_cast<int>(std::clamp(stretch, 1L, 4000L)));
        }
    }
    return f;
}

Qt::CursorShape ToQtCursorShape(TCursor Cursor) {
    switch (Cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}
