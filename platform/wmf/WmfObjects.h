#pragma once

#include "platform/wmf/WmfDC.h"

#include <cstdint>
#include <cstring>

// Graphics objects from the fields of the records that create them; WMF and
// EMF number styles alike.

// Style: PS_* bits (style, end cap, join, geometric); Width in logical units.
TWmfPen MakePen(uint32_t Style, double Width, TColor Color);
// A pen with a brush (EXTCREATEPEN): a null brush draws nothing.
TWmfPen MakeExtPen(uint32_t Style, double Width, uint32_t BrushStyle, TColor Color);
// Style: BS_*; Hatch: HS_*. Pattern brushes arrive as solid brushes of the
// pattern's average colour.
TWmfBrush MakeBrush(uint32_t Style, TColor Color, uint32_t Hatch);
// Keeps the RGB bits of a COLORREF (a number, or libuemf's structure).
template <class T> TColor ColorOf(const T& ColorRef) {
    static_assert(sizeof(T) == 4);
    uint32_t Value = 0;
    std::memcpy(&Value, &ColorRef, 4);
    return static_cast<TColor>(Value & 0xFFFFFF);
}
