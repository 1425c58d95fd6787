#pragma once

#include "platform/base/Control.h"

class QLabel;
class QWidget;

// Bounds as the system's logic sees them: a child widget's geometry in its
// parent's client area, a window's outer frame on the screen.
TRect WidgetBounds(const QWidget& Widget);
void SetWidgetBounds(QWidget& Widget, const TRect& Bounds);
// (0, 0, width, height) of the parent's client area; the screen for a window.
TRect WidgetParentClientRect(const QWidget& Widget);

// A control realised by a widget: what lets platform code reach the widget of
// a TControl (the media player puts its video on a panel's widget).
class TWidgetHost {
public:
    virtual ~TWidgetHost() = default;
    virtual QWidget& Widget() const = 0;
};

// The widget of a control: its own widget for widget adapters and windowless
// controls, nullptr for controls without one (headless controls, none).
QWidget* ControlWidget(const TControl* Control);

// TControl's operations on a widget; Widget() names the widget.
template <class Base> class TWidgetBased : public Base, public TWidgetHost {
public:
    TRect BoundsRect() const override { return WidgetBounds(Widget()); }
    void SetBoundsRect(const TRect& Bounds) override { SetWidgetBounds(Widget(), Bounds); }
    TRect ParentClientRect() const override { return WidgetParentClientRect(Widget()); }
    bool HasParent() const override;
    bool Visible() const override;
    void SetVisible(bool Value) override;
    bool Enabled() const override;
    void SetEnabled(bool Value) override;
    void BringToFront() override;
};

// A control that drives an existing widget it does not own.
class TWidgetControl : public TWidgetBased<TControl> {
public:
    explicit TWidgetControl(QWidget& Widget) : FWidget(Widget) {}

protected:
    QWidget& Widget() const override { return FWidget; }

private:
    QWidget& FWidget;
};

// A text control over a label: captions are code page 1251 text.
class TLabelControl : public TWidgetBased<TTextControl> {
public:
    explicit TLabelControl(QLabel& Label) : FLabel(Label) {}
    AnsiString Caption() const override;
    void SetCaption(const AnsiString& Value) override;

protected:
    QWidget& Widget() const override;

private:
    QLabel& FLabel;
};
