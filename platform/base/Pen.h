#pragma once

#include "platform/base/Colors.h"
#include "platform/base/Types.h"

#include <cstdint>

// Pen styles, numbered as the platform's pen styles.
enum TPenStyle : uint8_t {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6
};

// The sixteen binary raster operations, numbered as the vector picture
// language numbers them (platform raster operation code minus one).
enum TPenMode : uint8_t {
    pmBlack = 0,
    pmWhite = 1,
    pmNop = 2,
    pmNot = 3,
    pmCopy = 4,
    pmNotCopy = 5,
    pmMergePenNot = 6,
    pmMaskPenNot = 7,
    pmMergeNotPen = 8,
    pmMaskNotPen = 9,
    pmMerge = 10,
    pmNotMerge = 11,
    pmMask = 12,
    pmNotMask = 13,
    pmXor = 14,
    pmNotXor = 15
};

// A pen: style, colour, width in pixels (0 = one device pixel at any scale)
// and the raster operation of what it and the brush draw.
class TPen : public TObject {
public:
    TPen() = default;
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;

    void Assign(const TPen& Source);
    bool SameAs(const TPen& Other) const;

    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    // Negative widths become 0.
    void SetWidth(int Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

    TNotifyEvent OnChange;

private:
    void Changed();

    TPenStyle FStyle = psSolid;
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenMode FMode = pmCopy;
};
