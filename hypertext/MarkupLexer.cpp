#include "hypertext/MarkupLexer.h"

#include <initializer_list>

namespace markup {

namespace {

constexpr int8_t kTransitions[13][11] = {
    //  0   >   =   #   <   /  ws hex let dig   %
    {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},    // 0 text
    {2, 0, 2, 2, 0, 10, 1, 3, 3, 2, 2},   // 1 after <
    {2, 0, 2, 2, 1, 2, 2, 2, 2, 2, 2},    // 2 bad tag, skipping
    {2, -1, -5, 2, 1, 2, 4, 3, 3, 3, 2},  // 3 keyword
    {2, -1, -5, 2, 1, 2, 4, 2, 2, 2, 2},  // 4 after keyword, spaces
    {6, 0, 2, 8, 1, 2, 5, 6, 6, 11, 6},   // 5 after =
    {6, -1, 2, 2, 1, 2, 7, 6, 6, 6, 6},   // 6 word value
    {2, -1, 2, 2, 1, 2, 7, 2, 2, 2, 2},   // 7 after value, spaces
    {2, 0, 2, 2, 1, 2, 8, 9, 2, 9, 2},    // 8 after #
    {2, -1, 2, 2, 1, 2, 12, 9, 2, 9, 7},  // 9 hexadecimal number
    {2, 0, 2, 2, 1, 2, 10, 3, 3, 2, 2},   // 10 after </
    {2, -1, 2, 2, 1, 2, 12, 2, 2, 11, 7}, // 11 decimal number
    {2, -1, 2, 2, 1, 2, 12, 2, 2, 2, 7},  // 12 after number, spaces
};

struct ClassTable {
    TCharClass classes[256];
    ClassTable() {
        for (auto& c : classes)
            c = ccOther;
        classes[static_cast<unsigned char>('>')] = ccClose;
        classes[static_cast<unsigned char>('=')] = ccEquals;
        classes[static_cast<unsigned char>('#')] = ccHash;
        classes[static_cast<unsigned char>('<')] = ccOpen;
        classes[static_cast<unsigned char>('/')] = ccSlash;
        classes[static_cast<unsigned char>('%')] = ccPercent;
        for (const char c : {' ', '\t', '\n', '\r'})
            classes[static_cast<unsigned char>(c)] = ccSpace;
        for (int c = 'A'; c <= 'Z'; ++c)
            classes[c] = classes[c + 32] = c <= 'F' ? ccHex : ccLetter;
        classes[static_cast<unsigned char>('_')] = ccLetter;
        for (int c = '0'; c <= '9'; ++c)
            classes[c] = ccDigit;
    }
};

const ClassTable kClasses;

} // namespace

TCharClass CharClass(unsigned char C) {
    return kClasses.classes[C];
}

TLexState NextState(TLexState State, TCharClass Class) {
    return static_cast<TLexState>(kTransitions[State][Class]);
}

} // namespace markup
