#include "hypertext/MarkupKeywords.h"

#include "platform/base/AnsiText.h"

namespace markup {

namespace {

const TKeywordInfo kKeywords[kwCount] = {
    {"ALIGN", 0x100, 0},      {"BACKGROUND", 0x108, 0},  {"B", 0x202, 0},
    {"BORDER", 0x200, 0},     {"BOTTOM", 0x004, 2},      {"CENTER", 0x005, 1},
    {"CHARSET", 0x108, 0},    {"COLOR", 0x108, 0},       {"DEFAULT", 0x025, 0},
    {"DIRECT", 0x200, 0},     {"DOWN", 0x108, 0},        {"FONT", 0x110, 0},
    {"FONTHEIGHT", 0x108, 0}, {"FONTWEIGHT", 0x108, 0},  {"HEIGHT", 0x108, 0},
    {"HINT", 0x110, 0},       {"INTERVAL", 0x108, 0},    {"I", 0x202, 1},
    {"LAYOUT", 0x100, 0},     {"LEFT", 0x109, 0},        {"LEFTBORDER", 0x108, 1},
    {"LINE", 0x200, 0},       {"LINKCOLOR", 0x108, 0},   {"SUB", 0x200, 1},
    {"MACROS", 0x110, 0},     {"MARGIN", 0x108, 0},      {"NBSPC", 0x200, 0},
    {"NOSPACE", 0x200, 0},    {"OVER", 0x200, 0},        {"PAGE", 0x001, 3},
    {"P", 0x200, 0},          {"PITCH", 0x108, 0},       {"A", 0x008, 0},
    {"RGBBLUE", 0x108, 2},    {"RGBGREEN", 0x108, 1},    {"RGBRED", 0x108, 0},
    {"RIGHT", 0x109, 2},      {"RIGHTBORDER", 0x108, 2}, {"SIZE", 0x108, 0},
    {"SPACE", 0x200, 0},      {"S", 0x202, 3},           {"STYLE", 0x100, 0},
    {"STYLE0", 0x220, 0},     {"STYLE1", 0x220, 1},      {"STYLE2", 0x220, 2},
    {"STYLE3", 0x220, 3},     {"STYLE4", 0x220, 4},      {"STYLE5", 0x220, 5},
    {"STYLE6", 0x220, 6},     {"STYLE7", 0x220, 7},      {"STYLE8", 0x220, 8},
    {"STYLE9", 0x220, 9},     {"STYLEA", 0x220, 10},     {"STYLEB", 0x220, 11},
    {"STYLEC", 0x220, 12},    {"STYLED", 0x220, 13},     {"STYLEE", 0x220, 14},
    {"STYLEF", 0x220, 15},    {"TAB", 0x108, 0},         {"TOP", 0x004, 0},
    {"U", 0x202, 2},          {"UL", 0x200, 0},          {"UP", 0x108, 0},
    {"SUP", 0x200, 2},        {"USED", 0x025, 0},        {"VCENTER", 0x004, 1},
    {"WIDTH", 0x108, 0},
};

} // namespace

const TKeywordInfo& Keyword(int Index) {
    return kKeywords[Index];
}

int FindKeyword(const AnsiString& Word) {
    for (int i = 0; i < kwCount; ++i)
        if (AnsiSameText(Word, kKeywords[i].Name)) return i;
    return -1;
}

} // namespace markup
