#include "common/ValueConversions.h"

#include "platform/base/AnsiText.h"

#include <algorithm>
#include <cstring>

namespace myDefines {

namespace {

constexpr int System(int Index) {
    return static_cast<int>(SystemColor(Index));
}

const TNamedValue BoolNames[] = {{"false", 0}, {"true", 1}};

// Colour names, matched with the prefix "cl".
const TNamedValue ColorNames[] = {
    {"Aqua", 0xFFFF00},
    {"Black", 0x000000},
    {"Blue", 0xFF0000},
    {"DkGray", 0x808080},
    {"Fuchsia", 0xFF00FF},
    {"Gray", 0x808080},
    {"Green", 0x008000},
    {"Lime", 0x00FF00},
    {"LtGray", 0xC0C0C0},
    {"Maroon", 0x000080},
    {"Navy", 0x800000},
    {"Olive", 0x008080},
    {"Purple", 0x800080},
    {"Red", 0x0000FF},
    {"Silver", 0xC0C0C0},
    {"Teal", 0x808000},
    {"White", 0xFFFFFF},
    {"Yellow", 0x00FFFF},
    {"ScrollBar", System(0)},
    {"Background", System(1)},
    {"ActiveCaption", System(2)},
    {"InactiveCaption", System(3)},
    {"Menu", System(4)},
    {"Window", System(5)},
    {"WindowFrame", System(6)},
    {"MenuText", System(7)},
    {"WindowText", System(8)},
    {"CaptionText", System(9)},
    {"ActiveBorder", System(10)},
    {"InactiveBorder", System(11)},
    {"AppWorkSpace", System(12)},
    {"Highlight", System(13)},
    {"HighlightText", System(14)},
    {"BtnFace", System(15)},
    {"BtnShadow", System(16)},
    {"GrayText", System(17)},
    {"BtnText", System(18)},
    {"InactiveCaptionText", System(19)},
    {"BtnHighlight", System(20)},
    {"3DDkShadow", System(21)},
    {"3DLight", System(22)},
    {"InfoText", System(23)},
    {"InfoBk", System(24)},
    {"Default", 0x20000000},
    {"None", 0x1FFFFFFF},
};

// System colour names, matched with the prefix "COLOR_".
const TNamedValue SystemColorNames[] = {
    {"SCROLLBAR", System(0)},
    {"BACKGROUND", System(1)},
    {"ACTIVECAPTION", System(2)},
    {"INACTIVECAPTION", System(3)},
    {"MENU", System(4)},
    {"WINDOW", System(5)},
    {"WINDOWFRAME", System(6)},
    {"MENUTEXT", System(7)},
    {"WINDOWTEXT", System(8)},
    {"CAPTIONTEXT", System(9)},
    {"ACTIVEBORDER", System(10)},
    {"INACTIVEBORDER", System(11)},
    {"APPWORKSPACE", System(12)},
    {"HIGHLIGHT", System(13)},
    {"HIGHLIGHTTEXT", System(14)},
    {"BTNFACE", System(15)},
    {"BTNSHADOW", System(16)},
    {"GRAYTEXT", System(17)},
    {"BTNTEXT", System(18)},
    {"INACTIVECAPTIONTEXT", System(19)},
    {"BTNHIGHLIGHT", System(20)},
    {"3DDKSHADOW", System(21)},
    {"3DLIGHT", System(22)},
    {"INFOTEXT", System(23)},
    {"INFOBK", System(24)},
    {"HOTLIGHT", System(26)},
    {"GRADIENTACTIVECAPTION", System(27)},
    {"GRADIENTINACTIVECAPTION", System(28)},
    {"DESKTOP", System(1)},
    {"3DFACE", System(15)},
    {"3DSHADOW", System(16)},
    {"3DHIGHLIGHT", System(20)},
    {"3DHILIGHT", System(20)},
};

// Charset names, matched with the suffix "_CHARSET".
const TNamedValue CharsetNames[] = {
    {"ANSI", 0},      {"DEFAULT", 1},   {"SYMBOL", 2},        {"SHIFTJIS", 128},
    {"GB2312", 134},  {"HANGEUL", 129}, {"CHINESEBIG5", 136}, {"OEM", 255},
    {"JOHAB", 130},   {"HEBREW", 177},  {"ARABIC", 178},      {"GREEK", 161},
    {"TURKISH", 162}, {"THAI", 222},    {"EASTEUROPE", 238},  {"RUSSIAN", 204},
    {"MAC", 77},      {"BALTIC", 186},
};

// Pitch names, matched with the suffix "_PITCH".
const TNamedValue PitchNames[] = {{"DEFAULT", 0}, {"FIXED", 1}, {"VARIABLE", 2}};

// Weight names, matched with the prefix "FW_".
const TNamedValue WeightNames[] = {
    {"DONTCARE", 0},    {"THIN", 100},     {"EXTRALIGHT", 200}, {"ULTRALIGHT", 200},
    {"LIGHT", 300},     {"NORMAL", 400},   {"REGULAR", 400},    {"MEDIUM", 500},
    {"SEMIBOLD", 600},  {"DEMIBOLD", 600}, {"BOLD", 700},       {"EXTRABOLD", 800},
    {"ULTRABOLD", 800}, {"HEAVY", 900},    {"BLACK", 900},
};

// Rebuilds the font from its description after Change, keeping its charset.
template <class F> void RebuildFont(TFont* Font, F Change) {
    if (!Font) return;
    const uint8_t charset = Font->Charset();
    LOGFONTA lf;
    CreateLogFont(Font, lf);
    Change(lf);
    CreateFontIndirectA(Font, lf);
    Font->SetCharset(charset);
}

void SwitchStyle(LOGFONTA& lf, TFontStyle Style, bool On) {
    switch (Style) {
    case fsBold:
        lf.lfWeight = On ? FW_BOLD : FW_NORMAL;
        break;
    case fsItalic:
        lf.lfItalic = On;
        break;
    case fsUnderline:
        lf.lfUnderline = On;
        break;
    case fsStrikeOut:
        lf.lfStrikeOut = On;
        break;
    }
}

} // namespace

int ExtractValue(const AnsiString& Str, const AnsiString& Prefix, const AnsiString& Suffix,
                 bool& ok, int Default, std::span<const TNamedValue> Table) {
    ok = false;
    for (const TNamedValue& entry : Table) {
        if (!entry.Name) break; // a null name ends a table, as in a variable argument list
        if (AnsiSameText(Str, entry.Name) || AnsiSameText(Str, Prefix + entry.Name + Suffix)) {
            ok = true;
            return entry.Value;
        }
    }
    return Default;
}

int ExtractValue(const AnsiString& Str, const AnsiString& Prefix, const AnsiString& Suffix,
                 bool& ok, int Default, std::initializer_list<TNamedValue> Table) {
    return ExtractValue(Str, Prefix, Suffix, ok, Default,
                        std::span<const TNamedValue>(Table.begin(), Table.size()));
}

bool StrToBool(const AnsiString& Str, bool Default, bool& ok) {
    return ExtractValue(Str, "", "", ok, Default ? 1 : 0, BoolNames) != 0;
}

TColor StrToColor(const AnsiString& Str, TColor Default, bool& ok) {
    const int color = ExtractValue(Str, "cl", "", ok, Default, ColorNames);
    if (ok) return color;
    return ExtractValue(Str, "COLOR_", "", ok, Default, SystemColorNames);
}

unsigned char StrToFontCharset(const AnsiString& Str, unsigned char Default, bool& ok) {
    return static_cast<unsigned char>(ExtractValue(Str, "", "_CHARSET", ok, Default, CharsetNames));
}

unsigned char StrToFontPitch(const AnsiString& Str, unsigned char Default, bool& ok) {
    return static_cast<unsigned char>(ExtractValue(Str, "", "_PITCH", ok, Default, PitchNames));
}

int StrToFontWeight(const AnsiString& Str, int Default, bool& ok) {
    return ExtractValue(Str, "FW_", "", ok, Default, WeightNames);
}

unsigned char PitchToLogPitch(TFontPitch Pitch) {
    switch (Pitch) {
    case fpFixed:
        return FIXED_PITCH;
    case fpVariable:
        return VARIABLE_PITCH;
    default:
        return DEFAULT_PITCH;
    }
}

TFontPitch LogPitchToPitch(unsigned char Bits) {
    if (Bits & FIXED_PITCH) return fpFixed;
    if (Bits & VARIABLE_PITCH) return fpVariable;
    return fpDefault;
}

void CreateLogFont(const TFont* Font, LOGFONTA& LogFont) {
    LogFont = LOGFONTA{};
    if (!Font) return;
    const TFontStyles style = Font->Style();
    LogFont.lfHeight = Font->Height();
    LogFont.lfWidth = Font->Width();
    LogFont.lfEscapement = Font->Escapement();
    LogFont.lfOrientation = Font->Orientation();
    LogFont.lfWeight =
        Font->HasLogFont() ? Font->Weight() : (style.Contains(fsBold) ? FW_BOLD : FW_NORMAL);
    LogFont.lfItalic = style.Contains(fsItalic);
    LogFont.lfUnderline = style.Contains(fsUnderline);
    LogFont.lfStrikeOut = style.Contains(fsStrikeOut);
    LogFont.lfCharSet = Font->Charset();
    LogFont.lfPitchAndFamily = PitchToLogPitch(Font->Pitch());
    const AnsiString& name = Font->Name();
    const size_t length = std::min(name.size(), size_t(LF_FACESIZE - 1));
    std::memcpy(LogFont.lfFaceName, name.data(), length);
    LogFont.lfFaceName[length] = '\0';
}

void CreateFontIndirectA(TFont* Font, const LOGFONTA& LogFont) {
    if (Font) Font->SetLogFont(LogFont);
}

void SetFontStyle(TFont* Font, TFontStyle Style) {
    MoveFontStyle(Font, Style, true);
}

void RemoveFontStyle(TFont* Font, TFontStyle Style) {
    MoveFontStyle(Font, Style, false);
}

void MoveFontStyle(TFont* Font, TFontStyle Style, bool On) {
    RebuildFont(Font, [&](LOGFONTA& lf) { SwitchStyle(lf, Style, On); });
}

unsigned long ChangeBits(unsigned long Flags, unsigned long Mask, TBitOperation Op) {
    return Op == boSet ? Flags | Mask : Flags & ~Mask;
}

bool CheckBits(unsigned long Flags, unsigned long Mask) {
    return (Flags & Mask) != 0;
}

void SetCursor(TControl* Control, TCursor Cursor) {
    if (Control) Control->SetCursor(Cursor);
}

} // namespace myDefines
