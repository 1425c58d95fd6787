#include "components/MouseControl.h"

#include "platform/graphics/Canvas.h"

TMouseControl::TMouseControl(QWidget* Parent) : TGraphicControl(Parent) {
    SetControlStyle(ControlStyle() | csCaptureMouse | csOpaque);
}

TMouseControl::~TMouseControl() {
    SetMouseCapture(false);
}

void TMouseControl::SetCaptureMouse(bool Value) {
    if (Value == FCaptureMouse) return;
    FCaptureMouse = Value;
    if (Value) {
        if (HasParent()) CheckMousePos();
    } else if (MouseCapture()) {
        SetMouseCapture(false);
        FMouseInside = false;
    }
}

void TMouseControl::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    SetControlStyle(Value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TMouseControl::CheckMousePos() {
    FRechecking = true;
    MouseMove(FLastShift, FLastX, FLastY);
}

void TMouseControl::Exit() {
    if (FCaptureMouse && (MouseCapture() || FMouseInside) && OnMouseExit) OnMouseExit(this);
    if (MouseCapture()) SetMouseCapture(false);
    FMouseInside = false;
}

void TMouseControl::MouseMove(TShiftState Shift, int X, int Y) {
    // Outside painting, the canvas clip rectangle is the client area.
    const TRect clip = ClientRect();
    const bool inside = clip.Contains(Point(X, Y));
    const bool active = Enabled() && Visible();
    // Entering needs the point inside: a replayed move from outside (the
    // pointer left earlier) must not enter and at once exit again.
    if (!MouseCapture() && active && FCaptureMouse && inside) {
        SetMouseCapture(true);
        if (OnMouseEnter) OnMouseEnter(this);
        FMouseInside = true;
    }
    if ((MouseCapture() && !inside) || !active) Exit();
    FLastX = X;
    FLastY = Y;
    FLastShift = Shift;
    if (!FRechecking) TGraphicControl::MouseMove(Shift, X, Y);
    FRechecking = false;
}

void TMouseControl::PointerLeft(TShiftState Shift, int X, int Y) {
    if (MouseCapture()) {
        MouseMove(Shift, X, Y);
    } else {
        FLastX = X;
        FLastY = Y;
        FLastShift = Shift;
    }
}

void TMouseControl::Click() {
    FocusParents();
    TGraphicControl::Click();
}

void TMouseControl::Paint() {
    TCanvas& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(ClientRect());
    }
    canvas.Brush().SetStyle(bsClear);
    CheckMousePos();
}

void TMouseControl::VisibleChanged() {
    CheckMousePos();
}

void TMouseControl::EnabledChanged() {
    CheckMousePos();
}
