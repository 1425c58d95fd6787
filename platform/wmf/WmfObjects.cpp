#include "platform/wmf/WmfObjects.h"

#include <cmath>

namespace {

constexpr uint32_t PS_STYLE_MASK = 0xF, PS_ENDCAP_MASK = 0xF00, PS_JOIN_MASK = 0xF000,
                   PS_GEOMETRIC = 0x10000;
constexpr uint32_t PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200;
constexpr uint32_t PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000;
constexpr uint32_t BS_NULL = 1, BS_HATCHED = 2;

TWmfPenStyle StyleOf(uint32_t Style) {
    switch (Style & PS_STYLE_MASK) {
    case 1:
        return TWmfPenStyle::Dash;
    case 2:
        return TWmfPenStyle::Dot;
    case 3:
        return TWmfPenStyle::DashDot;
    case 4:
        return TWmfPenStyle::DashDotDot;
    case 5:
        return TWmfPenStyle::Null;
    case 6:
        return TWmfPenStyle::InsideFrame;
    case 7:
        return TWmfPenStyle::Dash; // user style: shown as a plain dash
    case 8:
        return TWmfPenStyle::Dot; // alternate pixels
    default:
        return TWmfPenStyle::Solid;
    }
}

} // namespace

TWmfPen MakePen(uint32_t Style, double Width, TColor Color) {
    TWmfPen Pen;
    Pen.Style = StyleOf(Style);
    Pen.Width = std::isfinite(Width) ? std::fabs(Width) : 0;
    Pen.Color = ColorOf(static_cast<uint32_t>(Color));
    const uint32_t Cap = Style & PS_ENDCAP_MASK, Join = Style & PS_JOIN_MASK;
    Pen.Cap = Cap == PS_ENDCAP_FLAT     ? TWmfLineCap::Flat
              : Cap == PS_ENDCAP_SQUARE ? TWmfLineCap::Square
                                        : TWmfLineCap::Round;
    Pen.Join = Join == PS_JOIN_MITER   ? TWmfLineJoin::Miter
               : Join == PS_JOIN_BEVEL ? TWmfLineJoin::Bevel
                                       : TWmfLineJoin::Round;
    return Pen;
}

TWmfPen MakeExtPen(uint32_t Style, double Width, uint32_t BrushStyle, TColor Color) {
    TWmfPen Pen = MakePen(Style, Width, Color);
    Pen.Cosmetic = !(Style & PS_GEOMETRIC);
    if (BrushStyle == BS_NULL) Pen.Style = TWmfPenStyle::Null;
    return Pen;
}

TWmfBrush MakeBrush(uint32_t Style, TColor Color, uint32_t Hatch) {
    TWmfBrush Brush;
    Brush.Color = ColorOf(static_cast<uint32_t>(Color));
    if (Style == BS_NULL) {
        Brush.Style = TWmfBrushStyle::Null;
    } else if (Style == BS_HATCHED && Hatch <= 5) {
        Brush.Style = TWmfBrushStyle::Hatched;
        Brush.Hatch = static_cast<TWmfHatch>(Hatch);
    }
    // Anything else paints solid: BS_SOLID, hatches without a pattern
    // (HS_SOLIDCLR ...) and pattern styles given without their pattern.
    return Brush;
}
