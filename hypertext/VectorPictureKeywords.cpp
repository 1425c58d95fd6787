#include "hypertext/VectorPictureKeywords.h"

namespace vpic {

const TVectorKeyword kKeywords[kKeywordCount] = {
    // Commands.
    {"ARC", 0x600},
    {"BRUSHBITMAP", 0},
    {"BRUSHCOLOR", 0x800},
    {"BRUSHSTYLE", 0x100},
    {"CHORD", 0x600},
    {"CLRSCR", 0},
    {"ELLIPSE", 0x200},
    {"FILLRECT", 0x200},
    {"FLOODFILL", 0},
    {"FONTCHARSET", 0x100},
    {"FONTCOLOR", 0x800},
    {"FONTHEIGHT", 0x100},
    {"FONTNAME", 0x100},
    {"FONTPITCH", 0x100},
    {"FONTSIZE", 0x100},
    {"FONTSTYLE", 0x100},
    {"FONTWEIGHT", 0x100},
    {"FONTWIDTH", 0x100},
    {"HINT", 0x100},
    {"HINTSTYLE", 0x100},
    {"LINE", 0x200},
    {"LINEREL", 0x600},
    {"LINETO", 0x200},
    {"LINKCOLOR", 0x800},
    {"LINKOUT", 0},
    {"MOVEREL", 0x600},
    {"MOVETO", 0x200},
    {"PENCOLOR", 0x800},
    {"PENMODE", 0x100},
    {"PENSTYLE", 0x100},
    {"PENWIDTH", 0x100},
    {"PIE", 0x600},
    {"POLYBEZIER", 0x600},
    {"POLYBEZIERTO", 0x600},
    {"POLYGON", 0x600},
    {"POLYLINE", 0x600},
    {"PUTPIXEL", 0x600},
    {"RECTANGLE", 0x200},
    {"ROUNDRECT", 0x200},
    {"TEXTALIGN", 0x100},
    {"TEXTANGLE", 0x100},
    {"TEXTFORMAT", 0x100},
    {"TEXTLAYOUT", 0x100},
    {"TEXTOUT", 0},
    {"UNDERLINELINKS", 0x100},
    // 0 brush style (45-53).
    {"BDIAGONAL", 5},
    {"BITMAP", 8},
    {"CLEAR", 1},
    {"CROSS", 6},
    {"DIAGCROSS", 7},
    {"FDIAGONAL", 4},
    {"HORIZONTAL", 2},
    {"SOLID", 0},
    {"VERTICAL", 3},
    // 2 flood-fill type (54-55).
    {"BORDER", 1},
    {"SURFACE", 0},
    // 3 font style (56-59).
    {"BOLD", 0},
    {"ITALIC", 1},
    {"STRIKEOUT", 3},
    {"UNDERLINE", 2},
    // 4 hint style (60-62).
    {"EMPTY", 0},
    {"LINKTEXT", 1},
    {"USERTEXT", 2},
    // 5 pen mode (63-78).
    {"BLACK", 0},
    {"COPY", 4},
    {"MASK", 12},
    {"MASKNOTPEN", 9},
    {"MASKPENNOT", 7},
    {"MERGE", 10},
    {"MERGENOTPEN", 8},
    {"MERGEPENNOT", 6},
    {"NOP", 2},
    {"NOT", 3},
    {"NOTCOPY", 5},
    {"NOTMASK", 13},
    {"NOTMERGE", 11},
    {"NOTXOR", 15},
    {"WHITE", 1},
    {"XOR", 14},
    // 6 pen style (79-85).
    {"CLEAR", 5},
    {"DASH", 1},
    {"DASHDOT", 3},
    {"DASHDOTDOT", 4},
    {"DOT", 2},
    {"INSIDEFRAME", 6},
    {"SOLID", 0},
    // 7 text alignment (86-88).
    {"CENTER", 2},
    {"LEFT", 0},
    {"RIGHT", 1},
    // 8 text format (89-90).
    {"NOPREFIX", 2048},
    {"WORDBREAK", 16},
    // 9 text layout (91-93).
    {"BOTTOM", 2},
    {"TOP", 0},
    {"VCENTER", 1},
};

TTableRange TableRange(int Table) {
    static constexpr TTableRange kRanges[kValueTableCount] = {
        {45, 53}, {1, 0},   {54, 55}, {56, 59}, {60, 62},
        {63, 78}, {79, 85}, {86, 88}, {89, 90}, {91, 93},
    };
    if (Table < 0 || Table >= kValueTableCount) return {1, 0};
    return kRanges[Table];
}

int FindKeyword(const AnsiString& Upper, int First, int Last) {
    if (First < 0) First = 0;
    if (Last >= kKeywordCount) Last = kKeywordCount - 1;
    for (int i = First; i <= Last; ++i)
        if (Upper == kKeywords[i].Word) return i;
    return -1;
}

} // namespace vpic
