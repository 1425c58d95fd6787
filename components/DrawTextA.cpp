#include "components/DrawTextA.h"

TRect DrawTextA(TCanvas* Canvas, const AnsiString& Text, TRect& Rect, unsigned Flags, bool Layout) {
    if (Flags & DT_CALCRECT) {
        Canvas->DrawText(Text, Rect, Flags);
        return Rect;
    }
    if (Text.empty()) return Rect;
    if (!Layout) {
        Canvas->TextOut(Rect.Left, Rect.Top, Text);
        return Rect;
    }
    const bool center = Flags & DT_VCENTER;
    const bool bottom = Flags & DT_BOTTOM;
    Flags &= ~(DT_VCENTER | DT_BOTTOM);
    TRect work = Rect;
    work.Top = 0;
    Canvas->DrawText(Text, work, Flags | DT_CALCRECT);
    TRect result = work;
    work.Right = Rect.Right;
    if (center) {
        // Halved with rounding towards minus infinity, as a shift does.
        work = work.Offset(Rect.Left + ((Rect.Width() - work.Width()) >> 1) - work.Left,
                           Rect.Top + ((Rect.Height() - work.Height()) >> 1) - work.Top);
    } else if (bottom) {
        work = work.Offset(0, Rect.Bottom - work.Bottom);
    } else {
        work = work.Offset(0, Rect.Top);
    }
    Canvas->DrawText(Text, work, Flags);
    result.Top = work.Top;
    result.Bottom = work.Bottom;
    return result;
}
