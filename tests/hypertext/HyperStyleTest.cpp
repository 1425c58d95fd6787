#include "hypertext/HyperStyle.h"

#include <gtest/gtest.h>

namespace {

// Counts the change notifications of a style.
struct Counted {
    Counted() {
        style.OnChange = [this](TObject*) { ++changes; };
    }
    THyperStyle style;
    int changes = 0;
};

} // namespace

TEST(HyperStyle, HasItsDefaults) {
    THyperStyle s;
    EXPECT_EQ(s.Alignment(), haLeft);
    EXPECT_EQ(s.BackColor(), static_cast<TColor>(0x80000005));
    EXPECT_FALSE(s.Background());
    EXPECT_EQ(s.Layout(), tlBottom);
    EXPECT_EQ(s.LinkColor(), 0xFF0000);
    EXPECT_TRUE(s.UnderlineLinks());
    EXPECT_EQ(s.FontWeight(), 0);
    THyperIndex index;
    EXPECT_EQ(index.Height(), 50);
}

TEST(HyperStyle, ReportsRealChangesOnlyAndIgnoresValuesOutOfRange) {
    Counted c;
    c.style.SetAlignment(4);
    c.style.SetLayout(3);
    c.style.SetMargin(-1);
    c.style.SetAlignment(haLeft); // unchanged
    c.style.SetUnderlineLinks(true);
    EXPECT_EQ(c.changes, 0);
    EXPECT_EQ(c.style.Alignment(), haLeft);
    c.style.SetAlignment(haPage);
    c.style.SetMargin(5);
    c.style.SetBackground(true);
    EXPECT_EQ(c.changes, 3);
    c.style.Font()->SetSize(20);
    EXPECT_EQ(c.changes, 4) << "font changes come through FontChanged";

    THyperIndex index;
    int changes = 0;
    index.OnChange = [&](TObject*) { ++changes; };
    index.SetHeight(101);
    index.SetLowerOffset(-1);
    index.SetHeight(50);
    EXPECT_EQ(changes, 0);
    index.SetUpperOffset(30);
    EXPECT_EQ(changes, 1);
}

TEST(HyperStyle, AssignCopiesEverythingWithOneNotification) {
    THyperStyle source;
    source.SetAlignment(haCenter);
    source.SetBackColor(0x123456);
    source.SetInterval(4);
    source.SetLinkColor(0x00FF00);
    source.SetOverBorders(true);
    source.Font()->SetName("Arial");
    source.Font()->SetStyle({fsItalic});
    source.SetFontWeight(600);
    Counted c;
    c.style.Assign(source);
    EXPECT_EQ(c.changes, 1);
    EXPECT_EQ(c.style.Alignment(), haCenter);
    EXPECT_EQ(c.style.BackColor(), 0x123456);
    EXPECT_EQ(c.style.Interval(), 4);
    EXPECT_TRUE(c.style.OverBorders());
    EXPECT_EQ(c.style.Font()->Name(), "Arial");
    EXPECT_EQ(c.style.FontWeight(), 600);
    EXPECT_EQ(c.style.Font()->Weight(), 600);
    c.style.Assign(c.style);
    EXPECT_EQ(c.changes, 1) << "assigning a style to itself does nothing";
}

TEST(HyperStyle, AppliesAnExplicitWeightOrPitchThroughTheFontDescription) {
    THyperStyle s;
    s.SetFontWeight(700);
    EXPECT_FALSE(s.Font()->Style().Contains(fsBold)) << "700 alone does not make it bold";
    EXPECT_EQ(s.Font()->Weight(), 400);
    s.SetFontWeight(600);
    EXPECT_EQ(s.Font()->Weight(), 600);
    // Back to no weight of its own (a closed weight tag): the style's bold
    // decides again, and the rest of the font stays.
    s.Font()->SetStyle({fsItalic});
    s.SetFontWeight(300);
    s.SetFontWeight(0);
    EXPECT_EQ(s.Font()->Weight(), 400);
    EXPECT_TRUE(s.Font()->Style().Contains(fsItalic));
    s.Font()->SetStyle({fsBold});
    s.SetFontWeight(900);
    s.SetFontWeight(400);
    EXPECT_EQ(s.Font()->Weight(), 700);
    THyperStyle fixed;
    fixed.Font()->SetPitch(fpFixed);
    fixed.SetFontWeight(400);
    EXPECT_TRUE(fixed.Font()->HasLogFont()) << "a fixed pitch recreates the font";
    EXPECT_EQ(fixed.Font()->Weight(), 400);
}
