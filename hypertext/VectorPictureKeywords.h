#pragma once

#include "platform/base/Types.h"

#include <cstdint>

// The vocabulary of the vector picture language: 45 commands (entries 0 to
// 44) and 49 value words (45 to 93) in ten value tables. A command's number
// is what the byte code stores, so the order is part of the compiled format.
namespace vpic {

enum TVectorCommand : uint8_t {
    vcArc,
    vcBrushBitmap,
    vcBrushColor,
    vcBrushStyle,
    vcChord,
    vcClrScr,
    vcEllipse,
    vcFillRect,
    vcFloodFill,
    vcFontCharset,
    vcFontColor,
    vcFontHeight,
    vcFontName,
    vcFontPitch,
    vcFontSize,
    vcFontStyle,
    vcFontWeight,
    vcFontWidth,
    vcHint,
    vcHintStyle,
    vcLine,
    vcLineRel,
    vcLineTo,
    vcLinkColor,
    vcLinkOut,
    vcMoveRel,
    vcMoveTo,
    vcPenColor,
    vcPenMode,
    vcPenStyle,
    vcPenWidth,
    vcPie,
    vcPolyBezier,
    vcPolyBezierTo,
    vcPolygon,
    vcPolyline,
    vcPutPixel,
    vcRectangle,
    vcRoundRect,
    vcTextAlign,
    vcTextAngle,
    vcTextFormat,
    vcTextLayout,
    vcTextOut,
    vcUnderlineLinks,
};

constexpr int kCommandCount = 45;
constexpr int kKeywordCount = 94;

// Flags of a command's keyword value.
constexpr int32_t cfSetting = 0x100;    // an omitted parameter is the setting's current value
constexpr int32_t cfCoordinate = 0x200; // an omitted coordinate is the current position's
constexpr int32_t cfRepeat = 0x400;     // ... or, after the first group, the previous point's
constexpr int32_t cfColor = 0x800;      // words are colour names

// Value tables, numbered as the digits of the command signatures.
enum TValueTable : uint8_t {
    vtBrushStyle = 0,
    vtColor = 1, // colour names are not in the keyword list
    vtFloodFill = 2,
    vtFontStyle = 3,
    vtHintStyle = 4,
    vtPenMode = 5,
    vtPenStyle = 6,
    vtTextAlign = 7,
    vtTextFormat = 8,
    vtTextLayout = 9,
};
constexpr int kValueTableCount = 10;

struct TVectorKeyword {
    const char* Word;
    int32_t Value;
};

extern const TVectorKeyword kKeywords[kKeywordCount];

// The keyword entries [First, Last] of a value table; First > Last for the
// colour table, which has no words.
struct TTableRange {
    int First;
    int Last;
};
TTableRange TableRange(int Table);

// The entry in [First, Last] whose word equals Upper (an upper-case token),
// or -1.
int FindKeyword(const AnsiString& Upper, int First = 0, int Last = kKeywordCount - 1);

inline bool IsCommand(int Entry) {
    return Entry >= 0 && Entry < kCommandCount;
}

} // namespace vpic
