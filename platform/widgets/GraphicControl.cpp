#include "platform/widgets/GraphicControl.h"

#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/QtConvert.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

TGraphicControl* GCaptureControl = nullptr;

TShiftState ShiftState(Qt::KeyboardModifiers Keys, Qt::MouseButtons Buttons) {
    TShiftState shift = 0;
    if (Keys & Qt::ShiftModifier) shift |= ssShift;
    if (Keys & Qt::AltModifier) shift |= ssAlt;
    if (Keys & Qt::ControlModifier) shift |= ssCtrl;
    if (Buttons & Qt::LeftButton) shift |= ssLeft;
    if (Buttons & Qt::RightButton) shift |= ssRight;
    if (Buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

TShiftState ShiftState(const QMouseEvent& Event) {
    return ShiftState(Event.modifiers(), Event.buttons());
}

bool ButtonOf(Qt::MouseButton Button, TMouseButton& Result) {
    switch (Button) {
    case Qt::LeftButton:
        Result = mbLeft;
        return true;
    case Qt::RightButton:
        Result = mbRight;
        return true;
    case Qt::MiddleButton:
        Result = mbMiddle;
        return true;
    default:
        return false;
    }
}

} // namespace

// A canvas over one scratch pixel, for measuring outside painting.
struct TGraphicControl::TMeasureCanvas {
    QImage Image = TPainterCanvas::MakeImage(1, 1);
    TPainterCanvas Canvas{Image};
};

// The light child widget that carries a control: it hands painting and mouse
// input to the control.
class TGraphicControl::TControlWidget : public QWidget {
public:
    TControlWidget(TGraphicControl& Control, QWidget* Parent)
        : QWidget(Parent), FControl(&Control) {
        setMouseTracking(true);
    }
    ~TControlWidget() override {
        if (FControl) FControl->FWidget = nullptr;
    }

    TGraphicControl* FControl;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        TPainterCanvas canvas(painter);
        FControl->FPaintCanvas = &canvas;
        FControl->Paint();
        FControl->FPaintCanvas = nullptr;
    }

    void mousePressEvent(QMouseEvent* Event) override {
        TMouseButton button;
        if (!ButtonOf(Event->button(), button)) return;
        if (button == mbLeft) FControl->FPressed = true;
        const QPoint p = Event->position().toPoint();
        FControl->MouseDown(button, ShiftState(*Event), p.x(), p.y());
    }

    void mouseDoubleClickEvent(QMouseEvent* Event) override {
        TMouseButton button;
        if (!ButtonOf(Event->button(), button)) return;
        const QPoint p = Event->position().toPoint();
        FControl->MouseDown(button, ShiftState(*Event) | ssDouble, p.x(), p.y());
        if (button == mbLeft) FControl->DblClick();
    }

    void mouseReleaseEvent(QMouseEvent* Event) override {
        TMouseButton button;
        if (!ButtonOf(Event->button(), button)) return;
        const QPoint p = Event->position().toPoint();
        const bool click = button == mbLeft && FControl->FPressed && rect().contains(p);
        if (button == mbLeft) FControl->FPressed = false;
        FControl->MouseUp(button, ShiftState(*Event), p.x(), p.y());
        if (click) FControl->Click();
    }

    void mouseMoveEvent(QMouseEvent* Event) override {
        const QPoint p = Event->position().toPoint();
        FControl->MouseMove(ShiftState(*Event), p.x(), p.y());
    }

    // The pointer arriving is a move to where it arrived.
    void enterEvent(QEnterEvent* Event) override {
        const QPoint p = Event->position().toPoint();
        FControl->MouseMove(CurrentShift(), p.x(), p.y());
    }

    // The pointer going: reported with a point outside (where it went when
    // that is known).
    void leaveEvent(QEvent*) override {
        QPoint p = mapFromGlobal(QCursor::pos());
        if (rect().contains(p)) p = QPoint(-1, -1);
        FControl->PointerLeft(CurrentShift(), p.x(), p.y());
    }

    void resizeEvent(QResizeEvent*) override { FControl->Resize(); }

private:
    static TShiftState CurrentShift() {
        return ShiftState(QGuiApplication::keyboardModifiers(), QGuiApplication::mouseButtons());
    }
};

TGraphicControl::TGraphicControl(QWidget* Parent) : FWidget(new TControlWidget(*this, Parent)) {
    if (Parent) FWidget->show();
}

TGraphicControl::~TGraphicControl() {
    SetMouseCapture(false);
    if (FWidget) {
        FWidget->FControl = nullptr;
        delete FWidget;
    }
}

QWidget* TGraphicControl::Widget() const {
    return FWidget;
}

QWidget* TGraphicControl::Parent() const {
    return FWidget ? FWidget->parentWidget() : nullptr;
}

void TGraphicControl::SetParent(QWidget* Parent) {
    if (!FWidget || Parent == FWidget->parentWidget()) return;
    FWidget->setParent(Parent);
    // A widget without a parent would be a window of its own: keep it hidden.
    FWidget->setVisible(Parent && FVisible);
}

TRect TGraphicControl::BoundsRect() const {
    return FWidget ? FromQRect(FWidget->geometry()) : TRect{};
}

void TGraphicControl::SetBoundsRect(const TRect& Bounds) {
    if (FWidget) FWidget->setGeometry(ToQRect(Bounds));
}

TRect TGraphicControl::ParentClientRect() const {
    const QWidget* parent = Parent();
    return parent ? Rect(0, 0, parent->width(), parent->height()) : TRect{};
}

bool TGraphicControl::HasParent() const {
    return Parent() != nullptr;
}

void TGraphicControl::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    if (FWidget) FWidget->setVisible(Value && Parent());
    VisibleChanged();
}

void TGraphicControl::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    if (FWidget) FWidget->setEnabled(Value);
    EnabledChanged();
}

void TGraphicControl::SetCursor(TCursor Value) {
    TControl::SetCursor(Value);
    if (!FWidget) return;
    // Qt shows a widget's new cursor at once when the pointer is over it.
    if (Value == crDefault)
        FWidget->unsetCursor();
    else
        FWidget->setCursor(ToQtCursorShape(Value));
}

void TGraphicControl::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    ColorChanged();
    Invalidate();
}

void TGraphicControl::Invalidate() {
    if (FWidget) FWidget->update();
}

void TGraphicControl::Repaint() {
    if (FWidget) FWidget->repaint();
}

void TGraphicControl::SetMouseCapture(bool Value) {
    if (Value)
        GCaptureControl = this;
    else if (GCaptureControl == this)
        GCaptureControl = nullptr;
}

TGraphicControl* TGraphicControl::CaptureControl() {
    return GCaptureControl;
}

TCanvas& TGraphicControl::Canvas() {
    if (FPaintCanvas) return *FPaintCanvas;
    if (!FMeasure) FMeasure = std::make_unique<TMeasureCanvas>();
    return FMeasure->Canvas;
}

void TGraphicControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TGraphicControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TGraphicControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TGraphicControl::PointerLeft(TShiftState Shift, int X, int Y) {
    if (MouseCapture()) MouseMove(Shift, X, Y);
}

void TGraphicControl::Click() {
    if (OnClick) OnClick(this);
}

void TGraphicControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TGraphicControl::Resize() {
    if (OnResize) OnResize(this);
}

void TGraphicControl::FocusParents() {
    for (QWidget* w = Parent(); w; w = w->parentWidget())
        if (w->focusPolicy() != Qt::NoFocus && w->isEnabled() && w->isVisible()) w->setFocus();
}
