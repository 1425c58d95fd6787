#pragma once

#include "platform/GraphicControl.h"

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
    void Click() override;
    // Fills the client area with Color unless transparent, leaves the brush
    // clear and re-checks the mouse position.
    void Paint() override;
    void VisibleChanged() override;
    void EnabledChanged() override;

private:
    void Exit();

    bool FCaptureMouse = false;
    bool FTransparent = false;
    bool FMouseInside = false;
    bool FRechecking = false;
    TShiftState FLastShift = 0;
    int FLastX = 0;
    int FLastY = 0;
};
