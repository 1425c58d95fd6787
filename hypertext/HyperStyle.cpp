#include "hypertext/HyperStyle.h"

#include "common/ValueConversions.h"

THyperStyle::THyperStyle() : FFont(std::make_unique<TFont>()) {
    AttachFont();
}

THyperStyle::~THyperStyle() {
    FFont->OnChange = nullptr;
}

void THyperStyle::AttachFont() {
    FFont->OnChange = [this](TObject* sender) { FontChanged(sender); };
}

template <class T> void THyperStyle::Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(this);
}

void THyperStyle::SetAlignment(int Value) {
    if (Value >= haLeft && Value <= haPage) Store(FAlignment, static_cast<THyperAlignment>(Value));
}
void THyperStyle::SetBackColor(TColor Value) {
    Store(FBackColor, Value);
}
void THyperStyle::SetBackground(bool Value) {
    Store(FBackground, Value);
}
void THyperStyle::SetDirectOffset(bool Value) {
    Store(FDirectOffset, Value);
}
void THyperStyle::SetFont(const TFont* Value) {
    if (Value) FFont->Assign(*Value);
}
void THyperStyle::SetFontWeight(int Value) {
    if (FFontWeight == Value) return;
    FFontWeight = Value;
    FontChanged(this);
}
void THyperStyle::SetInterval(int Value) {
    Store(FInterval, Value);
}
void THyperStyle::SetLayout(int Value) {
    if (Value >= tlTop && Value <= tlBottom) Store(FLayout, static_cast<TTextLayout>(Value));
}
void THyperStyle::SetLinkColor(TColor Value) {
    Store(FLinkColor, Value);
}
void THyperStyle::SetMargin(int Value) {
    if (Value >= 0) Store(FMargin, Value);
}
void THyperStyle::SetOverBorders(bool Value) {
    Store(FOverBorders, Value);
}
void THyperStyle::SetUnderlineLinks(bool Value) {
    Store(FUnderlineLinks, Value);
}

void THyperStyle::FontChanged(TObject*) {
    FFont->OnChange = nullptr;
    const bool plainWeight = FFontWeight == 0 || FFontWeight == FW_NORMAL || FFontWeight == FW_BOLD;
    LOGFONTA description;
    if (!plainWeight || FFont->Pitch() != fpDefault) {
        myDefines::CreateLogFont(FFont.get(), description);
        description.lfWeight = FFontWeight;
        myDefines::CreateFontIndirectA(FFont.get(), description);
    } else if (FFont->HasLogFont() && FFont->Weight() != FW_NORMAL && FFont->Weight() != FW_BOLD) {
        // A plain weight again (the weight tag closed): the font leaves the
        // explicit weight it was given, and its bold style decides once more.
        myDefines::CreateLogFont(FFont.get(), description);
        description.lfWeight = FFont->Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        myDefines::CreateFontIndirectA(FFont.get(), description);
    }
    AttachFont();
    Changed(FFont.get());
}

bool THyperStyle::AssignableFrom(const TQLPersistent& Source) const {
    return dynamic_cast<const THyperStyle*>(&Source) != nullptr;
}

void THyperStyle::Assign(const TQLPersistent& Source) {
    const auto* source = dynamic_cast<const THyperStyle*>(&Source);
    if (!source || source == this) return;
    BeginUpdate();
    FAlignment = source->FAlignment;
    FBackColor = source->FBackColor;
    FBackground = source->FBackground;
    FDirectOffset = source->FDirectOffset;
    FFont->Assign(*source->FFont);
    SetFontWeight(source->FFontWeight);
    FInterval = source->FInterval;
    FLayout = source->FLayout;
    FLinkColor = source->FLinkColor;
    FMargin = source->FMargin;
    FOverBorders = source->FOverBorders;
    FUnderlineLinks = source->FUnderlineLinks;
    EndUpdate();
    TQLPersistent::Assign(Source);
}

void THyperIndex::Store(uint16_t& Field, int Value) {
    if (Value < 0 || Value > 100 || Field == Value) return;
    Field = static_cast<uint16_t>(Value);
    Changed(this);
}

void THyperIndex::SetHeight(int Value) {
    Store(FHeight, Value);
}
void THyperIndex::SetLowerOffset(int Value) {
    Store(FLowerOffset, Value);
}
void THyperIndex::SetUpperOffset(int Value) {
    Store(FUpperOffset, Value);
}

bool THyperIndex::AssignableFrom(const TQLPersistent& Source) const {
    return dynamic_cast<const THyperIndex*>(&Source) != nullptr;
}

void THyperIndex::Assign(const TQLPersistent& Source) {
    const auto* source = dynamic_cast<const THyperIndex*>(&Source);
    if (!source || source == this) return;
    BeginUpdate();
    FHeight = source->FHeight;
    FLowerOffset = source->FLowerOffset;
    FUpperOffset = source->FUpperOffset;
    EndUpdate();
    TQLPersistent::Assign(Source);
}
