#pragma once

#include "components/QLPersistent.h"
#include "hypertext/TextAlignment.h"
#include "platform/base/Colors.h"
#include "platform/base/Font.h"

#include <cstdint>
#include <memory>

enum THyperAlignment : uint8_t { haLeft = 0, haCenter = 1, haRight = 2, haPage = 3 };

// The attributes a word is drawn with: font, alignment of its line, vertical
// placement, background, link colour, spacing and side-box settings. Every
// real change is reported once through OnChange; values out of range are
// ignored.
class THyperStyle : public TQLPersistent {
public:
    THyperStyle();
    ~THyperStyle() override;
    THyperStyle(const THyperStyle&) = delete;
    THyperStyle& operator=(const THyperStyle&) = delete;

    THyperAlignment Alignment() const { return FAlignment; }
    TColor BackColor() const { return FBackColor; }
    bool Background() const { return FBackground; }
    bool DirectOffset() const { return FDirectOffset; }
    TFont* Font() const { return FFont.get(); }
    int FontWeight() const { return FFontWeight; }
    int Interval() const { return FInterval; }
    TTextLayout Layout() const { return FLayout; }
    TColor LinkColor() const { return FLinkColor; }
    int Margin() const { return FMargin; }
    bool OverBorders() const { return FOverBorders; }
    bool UnderlineLinks() const { return FUnderlineLinks; }

    void SetAlignment(int Value);
    void SetBackColor(TColor Value);
    void SetBackground(bool Value);
    void SetDirectOffset(bool Value);
    void SetFont(const TFont* Value);
    void SetFontWeight(int Value);
    void SetInterval(int Value);
    void SetLayout(int Value);
    void SetLinkColor(TColor Value);
    void SetMargin(int Value);
    void SetOverBorders(bool Value);
    void SetUnderlineLinks(bool Value);

    // Copies every attribute from another style and reports one change.
    void Assign(const TQLPersistent& Source) override;

    // The font's change handler: applies an explicit weight or pitch through
    // a logical font description, then reports the change.
    void FontChanged(TObject* Sender);

protected:
    bool AssignableFrom(const TQLPersistent& Source) const override;

private:
    template <class T> void Store(T& Field, T Value);
    void AttachFont();

    THyperAlignment FAlignment = haLeft;
    TColor FBackColor = clWindow;
    bool FBackground = false;
    bool FDirectOffset = false;
    std::unique_ptr<TFont> FFont;
    int FFontWeight = 0;
    int FInterval = 0;
    TTextLayout FLayout = tlBottom;
    TColor FLinkColor = clBlue;
    int FMargin = 0;
    bool FOverBorders = false;
    bool FUnderlineLinks = true;
};

// Size and offsets of lower and upper indices, as percentages (0..100) of the
// base font height.
class THyperIndex : public TQLPersistent {
public:
    uint16_t Height() const { return FHeight; }
    uint16_t LowerOffset() const { return FLowerOffset; }
    uint16_t UpperOffset() const { return FUpperOffset; }
    void SetHeight(int Value);
    void SetLowerOffset(int Value);
    void SetUpperOffset(int Value);

    void Assign(const TQLPersistent& Source) override;

protected:
    bool AssignableFrom(const TQLPersistent& Source) const override;

private:
    void Store(uint16_t& Field, int Value);

    uint16_t FHeight = 50;
    uint16_t FLowerOffset = 0;
    uint16_t FUpperOffset = 0;
};
