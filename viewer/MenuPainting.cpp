#include "viewer/MenuPainting.h"

#include "platform/base/Colors.h"
#include "platform/graphics/QtConvert.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace {

QColor System(TColor Color) {
    return ToQColor(ColorToRGB(Color));
}

constexpr int ImageSize = 16;
// Space between the picture column (or the left offset) and the text.
constexpr int TextGap = 5;

void DrawSeparator(QPainter& Canvas, const QRect& Rect) {
    const int y = Rect.top() + Rect.height() / 2 - 1;
    const int left = Rect.left() + 1;
    const int right = Rect.left() + Rect.width(); // the item's right edge
    Canvas.setPen(System(clBtnShadow));
    Canvas.drawLine(left, y, right - 1, y);
    Canvas.setPen(System(clBtnHighlight));
    Canvas.drawLine(left, y + 1, right - 1, y + 1);
}

void DrawCheckMark(QPainter& Canvas, const QRect& Column, const QColor& Color) {
    const QImage mark = MenuCheckMark(Color);
    const int left = Column.left() + ((ImageSize - mark.width()) >> 1) + 1;
    const int top = Column.top() + ((ImageSize - mark.height()) >> 1) + 1;
    Canvas.drawImage(left, top, mark);
}

} // namespace

QImage MenuCheckMark(const QColor& Color) {
    static const char* const Rows[] = {
        ".............", ".............", ".............", ".........#...", "........##...",
        "...#...###...", "...##.###....", "...#####.....", "....###......", ".....#.......",
        ".............", ".............", ".............",
    };
    QImage mark(13, 13, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            if (Rows[y][x] == '#') mark.setPixelColor(x, y, Color);
    return mark;
}

void DrawMenuItem(QPainter& Canvas, const QRect& Rect, const TMenuItemLook& Item,
                  const TMenuColors& Colors) {
    Canvas.save();
    Canvas.fillRect(Rect, Item.Selected ? System(clHighlight) : Colors.Face);
    if (Item.Separator) {
        DrawSeparator(Canvas, Rect);
        Canvas.restore();
        return;
    }
    QColor text;
    if (Item.Selected)
        text = Item.Enabled ? System(clHighlightText) : System(clGrayText);
    else if (Item.Enabled)
        text = Colors.WindowEnabled ? Colors.Text : System(clMenuText);
    else
        text = System(clGrayText);

    int left = Rect.left() + 1;
    QRect textRect(0, Rect.top(), 0, Rect.height());
    if (Item.ImageColumn) {
        const QRect column(left, Rect.top() + 1, ImageSize, ImageSize);
        if (Item.Checked) DrawCheckMark(Canvas, column, text);
        left += ImageSize;
        // The text is centred on the picture column.
        textRect = QRect(0, column.top(), 0, ImageSize);
    }
    left += TextGap;
    textRect.setLeft(left);
    textRect.setRight(Rect.left() + Rect.width()); // one pixel wider than the item
    int flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextExpandTabs | Qt::AlignVCenter;
    flags |= Qt::AlignAbsolute | (Item.RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    Canvas.setLayoutDirection(Item.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (!Item.Selected && !Item.Enabled) {
        // Embossed: a light copy one pixel right and down under the grey text.
        Canvas.setPen(System(clHighlightText));
        Canvas.drawText(textRect.translated(1, 1), flags, Item.Text);
    }
    Canvas.setPen(text);
    Canvas.drawText(textRect, flags, Item.Text);
    Canvas.restore();
}

TPageMenuStyle::TPageMenuStyle(bool ImageColumn, std::function<TMenuColors()> Colors)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), FImageColumn(ImageColumn),
      FColors(std::move(Colors)) {}

void TPageMenuStyle::drawControl(ControlElement Element, const QStyleOption* Option,
                                 QPainter* Painter, const QWidget* Widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option);
    if (Element == CE_MenuItem && item) {
        TMenuItemLook look;
        look.Text = item->text;
        look.Separator = item->menuItemType == QStyleOptionMenuItem::Separator;
        look.Selected = (item->state & State_Selected) != 0;
        look.Enabled = (item->state & State_Enabled) != 0;
        look.Checked = item->checked;
        look.ImageColumn = FImageColumn;
        look.RightToLeft = item->direction == Qt::RightToLeft;
        DrawMenuItem(*Painter, item->rect, look, FColors());
        return;
    }
    if (Element == CE_MenuEmptyArea || Element == CE_MenuVMargin || Element == CE_MenuHMargin) {
        Painter->fillRect(Option->rect, FColors().Face);
        return;
    }
    QProxyStyle::drawControl(Element, Option, Painter, Widget);
}

void TPageMenuStyle::drawPrimitive(PrimitiveElement Element, const QStyleOption* Option,
                                   QPainter* Painter, const QWidget* Widget) const {
    if (Element == PE_PanelMenu || Element == PE_FrameMenu) {
        // A raised frame of two pixels around the page's colour.
        const QRect r = Option->rect;
        if (Element == PE_PanelMenu) Painter->fillRect(r, FColors().Face);
        Painter->save();
        Painter->setPen(System(clBtnFace));
        Painter->drawLine(r.topLeft(), r.topRight());
        Painter->drawLine(r.topLeft(), r.bottomLeft());
        Painter->setPen(System(clBtnHighlight));
        Painter->drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        Painter->drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
        Painter->setPen(System(clBtnShadow));
        Painter->drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        Painter->drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        Painter->setPen(System(clWindowFrame));
        Painter->drawLine(r.bottomLeft(), r.bottomRight());
        Painter->drawLine(r.topRight(), r.bottomRight());
        Painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
}

QSize TPageMenuStyle::sizeFromContents(ContentsType Type, const QStyleOption* Option,
                                       const QSize& Size, const QWidget* Widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option);
    if (Type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(Type, Option, Size, Widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) return {Size.width(), 9};
    const QFontMetrics metrics(item->font);
    const int textWidth =
        metrics.horizontalAdvance(QString(item->text).remove(QLatin1Char('&')).replace('\t', ' '));
    const int column = FImageColumn ? ImageSize : 0;
    const int height = std::max(metrics.height() + 6, FImageColumn ? ImageSize + 3 : 0);
    return {1 + column + TextGap + textWidth + 2 * TextGap + 8, height};
}

int TPageMenuStyle::pixelMetric(PixelMetric Metric, const QStyleOption* Option,
                                const QWidget* Widget) const {
    switch (Metric) {
    case PM_MenuPanelWidth:
        return 3;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    default:
        return QProxyStyle::pixelMetric(Metric, Option, Widget);
    }
}

int TPageMenuStyle::styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                              QStyleHintReturn* Return) const {
    // Disabled items are highlighted under the pointer too, in grey text.
    if (Hint == SH_Menu_AllowActiveAndDisabled) return 1;
    return QProxyStyle::styleHint(Hint, Option, Widget, Return);
}
