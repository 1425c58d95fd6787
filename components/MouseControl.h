#pragma once

#include "platform/widgets/GraphicControl.h"

// A windowless control that knows when the mouse enters and leaves it. With
// CaptureMouse on, the first move over the enabled, visible control takes
// the mouse capture and fires OnMouseEnter; a move outside its client area
// (which the capture still delivers), disabling or hiding fires OnMouseExit
// and releases the capture. CheckMousePos replays the last move, so that a
// change under a still pointer is noticed.
class TMouseControl : public TGraphicControl {
public:
    explicit TMouseControl(QWidget* Parent = nullptr);
    ~TMouseControl() override;

    bool CaptureMouse() const { return FCaptureMouse; }
    // Turning it off while holding the capture releases it silently.
    void SetCaptureMouse(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool MouseInside() const { return FMouseInside; }

    // Replays the last mouse move (without firing OnMouseMove).
    void CheckMousePos();

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    // Without the capture, the pointer leaving only updates the last position.
    void PointerLeft(TShiftState Shift, int X, int Y) override;
    void Click() override;
    // Fills the client area with Color unless transparent, leaves the brush
    // clear and re-checks the mouse position.
    void Paint() override;
    void VisibleChanged() override;
    void EnabledChanged() override;

    // For descendants that replace MouseMove: whether the move is the replay
    // of CheckMousePos, and the bookkeeping that ends every move (the
    // position CheckMousePos replays; the replay flag cleared).
    bool Rechecking() const { return FRechecking; }
    void EndMouseMove(TShiftState Shift, int X, int Y) {
        FLastShift = Shift;
        FLastX = X;
        FLastY = Y;
        FRechecking = false;
    }

private:
    void Exit();

    bool FCaptureMouse = false;
    bool FTransparent = false;
    bool FMouseInside = false;
    bool FRechecking = false;
    TShiftState FLastShift = 0;
    // Until the pointer is first seen, the last position is outside, so that
    // a replay does not enter a control the pointer never reached.
    int FLastX = -1;
    int FLastY = -1;
};
