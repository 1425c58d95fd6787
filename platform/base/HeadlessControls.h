#pragma once

#include "platform/base/Control.h"

// Controls without a window: they keep their state so that logic written for
// real controls runs in command-line tools and tests.
template <class Base> class THeadless : public Base {
public:
    TRect BoundsRect() const override { return FBounds; }
    void SetBoundsRect(const TRect& Bounds) override { FBounds = Bounds; }
    TRect ParentClientRect() const override { return FParentClient; }
    bool HasParent() const override { return FHasParent; }
    bool Visible() const override { return FVisible; }
    void SetVisible(bool Value) override { FVisible = Value; }
    bool Enabled() const override { return FEnabled; }
    void SetEnabled(bool Value) override { FEnabled = Value; }

    // Places the control in a parent whose client area is Width x Height.
    void SetParentClientSize(int32_t Width, int32_t Height) {
        FParentClient = Rect(0, 0, Width, Height);
        FHasParent = true;
    }

private:
    TRect FBounds;
    TRect FParentClient;
    bool FHasParent = false;
    bool FVisible = true;
    bool FEnabled = true;
};

using THeadlessControl = THeadless<TControl>;

class THeadlessLabel : public THeadless<TTextControl> {
public:
    AnsiString Caption() const override { return FCaption; }
    void SetCaption(const AnsiString& Value) override { FCaption = Value; }

private:
    AnsiString FCaption;
};

class THeadlessGauge : public THeadless<TGaugeControl> {
public:
    int64_t MaxValue() const override { return FMaxValue; }
    void SetMaxValue(int64_t Value) override { FMaxValue = Value; }
    int64_t Progress() const override { return FProgress; }
    void SetProgress(int64_t Value) override { FProgress = Value; }

private:
    int64_t FMaxValue = 100;
    int64_t FProgress = 0;
};
