#include "platform/widgets/WidgetControls.h"

#include "platform/base/Cp1251.h"
#include "platform/widgets/GraphicControl.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

TRect WidgetBounds(const QWidget& Widget) {
    const QRect r = Widget.isWindow() ? Widget.frameGeometry() : Widget.geometry();
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

void SetWidgetBounds(QWidget& Widget, const TRect& Bounds) {
    if (!Widget.isWindow()) {
        Widget.setGeometry(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
        return;
    }
    // A window is placed by its frame; its client area is what the frame
    // leaves. Creating the native window first lets the platform tell the
    // frame's size before the window is first shown, where it can.
    Widget.winId();
    const QSize frame = Widget.frameGeometry().size() - Widget.geometry().size();
    Widget.move(Bounds.Left, Bounds.Top);
    Widget.resize(Bounds.Width() - frame.width(), Bounds.Height() - frame.height());
}

TRect WidgetParentClientRect(const QWidget& Widget) {
    if (!Widget.isWindow() && Widget.parentWidget()) {
        const QRect r = Widget.parentWidget()->rect();
        return Rect(0, 0, r.width(), r.height());
    }
    const QScreen* screen = Widget.screen() ? Widget.screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->geometry();
    return Rect(0, 0, r.width(), r.height());
}

QWidget* ControlWidget(const TControl* Control) {
    if (const auto* host = dynamic_cast<const TWidgetHost*>(Control)) return &host->Widget();
    if (const auto* graphic = dynamic_cast<const TGraphicControl*>(Control))
        return graphic->Widget();
    return nullptr;
}

template <class Base> bool TWidgetBased<Base>::HasParent() const {
    return !Widget().isWindow() && Widget().parentWidget() != nullptr;
}

// Visible and Enabled are the widget's own settings, not what its parents make of them.
template <class Base> bool TWidgetBased<Base>::Visible() const {
    return !Widget().isHidden();
}

template <class Base> void TWidgetBased<Base>::SetVisible(bool Value) {
    Widget().setVisible(Value);
}

template <class Base> bool TWidgetBased<Base>::Enabled() const {
    return !Widget().testAttribute(Qt::WA_ForceDisabled);
}

template <class Base> void TWidgetBased<Base>::SetEnabled(bool Value) {
    Widget().setEnabled(Value);
}

template <class Base> void TWidgetBased<Base>::BringToFront() {
    Widget().raise();
}

template class TWidgetBased<TControl>;
template class TWidgetBased<TTextControl>;
template class TWidgetBased<TGaugeControl>;

AnsiString TLabelControl::Caption() const {
    return Utf8ToCp1251(FLabel.text().toStdString());
}

void TLabelControl::SetCaption(const AnsiString& Value) {
    FLabel.setText(QString::fromStdString(Cp1251ToUtf8(Value)));
}

QWidget& TLabelControl::Widget() const {
    return FLabel;
}
