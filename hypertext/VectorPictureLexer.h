#pragma once

#include <cstdint>

// Character classes, states and actions of the vector picture lexer. The
// transition table gives, for each state and class, one byte: the low four
// bits are the next state, the high four bits the action.
namespace vpic {

enum TCharClass : uint8_t {
    ccOther = 0,
    ccClose = 1,     // )
    ccSemicolon = 2, // ;
    ccBackslash = 3, // \ (escape inside strings)
    ccHash = 4,      // # (hexadecimal number)
    ccMinus = 5,     // -
    ccOpen = 6,      // (
    ccQuote = 7,     // "
    ccComma = 8,     // ,
    ccSpace = 9,     // tab, LF, CR, space
    ccHex = 10,      // A-F, a-f
    ccLetter = 11,   // G-Z, g-z, _
    ccDigit = 12,    // 0-9
};
constexpr int kClassCount = 13;

enum TLexState : uint8_t {
    lsBetween = 0,      // between statements
    lsCommand = 1,      // in the command word
    lsError = 2,        // skipping to the next ")" or ";"
    lsAfterCommand = 3, // white space after the command word
    lsParameter = 4,    // a parameter expected
    lsWord = 5,         // in a word parameter
    lsAfterParameter = 6,
    lsDecimal = 7,
    lsAfterHash = 8,
    lsHexadecimal = 9,
    lsString = 10,
    lsEscape = 11,      // after "\" in a string
    lsAfterString = 12, // after the closing quote
    lsAfterMinus = 13,
};
constexpr int kStateCount = 14;

enum TLexAction : uint8_t {
    laNone = 0,    // entering the string state this way empties the token
    laAppend = 1,  // the character joins the token
    laDigit = 2,   // the character is the next digit of a number
    laWord = 3,    // the token is complete: identify it
    laOmitted = 4, // on ",": an omitted parameter
    laString = 5,  // the string is complete
    laNumber = 6,  // the number is complete: store it
    laMinus = 7,   // the number is negative
    laIgnore = 15,
};

TCharClass CharClass(unsigned char C);

struct TTransition {
    TLexAction Action;
    TLexState Next;
};
TTransition Transition(TLexState State, TCharClass Class);

} // namespace vpic
