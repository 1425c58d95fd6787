#include "common/Centering.h"

namespace myDefines {

void CenterRect(const TRect& Outer, TRect& Inner) {
    const int32_t w = Inner.Width();
    const int32_t h = Inner.Height();
    Inner.Left = Outer.Left + ((Outer.Width() - w) >> 1);
    Inner.Top = Outer.Top + ((Outer.Height() - h) >> 1);
    Inner.Right = Inner.Left + w;
    Inner.Bottom = Inner.Top + h;
}

void CenterRect(const TRect& Outer, TRect& Inner, bool Horizontally, bool Vertically) {
    TRect centred = Inner;
    CenterRect(Outer, centred);
    if (Horizontally) {
        Inner.Left = centred.Left;
        Inner.Right = centred.Right;
    }
    if (Vertically) {
        Inner.Top = centred.Top;
        Inner.Bottom = centred.Bottom;
    }
}

void CenterControl(const TControl& Reference, TControl& Control) {
    TRect bounds = Control.BoundsRect();
    CenterRect(Reference.BoundsRect(), bounds);
    Control.SetBoundsRect(bounds);
}

void CenterInWindow(TControl& Control) {
    TRect bounds = Control.BoundsRect();
    CenterRect(Control.ParentClientRect(), bounds);
    Control.SetBoundsRect(bounds);
}

} // namespace myDefines
