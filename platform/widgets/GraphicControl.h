#pragma once

#include "platform/base/Colors.h"
#include "platform/base/Control.h"

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;
class TCanvas;

// Keys and mouse buttons held during a mouse event.
enum TShiftStateFlag : uint16_t {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40
};
using TShiftState = uint16_t;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Control style flags: the control takes the mouse capture while a button is
// held; the control paints all of its area.
enum TControlStyleFlag : uint32_t { csCaptureMouse = 0x01, csOpaque = 0x02 };
using TControlStyle = uint32_t;

// A windowless control drawn on a parent widget (it lives in a light child
// widget that has no window of its own). It paints through a canvas and
// receives the parent's mouse input for its area.
//
// Mouse capture: the one control holding it keeps seeing the pointer's moves
// until it releases it. The pointer leaving the control's area is delivered
// to the capturing control as a move to a point outside its client area (the
// pointer's position when known), so a control that entered always sees the
// pointer go.
//
// Bounds, visibility and enabled state are the control's own properties;
// the widget follows them. A control whose widget was deleted with its
// parent keeps its properties and shows nothing.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(QWidget* Parent = nullptr);
    ~TGraphicControl() override;
    TGraphicControl(const TGraphicControl&) = delete;
    TGraphicControl& operator=(const TGraphicControl&) = delete;

    TRect BoundsRect() const override;
    void SetBoundsRect(const TRect& Bounds) override;
    TRect ParentClientRect() const override;
    bool HasParent() const override;
    bool Visible() const override { return FVisible; }
    void SetVisible(bool Value) override;
    bool Enabled() const override { return FEnabled; }
    void SetEnabled(bool Value) override;
    void SetCursor(TCursor Value) override;

    QWidget* Parent() const;
    void SetParent(QWidget* Parent);
    // The widget that stands for the control on its parent.
    QWidget* Widget() const;

    int Left() const { return BoundsRect().Left; }
    int Top() const { return BoundsRect().Top; }
    int Width() const { return BoundsRect().Width(); }
    int Height() const { return BoundsRect().Height(); }
    TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    // There is no form designer: controls always run.
    bool Designing() const { return false; }

    // Asks for painting at the next opportunity / paints now.
    void Invalidate();
    void Repaint();

    bool MouseCapture() const { return CaptureControl() == this; }
    void SetMouseCapture(bool Value);
    static TGraphicControl* CaptureControl();

    // While painting, the canvas on the control; otherwise a canvas for
    // measuring text, which shows nothing.
    TCanvas& Canvas();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    virtual void Paint() {}
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual void Resize();
    // The pointer left the control's area for (X, Y), a point outside it.
    // By default the control holding the capture sees this as a move.
    virtual void PointerLeft(TShiftState Shift, int X, int Y);
    // Notifications after the Visible or Enabled property changed.
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    // Notification after the Color property changed.
    virtual void ColorChanged() {}

    // Gives the focus to each parent widget that can take it, nearest first.
    void FocusParents();

private:
    class TControlWidget;
    friend class TControlWidget;
    struct TMeasureCanvas;

    // Owned, unless the parent widget deleted it first (it then clears this).
    TControlWidget* FWidget = nullptr;
    std::unique_ptr<TMeasureCanvas> FMeasure;
    TCanvas* FPaintCanvas = nullptr;
    TColor FColor = clBtnFace;
    TControlStyle FControlStyle = 0;
    bool FVisible = true;
    bool FEnabled = true;
    bool FPressed = false; // left button went down on the control
};
