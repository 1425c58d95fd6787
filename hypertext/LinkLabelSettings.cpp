#include "hypertext/LinkLabelSettings.h"

TPoint DirectionOffset(TLLDirection Direction, int Length) {
    int ux = 0, uy = 0;
    switch (Direction) {
    case dirNorthEast:
    case dirEast:
    case dirSouthEast:
        ux = 1;
        break;
    case dirSouthWest:
    case dirWest:
    case dirNorthWest:
        ux = -1;
        break;
    default:
        break;
    }
    switch (Direction) {
    case dirSouthEast:
    case dirSouth:
    case dirSouthWest:
        uy = 1;
        break;
    case dirNorthWest:
    case dirNorth:
    case dirNorthEast:
        uy = -1;
        break;
    default:
        break;
    }
    return Point(Length * ux, Length * uy);
}

namespace {

bool ValidDirection(int Value) {
    return Value >= dirNone && Value <= dirNorthWest;
}

} // namespace

// ---- Colours ----

TLinkLabelColors::TLinkLabelColors()
    : FColors{clBtnShadow, clBtnText, clBtnHighlight, clBtnText, clBtnShadow, clBtnHighlight} {}

TColor TLinkLabelColors::GetColor(int Index) const {
    return Index >= 0 && Index < 6 ? FColors[static_cast<size_t>(Index)] : clNone;
}

void TLinkLabelColors::SetColor(int Index, TColor Value) {
    if (Index < 0 || Index >= 6 || FColors[static_cast<size_t>(Index)] == Value) return;
    FColors[static_cast<size_t>(Index)] = Value;
    Changed(this);
}

void TLinkLabelColors::Assign(const TQLPersistent& Source) {
    const auto* source = dynamic_cast<const TLinkLabelColors*>(&Source);
    if (!source || source == this) return;
    BeginUpdate();
    FColors = source->FColors;
    EndUpdate();
    TQLPersistent::Assign(Source);
}

// ---- Bevels ----

TLinkLabelBevels::TLinkLabelBevels() = default;

TLLDirection TLinkLabelBevels::GetDirection(int Index) const {
    return Index == 0 || Index == 1 ? FDirection[static_cast<size_t>(Index)] : dirNone;
}

bool TLinkLabelBevels::GetVisible(int Index) const {
    return (Index == 0 || Index == 1) && FVisible[static_cast<size_t>(Index)];
}

uint16_t TLinkLabelBevels::GetWidth(int Index) const {
    return Index == 0 || Index == 1 ? FWidth[static_cast<size_t>(Index)] : 0;
}

void TLinkLabelBevels::SetDirection(int Index, int Value) {
    if ((Index != 0 && Index != 1) || !ValidDirection(Value)) return;
    auto& slot = FDirection[static_cast<size_t>(Index)];
    if (slot == Value) return;
    slot = static_cast<TLLDirection>(Value);
    Changed(this);
}

void TLinkLabelBevels::SetVisible(int Index, bool Value) {
    if ((Index != 0 && Index != 1) || FVisible[static_cast<size_t>(Index)] == Value) return;
    FVisible[static_cast<size_t>(Index)] = Value;
    Changed(this);
}

void TLinkLabelBevels::SetWidth(int Index, uint16_t Value) {
    if ((Index != 0 && Index != 1) || FWidth[static_cast<size_t>(Index)] == Value) return;
    FWidth[static_cast<size_t>(Index)] = Value;
    Changed(this);
}

void TLinkLabelBevels::Assign(const TQLPersistent& Source) {
    const auto* source = dynamic_cast<const TLinkLabelBevels*>(&Source);
    if (!source || source == this) return;
    BeginUpdate();
    FDirection = source->FDirection;
    FVisible = source->FVisible;
    FWidth = source->FWidth;
    EndUpdate();
    TQLPersistent::Assign(Source);
}

// ---- Shadow ----

void TLinkLabelShadow::SetDepth(uint16_t Value) {
    if (Value == FDepth) return;
    FDepth = Value;
    Changed(this);
}

void TLinkLabelShadow::SetDirection(int Value) {
    if (!ValidDirection(Value) || Value == FDirection) return;
    FDirection = static_cast<TLLDirection>(Value);
    Changed(this);
}

void TLinkLabelShadow::SetDisabledColor(TColor Value) {
    if (Value == FDisabledColor) return;
    FDisabledColor = Value;
    Changed(this);
}

void TLinkLabelShadow::SetEnabledColor(TColor Value) {
    if (Value == FEnabledColor) return;
    FEnabledColor = Value;
    Changed(this);
}

void TLinkLabelShadow::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    Changed(this);
}

void TLinkLabelShadow::Assign(const TQLPersistent& Source) {
    const auto* source = dynamic_cast<const TLinkLabelShadow*>(&Source);
    if (!source || source == this) return;
    BeginUpdate();
    FDepth = source->FDepth;
    FDirection = source->FDirection;
    FDisabledColor = source->FDisabledColor;
    FEnabledColor = source->FEnabledColor;
    FVisible = source->FVisible;
    EndUpdate();
    TQLPersistent::Assign(Source);
}
