#include "hypertext/VectorPictureSignatures.h"

#include "hypertext/VectorPictureKeywords.h"

#include <cstring>

namespace vpic {

namespace {

constexpr uint8_t N = kNoGroup;

const TVectorSignature kSignatures[kCommandCount] = {
    {4, "iiiiiiii"}, // ARC
    {N, "bbbbbbbb"}, // BRUSHBITMAP
    {N, "111"},      // BRUSHCOLOR
    {N, "0"},        // BRUSHSTYLE
    {4, "iiiiiiii"}, // CHORD
    {N, ""},         // CLRSCR
    {4, "iiii"},     // ELLIPSE
    {4, "iiii"},     // FILLRECT
    {N, "ii12"},     // FLOODFILL
    {N, "b"},        // FONTCHARSET
    {N, "111"},      // FONTCOLOR
    {N, "i"},        // FONTHEIGHT
    {N, "s"},        // FONTNAME
    {N, "b"},        // FONTPITCH
    {N, "b"},        // FONTSIZE
    {1, "3"},        // FONTSTYLE
    {N, "i"},        // FONTWEIGHT
    {N, "i"},        // FONTWIDTH
    {N, "s"},        // HINT
    {N, "4"},        // HINTSTYLE
    {4, "iiii"},     // LINE
    {2, "ii"},       // LINEREL
    {2, "ii"},       // LINETO
    {N, "111"},      // LINKCOLOR
    {N, "iiiiis"},   // LINKOUT
    {2, "ii"},       // MOVEREL
    {N, "ii"},       // MOVETO
    {N, "111"},      // PENCOLOR
    {N, "5"},        // PENMODE
    {N, "6"},        // PENSTYLE
    {N, "b"},        // PENWIDTH
    {4, "iiiiiiii"}, // PIE
    {2, "ii"},       // POLYBEZIER
    {2, "ii"},       // POLYBEZIERTO
    {2, "ii"},       // POLYGON
    {2, "ii"},       // POLYLINE
    {2, "ii"},       // PUTPIXEL
    {4, "iiii"},     // RECTANGLE
    {N, "iiiiii"},   // ROUNDRECT
    {N, "7"},        // TEXTALIGN
    {N, "i"},        // TEXTANGLE
    {1, "8"},        // TEXTFORMAT
    {N, "9"},        // TEXTLAYOUT
    {N, "iiiis"},    // TEXTOUT
    {N, "b"},        // UNDERLINELINKS
};

} // namespace

int TVectorSignature::Length() const {
    return static_cast<int>(std::strlen(Kinds));
}

const TVectorSignature& Signature(int Command) {
    static const TVectorSignature kNone{N, ""};
    return IsCommand(Command) ? kSignatures[Command] : kNone;
}

int CommandTable(int Command) {
    switch (Command) {
    case vcBrushStyle:
        return vtBrushStyle;
    case vcFloodFill:
        return vtFloodFill;
    case vcFontStyle:
        return vtFontStyle;
    case vcHintStyle:
        return vtHintStyle;
    case vcPenMode:
        return vtPenMode;
    case vcPenStyle:
        return vtPenStyle;
    case vcTextAlign:
        return vtTextAlign;
    case vcTextFormat:
        return vtTextFormat;
    case vcTextLayout:
        return vtTextLayout;
    default:
        return -1;
    }
}

} // namespace vpic
