#pragma once

#include <QColor>
#include <QImage>
#include <QProxyStyle>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

// The colours a page menu is painted in: the page's colour behind the items,
// the page's text colour for enabled items while the main window is enabled.
struct TMenuColors {
    QColor Face;
    QColor Text;
    bool WindowEnabled = true;
};

// One item as it is to be painted. Text marks its accelerator with "&".
struct TMenuItemLook {
    QString Text;
    bool Separator = false;
    bool Selected = false;
    bool Enabled = true;
    bool Checked = false;
    // The menu reserves a 16 x 16 picture column (the bookmarks menu).
    bool ImageColumn = false;
    bool RightToLeft = false;
};

// The check mark drawn in the picture column of a checked item: the pixels
// that are set, in the item's text colour, on a transparent square.
QImage MenuCheckMark(const QColor& Color);

// Paints one item of a page menu into Rect: the highlight or the page's
// colour behind it, an etched line for a separator, else the check mark in
// the picture column and the text in the colour its state asks for
// (embossed when disabled and not selected).
void DrawMenuItem(QPainter& Canvas, const QRect& Rect, const TMenuItemLook& Item,
                  const TMenuColors& Colors);

// The style of a page menu: its items painted by DrawMenuItem in the colours
// Colors gives at the moment of painting, its panel in the page's colour.
class TPageMenuStyle : public QProxyStyle {
public:
    TPageMenuStyle(bool ImageColumn, std::function<TMenuColors()> Colors);

    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                       const QWidget* Widget = nullptr) const override;
    QSize sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                           const QWidget* Widget = nullptr) const override;
    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
    int styleHint(StyleHint Hint, const QStyleOption* Option = nullptr,
                  const QWidget* Widget = nullptr,
                  QStyleHintReturn* Return = nullptr) const override;

private:
    bool FImageColumn;
    std::function<TMenuColors()> FColors;
};
