#pragma once

#include <cstdint>

// Character classes and state transitions of the markup lexer.
namespace markup {

enum TCharClass : uint8_t {
    ccOther = 0,
    ccClose = 1,   // >
    ccEquals = 2,  // =
    ccHash = 3,    // #
    ccOpen = 4,    // <
    ccSlash = 5,   // /
    ccSpace = 6,   // space, tab, LF, CR
    ccHex = 7,     // A-F, a-f
    ccLetter = 8,  // G-Z, g-z, _
    ccDigit = 9,   // 0-9
    ccPercent = 10 // %
};

enum TLexState : int8_t {
    lsText = 0,
    lsAfterOpen = 1,
    lsBadTag = 2,
    lsKeyword = 3,
    lsAfterKeyword = 4,
    lsAfterEquals = 5,
    lsWordValue = 6,
    lsAfterValue = 7,
    lsAfterHash = 8,
    lsHexNumber = 9,
    lsAfterClosing = 10,
    lsDecimal = 11,
    lsAfterNumber = 12,
    laTagComplete = -1,
    laValueFollows = -5,
};

TCharClass CharClass(unsigned char C);
TLexState NextState(TLexState State, TCharClass Class);

} // namespace markup
