#include "platform/widgets/BevelPanel.h"

#include "platform/widgets/WidgetPalette.h"

#include <QPainter>

namespace {

// Draws Width rings of a 3-D frame (top and left in TopColor, bottom and
// right in BottomColor) and shrinks Rect by them.
void Frame3D(QPainter& Painter, QRect& Rect, const QColor& TopColor, const QColor& BottomColor,
             int Width) {
    for (int i = 0; i < Width && !Rect.isEmpty(); ++i) {
        const int l = Rect.left(), t = Rect.top(), r = Rect.right(), b = Rect.bottom();
        Painter.fillRect(QRect(l, t, Rect.width(), 1), TopColor);
        Painter.fillRect(QRect(l, t, 1, Rect.height()), TopColor);
        Painter.fillRect(QRect(l, b, Rect.width(), 1), BottomColor);
        Painter.fillRect(QRect(r, t, 1, Rect.height()), BottomColor);
        Rect.adjust(1, 1, -1, -1);
    }
}

void DrawBevel(QPainter& Painter, QRect& Rect, TPanelBevel Bevel, int Width) {
    if (Bevel == bvNone) return;
    const QColor light = WidgetPalette::BtnHighlight();
    const QColor dark = WidgetPalette::BtnShadow();
    if (Bevel == bvRaised)
        Frame3D(Painter, Rect, light, dark, Width);
    else
        Frame3D(Painter, Rect, dark, light, Width);
}

Qt::Alignment TextAlignment(TAlignment Value) {
    switch (Value) {
    case taLeftJustify:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter:
        break;
    }
    return Qt::AlignCenter;
}

} // namespace

TBevelPanel::TBevelPanel(QWidget* Parent) : QWidget(Parent) {}

void TBevelPanel::SetBevelOuter(TPanelBevel Value) {
    if (Value == FBevelOuter) return;
    FBevelOuter = Value;
    update();
}

void TBevelPanel::SetBevelInner(TPanelBevel Value) {
    if (Value == FBevelInner) return;
    FBevelInner = Value;
    update();
}

void TBevelPanel::SetBevelWidth(int Value) {
    if (Value < 1) Value = 1;
    if (Value == FBevelWidth) return;
    FBevelWidth = Value;
    update();
}

void TBevelPanel::SetCaption(const QString& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    update();
}

void TBevelPanel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    update();
}

void TBevelPanel::SetColor(const QColor& Value) {
    if (Value == FColor) return;
    FColor = Value;
    update();
}

QRect TBevelPanel::InnerRect() const {
    QRect r = rect();
    const int rings =
        (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBevelInner != bvNone ? FBevelWidth : 0);
    return r.adjusted(rings, rings, -rings, -rings);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    DrawBevel(painter, r, FBevelOuter, FBevelWidth);
    DrawBevel(painter, r, FBevelInner, FBevelWidth);
    const QColor fill = FColor.isValid() ? FColor : palette().color(QPalette::Window);
    painter.fillRect(r, fill);
    if (FCaption.isEmpty()) return;
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(r, TextAlignment(FAlignment) | Qt::TextSingleLine, FCaption);
}
