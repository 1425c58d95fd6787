#pragma once

#include "platform/base/Cursors.h"
#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <cstdint>

// What the system's logic needs of a control: its bounds in its parent's
// coordinates, its parent's client area, visibility and enabled state. The
// viewer binds these to Qt widgets; tools and tests use the headless controls.
class TControl : public TObject {
public:
    virtual TRect BoundsRect() const = 0;
    virtual void SetBoundsRect(const TRect& Bounds) = 0;
    // (0, 0, width, height) of the parent's client area; empty without a parent.
    virtual TRect ParentClientRect() const = 0;
    virtual bool HasParent() const = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool Value) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool Value) = 0;
    // Puts the control above its siblings; controls without a widget ignore it.
    virtual void BringToFront() {}
    // The pointer's shape over the control; controls with a widget show it.
    virtual TCursor Cursor() const { return FCursor; }
    virtual void SetCursor(TCursor Value) { FCursor = Value; }

private:
    TCursor FCursor = crDefault;
};

// A control that shows a text (a label).
class TTextControl : public TControl {
public:
    virtual AnsiString Caption() const = 0;
    virtual void SetCaption(const AnsiString& Value) = 0;
};

// A progress gauge: a position between 0 and a maximum.
class TGaugeControl : public TControl {
public:
    virtual int64_t MaxValue() const = 0;
    virtual void SetMaxValue(int64_t Value) = 0;
    virtual int64_t Progress() const = 0;
    virtual void SetProgress(int64_t Value) = 0;
};
