#pragma once

#include "platform/base/Colors.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <vector>

enum TBrushStyle : uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7
};

// A pattern bitmap that a brush repeats from the origin of the page: Width x
// Height colours, row by row from the top.
struct TBrushPattern {
    static constexpr int MaxSide = 256;
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Pixels;

    bool Empty() const { return Width <= 0 || Height <= 0; }
    TColor Pixel(int X, int Y) const { return Pixels[static_cast<size_t>(Y * Width + X)]; }
    friend bool operator==(const TBrushPattern&, const TBrushPattern&) = default;
};

// A brush: colour and style, or a pattern bitmap, which takes precedence over
// both while it is set.
class TBrush : public TObject {
public:
    TBrush() = default;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;

    void Assign(const TBrush& Source);
    bool SameAs(const TBrush& Other) const;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

    const TBrushPattern& Pattern() const { return FPattern; }
    bool HasPattern() const { return !FPattern.Empty(); }
    // Ignores a pattern whose size is not 1 to MaxSide on each side or whose
    // pixel count does not match.
    void SetPattern(const TBrushPattern& Value);
    void ClearPattern();

    // True when the brush paints nothing (clear style, no pattern).
    bool IsClear() const { return FStyle == bsClear && !HasPattern(); }

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBrushPattern FPattern;
};
