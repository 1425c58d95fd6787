#pragma once

#include "platform/base/Alignment.h"
#include "platform/graphics/Canvas.h"

#include <cstdint>

// Vertical layout and reading order of text in the
// controls of the engine, and their text-drawing flags.
enum TTextLayout : uint8_t { tlTop = 0, tlCenter = 1, tlBottom = 2 };
enum TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

// The alignment as drawn: right-to-left mode mirrors left and right.
inline TAlignment BiDiAlignment(TBiDiMode Mode, TAlignment Alignment) {
    if (Mode != bdRightToLeft || Alignment == taCenter) return Alignment;
    return Alignment == taLeftJustify ? taRightJustify : taLeftJustify;
}

inline unsigned AlignmentFlags(TAlignment Alignment) {
    return Alignment == taCenter ? DT_CENTER : Alignment == taRightJustify ? DT_RIGHT : DT_LEFT;
}

inline unsigned LayoutFlags(TTextLayout Layout) {
    return Layout == tlCenter ? DT_VCENTER : Layout == tlBottom ? DT_BOTTOM : DT_TOP;
}

// Alignment flags after the reading-order adjustment, plus right-to-left
// reading where the mode asks for it.
inline unsigned BiDiTextFlags(TBiDiMode Mode, TAlignment Alignment) {
    unsigned flags = AlignmentFlags(BiDiAlignment(Mode, Alignment));
    if (Mode != bdLeftToRight) flags |= DT_RTLREADING;
    return flags;
}
