#include "hypertext/StyleRecords.h"

#include "common/ValueConversions.h"
#include "platform/base/Colors.h"

#include <algorithm>

using namespace markup;

namespace {

// Each RGB byte scaled by Percent / 100, at most 255.
TColor ScaleColour(TColor colour, int percent) {
    const auto rgb = static_cast<uint32_t>(ColorToRGB(colour));
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int64_t byte = int64_t((rgb >> shift) & 0xFF) * percent / 100;
        out |= static_cast<uint32_t>(std::clamp<int64_t>(byte, 0, 255)) << shift;
    }
    return static_cast<TColor>(out);
}

TColor StyleColour(const THyperStyle& style, TStyleRecordState::TKind kind) {
    if (kind == TStyleRecordState::ckFont) return style.Font()->Color();
    if (kind == TStyleRecordState::ckLink) return style.LinkColor();
    return style.BackColor();
}

void SetStyleColour(THyperStyle& style, TStyleRecordState::TKind kind, TColor colour) {
    if (kind == TStyleRecordState::ckFont)
        style.Font()->SetColor(colour);
    else if (kind == TStyleRecordState::ckLink)
        style.SetLinkColor(colour);
    else
        style.SetBackColor(colour);
}

// BACKGROUND, COLOR and LINKCOLOR: set, scale or restore one colour of the
// style. The closing tag and the value DEFAULT (compiled as the colour
// clDefault) both restore the default style's colour, and for the background
// its switch too: clDefault is no colour to paint with.
void Colour(const TRecord& r, THyperStyle& target, const THyperStyle& def, TStyleRecordState& state,
            TStyleRecordState::TKind kind) {
    const bool restore = r.Tag == rtReset || (r.Tag == rtNumber && r.Number == clDefault);
    TColor colour = r.Number;
    if (r.Tag == rtPercentage) colour = ScaleColour(StyleColour(target, kind), r.Number);
    if (restore) colour = StyleColour(def, kind);
    SetStyleColour(target, kind, colour);
    if (kind == TStyleRecordState::ckBackground)
        target.SetBackground(restore ? def.Background() : true);
    state.Running = ColorToRGB(colour);
    state.Kind = kind;
}

// RGBRED, RGBGREEN and RGBBLUE: one byte of the running colour.
void ColourByte(const TRecord& r, THyperStyle& target, const THyperStyle& def,
                TStyleRecordState& state) {
    const int shift = 8 * Keyword(r.Keyword).Value;
    auto running = static_cast<uint32_t>(state.Running);
    const uint32_t current = (running >> shift) & 0xFF;
    uint32_t byte = static_cast<uint32_t>(r.Number) & 0xFF;
    if (r.Tag == rtPercentage)
        byte =
            static_cast<uint32_t>(std::clamp<int64_t>(int64_t(current) * r.Number / 100, 0, 255));
    if (r.Tag == rtReset)
        byte = (static_cast<uint32_t>(ColorToRGB(StyleColour(def, state.Kind))) >> shift) & 0xFF;
    running = (running & ~(0xFFu << shift)) | (byte << shift);
    state.Running = static_cast<TColor>(running);
    SetStyleColour(target, state.Kind, state.Running);
}

// The value of a numeric attribute: the number, the current value scaled, or the default.
int Scaled(const TRecord& r, int current, int fallback) {
    if (r.Tag == rtNumber) return r.Number;
    if (r.Tag == rtPercentage) return static_cast<int>(int64_t(current) * r.Number / 100);
    return fallback;
}

bool FontRecord(const TRecord& r, THyperStyle& target, const THyperStyle& def) {
    TFont* font = target.Font();
    const TFont* defFont = def.Font();
    switch (r.Keyword) {
    case kwCharset:
        font->SetCharset(r.Tag == rtReset ? defFont->Charset() : static_cast<uint8_t>(r.Number));
        return true;
    case kwPitch: {
        const int pitch = r.Tag == rtReset ? defFont->Pitch() : r.Number;
        if (pitch >= fpDefault && pitch <= fpFixed) font->SetPitch(static_cast<TFontPitch>(pitch));
        return true;
    }
    case kwFont:
        font->SetName(r.Tag == rtSet ? AnsiString(r.Text, static_cast<size_t>(r.Length))
                                     : defFont->Name());
        return true;
    case kwFontHeight:
        font->SetHeight(r.Tag == rtNumber ? -r.Number
                                          : Scaled(r, font->Height(), defFont->Height()));
        return true;
    case kwSize:
        font->SetSize(Scaled(r, font->Size(), defFont->Size()));
        return true;
    case kwFontWeight:
        target.SetFontWeight(Scaled(r, target.FontWeight(), def.FontWeight()));
        return true;
    case kwB:
    case kwI:
    case kwU:
    case kwS:
        myDefines::MoveFontStyle(font, static_cast<TFontStyle>(Keyword(r.Keyword).Value),
                                 r.Tag == rtSet);
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsStyleRecord(const TRecord& r) {
    switch (r.Keyword) {
    case kwAlign:
    case kwLayout:
    case kwBackground:
    case kwColor:
    case kwLinkColor:
    case kwRgbRed:
    case kwRgbGreen:
    case kwRgbBlue:
    case kwInterval:
    case kwMargin:
    case kwDirect:
    case kwOver:
    case kwUl:
    case kwCharset:
    case kwPitch:
    case kwFont:
    case kwFontHeight:
    case kwSize:
    case kwFontWeight:
    case kwB:
    case kwI:
    case kwU:
    case kwS:
        return true;
    default:
        return false;
    }
}

bool ApplyStyleRecord(const TRecord& r, THyperStyle& target, const THyperStyle& def,
                      TStyleRecordState& state) {
    if (!IsStyleRecord(r)) return false;
    const bool reset = r.Tag == rtReset;
    if ((r.Keyword == kwAlign || r.Keyword == kwLayout) && !reset && r.ValueKeyword < 0)
        return true; // no value word: nothing to apply
    switch (r.Keyword) {
    case kwAlign:
        target.SetAlignment(reset ? def.Alignment() : Keyword(r.ValueKeyword).Value);
        return true;
    case kwLayout:
        target.SetLayout(reset ? def.Layout() : Keyword(r.ValueKeyword).Value);
        return true;
    case kwBackground:
        Colour(r, target, def, state, TStyleRecordState::ckBackground);
        return true;
    case kwColor:
        Colour(r, target, def, state, TStyleRecordState::ckFont);
        return true;
    case kwLinkColor:
        Colour(r, target, def, state, TStyleRecordState::ckLink);
        return true;
    case kwRgbRed:
    case kwRgbGreen:
    case kwRgbBlue:
        ColourByte(r, target, def, state);
        return true;
    case kwInterval:
        target.SetInterval(Scaled(r, target.Interval(), def.Interval()));
        return true;
    case kwMargin: {
        const int pixelHeight = -target.Font()->Height();
        if (r.Tag == rtNumber && r.Number < 0) return true;
        target.SetMargin(r.Tag == rtPercentage ? pixelHeight * r.Number / 100
                                               : Scaled(r, 0, def.Margin()));
        return true;
    }
    case kwDirect:
        target.SetDirectOffset(!reset);
        return true;
    case kwOver:
        target.SetOverBorders(!reset);
        return true;
    case kwUl:
        target.SetUnderlineLinks(!reset);
        return true;
    default:
        return FontRecord(r, target, def);
    }
}
