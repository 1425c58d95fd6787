#include "platform/MetafileObjects.h"

#include <cmath>

namespace {

constexpr uint32_t PS_STYLE_MASK = 0xF, PS_ENDCAP_MASK = 0xF00, PS_JOIN_MASK = 0xF000,
                   PS_GEOMETRIC = 0x10000;
constexpr uint32_t PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200;
constexpr uint32_t PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000;
constexpr uint32_t BS_NULL = 1, BS_HATCHED = 2;

TMfPenStyle StyleOf(uint32_t Style) {
    switch (Style & PS_STYLE_MASK) {
    case 1:
        return TMfPenStyle::Dash;
    case 2:
        return TMfPenStyle::Dot;
    case 3:
        return TMfPenStyle::DashDot;
    case 4:
        return TMfPenStyle::DashDotDot;
    case 5:
        return TMfPenStyle::Null;
    case 6:
        return TMfPenStyle::InsideFrame;
    case 7:
        return TMfPenStyle::Dash; // user style: shown as a plain dash
    case 8:
        return TMfPenStyle::Dot; // alternate pixels
    default:
        return TMfPenStyle::Solid;
    }
}

} // namespace

TMfPen MakePen(uint32_t Style, double Width, TColor Color) {
    TMfPen Pen;
    Pen.Style = StyleOf(Style);
    Pen.Width = std::isfinite(Width) ? std::fabs(Width) : 0;
    Pen.Color = ColorOf(static_cast<uint32_t>(Color));
    const uint32_t Cap = Style & PS_ENDCAP_MASK, Join = Style & PS_JOIN_MASK;
    Pen.Cap = Cap == PS_ENDCAP_FLAT     ? TMfLineCap::Flat
              : Cap == PS_ENDCAP_SQUARE ? TMfLineCap::Square
                                        : TMfLineCap::Round;
    Pen.Join = Join == PS_JOIN_MITER   ? TMfLineJoin::Miter
               : Join == PS_JOIN_BEVEL ? TMfLineJoin::Bevel
                                       : TMfLineJoin::Round;
    return Pen;
}

TMfPen MakeExtPen(uint32_t Style, double Width, uint32_t BrushStyle, TColor Color) {
    TMfPen Pen = MakePen(Style, Width, Color);
    Pen.Cosmetic = !(Style & PS_GEOMETRIC);
    if (BrushStyle == BS_NULL) Pen.Style = TMfPenStyle::Null;
    return Pen;
}

TMfBrush MakeBrush(uint32_t Style, TColor Color, uint32_t Hatch) {
    TMfBrush Brush;
    Brush.Color = ColorOf(static_cast<uint32_t>(Color));
    if (Style == BS_NULL) {
        Brush.Style = TMfBrushStyle::Null;
    } else if (Style == BS_HATCHED && Hatch <= 5) {
        Brush.Style = TMfBrushStyle::Hatched;
        Brush.Hatch = static_cast<TMfHatch>(Hatch);
    }
    // Anything else paints solid: BS_SOLID, hatches without a pattern
    // (HS_SOLIDCLR ...) and pattern styles given without their pattern.
    return Brush;
}
