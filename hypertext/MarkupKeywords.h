#pragma once

#include "platform/base/Types.h"

#include <cstdint>

// The vocabulary of the page markup. A keyword's index is what compiled
// records store, so the order of the table is part of the compiled format.
namespace markup {

// Kind bits of a keyword.
enum : uint16_t {
    kfAlignment = 0x0001, // value of ALIGN
    kfFontStyle = 0x0002, // bold, italic, underline, strike-out switch
    kfLayout = 0x0004,    // value of LAYOUT
    kfNumber = 0x0008,    // takes a number (decimal, hexadecimal or percentage)
    kfText = 0x0010,      // takes a text value
    kfStyle = 0x0020,     // value of STYLE; also a style-block switch
    kfKeyword = 0x0100,   // takes a keyword value; its closing form resets it
    kfSwitch = 0x0200,    // both <X> and </X> are meaningful
};

// Keyword indices.
enum TKeyword : uint8_t {
    kwAlign = 0,
    kwBackground,
    kwB,
    kwBorder,
    kwBottom,
    kwCenter,
    kwCharset,
    kwColor,
    kwDefault,
    kwDirect,
    kwDown,
    kwFont,
    kwFontHeight,
    kwFontWeight,
    kwHeight,
    kwHint,
    kwInterval,
    kwI,
    kwLayout,
    kwLeft,
    kwLeftBorder,
    kwLine,
    kwLinkColor,
    kwSub,
    kwMacros,
    kwMargin,
    kwNbspc,
    kwNoSpace,
    kwOver,
    kwPage,
    kwP,
    kwPitch,
    kwA,
    kwRgbBlue,
    kwRgbGreen,
    kwRgbRed,
    kwRight,
    kwRightBorder,
    kwSize,
    kwSpace,
    kwS,
    kwStyle,
    kwStyle0,
    kwStyleF = kwStyle0 + 15,
    kwTab,
    kwTop,
    kwU,
    kwUl,
    kwUp,
    kwSup,
    kwUsed,
    kwVCenter,
    kwWidth,
    kwCount
};
static_assert(kwCount == 67, "the keyword table has 67 entries");

struct TKeywordInfo {
    const char* Name;
    uint16_t Kind;
    int Value;
};

const TKeywordInfo& Keyword(int Index);
// Index of the first keyword equal to Word without regard to case; -1 when none.
int FindKeyword(const AnsiString& Word);
inline bool HasKind(int Index, uint16_t Kind) {
    return Index >= 0 && Index < kwCount && (Keyword(Index).Kind & Kind) != 0;
}

// Record tags of the compiled markup.
enum : uint8_t {
    rtText = 'C',       // 'C', length high byte, length low byte, characters
    rtSet = '+',        // '+', keyword [, value keyword | text length, characters]
    rtReset = '-',      // '-', keyword
    rtNumber = '#',     // '#', keyword, 32-bit value (low byte first)
    rtPercentage = '%', // '%', keyword, 32-bit value
};

} // namespace markup
