#pragma once

#include "components/QLPersistent.h"
#include "platform/base/Colors.h"
#include "platform/base/Rect.h"

#include <array>
#include <cstdint>

// Compass directions of the link label's bevels and shadow.
enum TLLDirection : uint8_t {
    dirNone,
    dirNorth,
    dirNorthEast,
    dirEast,
    dirSouthEast,
    dirSouth,
    dirSouthWest,
    dirWest,
    dirNorthWest
};

// The offset of Length pixels in Direction (screen y grows downwards).
TPoint DirectionOffset(TLLDirection Direction, int Length);

// The six colours of a link label's face and bevels, enabled and disabled.
class TLinkLabelColors : public TQLPersistent {
public:
    TLinkLabelColors();

    // clNone for an index outside 0 to 5.
    TColor GetColor(int Index) const;
    // Ignores an index outside 0 to 5.
    void SetColor(int Index, TColor Value);

    TColor DisabledFaceColor() const { return GetColor(0); }
    void SetDisabledFaceColor(TColor Value) { SetColor(0, Value); }
    TColor DisabledInnerColor() const { return GetColor(1); }
    void SetDisabledInnerColor(TColor Value) { SetColor(1, Value); }
    TColor DisabledOuterColor() const { return GetColor(2); }
    void SetDisabledOuterColor(TColor Value) { SetColor(2, Value); }
    TColor EnabledFaceColor() const { return GetColor(3); }
    void SetEnabledFaceColor(TColor Value) { SetColor(3, Value); }
    TColor EnabledInnerColor() const { return GetColor(4); }
    void SetEnabledInnerColor(TColor Value) { SetColor(4, Value); }
    TColor EnabledOuterColor() const { return GetColor(5); }
    void SetEnabledOuterColor(TColor Value) { SetColor(5, Value); }

    void Assign(const TQLPersistent& Source) override;

private:
    std::array<TColor, 6> FColors;
};

// The inner (index 0) and outer (index 1) bevel: a direction, a visible flag
// and a width each.
class TLinkLabelBevels : public TQLPersistent {
public:
    TLinkLabelBevels();

    // Getters give 0 (false) for an index other than 0 or 1.
    TLLDirection GetDirection(int Index) const;
    bool GetVisible(int Index) const;
    uint16_t GetWidth(int Index) const;
    // Setters ignore a bad index; the direction must be 0 to 8.
    void SetDirection(int Index, int Value);
    void SetVisible(int Index, bool Value);
    void SetWidth(int Index, uint16_t Value);

    TLLDirection InnerDir() const { return GetDirection(0); }
    void SetInnerDir(int Value) { SetDirection(0, Value); }
    bool InnerVisible() const { return GetVisible(0); }
    void SetInnerVisible(bool Value) { SetVisible(0, Value); }
    uint16_t InnerWidth() const { return GetWidth(0); }
    void SetInnerWidth(uint16_t Value) { SetWidth(0, Value); }
    TLLDirection OuterDir() const { return GetDirection(1); }
    void SetOuterDir(int Value) { SetDirection(1, Value); }
    bool OuterVisible() const { return GetVisible(1); }
    void SetOuterVisible(bool Value) { SetVisible(1, Value); }
    uint16_t OuterWidth() const { return GetWidth(1); }
    void SetOuterWidth(uint16_t Value) { SetWidth(1, Value); }

    void Assign(const TQLPersistent& Source) override;

private:
    std::array<TLLDirection, 2> FDirection{dirNorthWest, dirSouthEast};
    std::array<bool, 2> FVisible{true, true};
    std::array<uint16_t, 2> FWidth{1, 1};
};

// The drop shadow under a link label's text.
class TLinkLabelShadow : public TQLPersistent {
public:
    uint16_t Depth() const { return FDepth; }
    void SetDepth(uint16_t Value);
    TLLDirection Direction() const { return FDirection; }
    // Accepts 0 to 8 only.
    void SetDirection(int Value);
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor Value);
    TColor EnabledColor() const { return FEnabledColor; }
    void SetEnabledColor(TColor Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Visible, with a direction and a depth.
    bool InForce() const { return FVisible && FDirection != dirNone && FDepth != 0; }

    void Assign(const TQLPersistent& Source) override;

private:
    uint16_t FDepth = 1;
    TLLDirection FDirection = dirNone;
    TColor FDisabledColor = clBtnShadow;
    TColor FEnabledColor = clBtnShadow;
    bool FVisible = false;
};
