#include "platform/base/Brush.h"

void TBrush::Assign(const TBrush& Source) {
    if (&Source == this || SameAs(Source)) return;
    FColor = Source.FColor;
    FStyle = Source.FStyle;
    FPattern = Source.FPattern;
    Changed();
}

bool TBrush::SameAs(const TBrush& Other) const {
    return FColor == Other.FColor && FStyle == Other.FStyle && FPattern == Other.FPattern;
}

void TBrush::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value > bsDiagCross || Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TBrush::SetPattern(const TBrushPattern& Value) {
    bool sized = Value.Width >= 1 && Value.Height >= 1 && Value.Width <= TBrushPattern::MaxSide &&
                 Value.Height <= TBrushPattern::MaxSide;
    if (!sized || Value.Pixels.size() != static_cast<size_t>(Value.Width * Value.Height)) return;
    if (Value == FPattern) return;
    FPattern = Value;
    Changed();
}

void TBrush::ClearPattern() {
    if (FPattern.Empty()) return;
    FPattern = TBrushPattern();
    Changed();
}

void TBrush::Changed() {
    if (OnChange) OnChange(this);
}
