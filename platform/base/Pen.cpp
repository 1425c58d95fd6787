#include "platform/base/Pen.h"

void TPen::Assign(const TPen& Source) {
    if (&Source == this || SameAs(Source)) return;
    FStyle = Source.FStyle;
    FColor = Source.FColor;
    FWidth = Source.FWidth;
    FMode = Source.FMode;
    Changed();
}

bool TPen::SameAs(const TPen& Other) const {
    return FStyle == Other.FStyle && FColor == Other.FColor && FWidth == Other.FWidth &&
           FMode == Other.FMode;
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value > psInsideFrame || Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TPen::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value) {
    if (Value < 0) Value = 0;
    if (Value == FWidth) return;
    FWidth = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value) {
    if (Value > pmNotXor || Value == FMode) return;
    FMode = Value;
    Changed();
}

void TPen::Changed() {
    if (OnChange) OnChange(this);
}
