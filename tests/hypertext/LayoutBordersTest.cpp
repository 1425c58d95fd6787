// Side boxes: their place, margins and stacking, and the text flowing beside them.
#include "LayoutTestPage.h"

#include <gtest/gtest.h>

namespace {

const THyperBorder& BoxOf(const TLayoutPage& page, size_t line) {
    const THyperBorder* box = page.Line(line).First()->Border.get();
    if (!box) throw std::runtime_error("line has no box");
    return *box;
}

const char* const kText = "Page text that goes on long enough to need several lines beside the box "
                          "and then some more words to come back below it again at last.";

} // namespace

TEST(LayoutBorders, ALeftBoxPushesTheTextAsideUntilItEnds) {
    TLayoutPage page(400, 400);
    page.Show(std::string("<leftborder=100>box text</leftborder>") + kText);
    const THyperBorder& box = BoxOf(page, 0);
    EXPECT_EQ(page.Line(0).Words.size(), 1u) << "the anchor stands on a line of its own";
    EXPECT_EQ(page.Line(0).Bounds.Bottom, 0) << "an anchor's line adds no height";
    EXPECT_EQ(box.Bounds, Rect(0, 0, 100, box.Bounds.Bottom));
    EXPECT_EQ(box.ContentBounds, Rect(0, 0, 101, box.Bounds.Bottom));
    ASSERT_EQ(box.Lines.size(), 1u);
    EXPECT_EQ(box.Bounds.Bottom, box.Lines[0]->Bounds.Bottom + 1);
    EXPECT_EQ(page.Painted("box").Left, 0);

    const THyperString& beside = page.Line(1);
    EXPECT_EQ(beside.Bounds.Left, 100);
    EXPECT_EQ(beside.Bounds.Right, 399);
    EXPECT_EQ(page.Painted("Page").Left, 100);
    bool returned = false;
    for (size_t i = 1; i < page.Lines().size(); ++i) {
        const THyperString& line = page.Line(i);
        const bool meets = line.Bounds.Top < box.Bounds.Bottom;
        EXPECT_EQ(line.Bounds.Left, meets ? 100 : 0) << "line " << i;
        returned |= !meets;
    }
    EXPECT_TRUE(returned);
}

TEST(LayoutBorders, ClosingBordersMovesTheNextLineBelowTheBox) {
    TLayoutPage page(400, 400);
    page.Show("<leftborder=100>one<line>two<line>three<line>four</leftborder>short.</border>after");
    const THyperBorder& box = BoxOf(page, 0);
    const THyperString& first = page.Line(1);
    EXPECT_EQ(first.Bounds.Left, 100);
    EXPECT_TRUE(first.Last()->ClearBorders);
    EXPECT_EQ(first.Bounds.Bottom, box.Bounds.Bottom) << "the line reaches below the box";
    const THyperString& after = page.Line(2);
    EXPECT_EQ(after.Bounds.Top, box.Bounds.Bottom);
    EXPECT_EQ(after.Bounds.Left, 0);
    EXPECT_EQ(after.Bounds.Right, 399);
}

TEST(LayoutBorders, BoxesOfOneSideStackDownwardsAndRightBoxesStandAtTheRight) {
    TLayoutPage page(400, 400);
    page.Show("<leftborder=80>first box</leftborder><leftborder=60>second</leftborder>"
              "<rightborder=90>right box</rightborder>text");
    const THyperBorder& first = BoxOf(page, 0);
    const THyperBorder& second = BoxOf(page, 1);
    const THyperBorder& right = BoxOf(page, 2);
    EXPECT_EQ(second.Bounds.Top, first.Bounds.Bottom);
    EXPECT_EQ(second.Bounds.Left, 0);
    EXPECT_EQ(right.Bounds, Rect(310, 0, 400, right.Bounds.Bottom))
        << "the other side starts at the top";
    const THyperString& text = page.Line(3);
    EXPECT_EQ(text.Bounds.Left, 80);
    EXPECT_EQ(text.Bounds.Right, 309);
}

TEST(LayoutBorders, MarginsKeepTheTextAndTheContentApart) {
    TLayoutPage page(400, 400);
    page.Show("<p>top<p><margin=10><leftborder=100>left</leftborder><rightborder=50>right"
              "</rightborder></margin>text");
    const THyperBorder& left = BoxOf(page, 1);
    const THyperBorder& right = BoxOf(page, 2);
    const int top = left.Bounds.Top;
    ASSERT_GT(top, 0);
    EXPECT_EQ(left.ContentBounds, Rect(0, top + 10, 91, left.Lines[0]->Bounds.Bottom + 1));
    EXPECT_EQ(left.Bounds.Bottom, left.ContentBounds.Bottom + 10);
    EXPECT_EQ(right.ContentBounds.Left, 350 + 10);
    EXPECT_EQ(right.ContentBounds.Right, 401);
    EXPECT_EQ(page.Painted("left").Left, 0);
    EXPECT_EQ(page.Painted("right").Left, 360);
}

TEST(LayoutBorders, ABoxAtTheTopTakesNoTopMargin) {
    TLayoutPage page(400, 400);
    page.Show("<margin=10><leftborder=100>box</leftborder></margin>text");
    EXPECT_EQ(BoxOf(page, 0).ContentBounds.Top, 0);
}

TEST(LayoutBorders, TextIgnoresABoxOpenedOverBorders) {
    TLayoutPage page(400, 400);
    page.Show("<over><leftborder=100>over box</leftborder></over>text under it");
    const THyperBorder& box = BoxOf(page, 0);
    EXPECT_GT(box.Bounds.Bottom, 0) << "the box is laid out and drawn";
    EXPECT_EQ(page.Line(1).Bounds.Left, 0);
}

TEST(LayoutBorders, ABoxOfNoSideIsNeitherLaidOutNorAvoided) {
    TLayoutPage page(400, 400);
    page.Show("<leftborder=400>too wide</leftborder>text");
    const THyperBorder& box = BoxOf(page, 0);
    EXPECT_EQ(box.Side, 0);
    EXPECT_TRUE(box.Lines.empty());
    EXPECT_EQ(page.Line(1).Bounds.Left, 0);
}

TEST(LayoutBorders, ALineNeedingMoreWidthMovesBelowTheBox) {
    TLayoutPage page(400, 400);
    // The least width belongs to the line before: here the anchor's.
    page.Show("<width=150><leftborder=300>a narrow column beside which no line fits"
              "</leftborder>text</width>");
    const THyperBorder& box = BoxOf(page, 0);
    const THyperString& text = page.Line(1);
    EXPECT_EQ(text.Bounds.Top, box.Bounds.Bottom);
    EXPECT_EQ(text.Bounds.Left, 0);

    page.Show("<width=5000><leftborder=300>box</leftborder>text</width>");
    EXPECT_EQ(page.Line(1).Bounds.Left, 0) << "beside no box the line takes the whole width";
}

TEST(LayoutBorders, BoxesNestInsideBoxes) {
    TLayoutPage page(400, 400);
    page.Show("<leftborder=200><rightborder=50>inner</rightborder>outer words</leftborder>page");
    const THyperBorder& outer = BoxOf(page, 0);
    ASSERT_FALSE(outer.Lines.empty());
    const THyperBorder* inner = outer.Lines[0]->First()->Border.get();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Bounds.Left, 151) << "the right edge of the outer content area";
    EXPECT_EQ(page.Painted("outer").Left, 0);
}

TEST(LayoutBorders, HeightCountsTheBoxesAndAutoSizeFitsTheControl) {
    TLayoutPage page(200, 100);
    page.Show("<leftborder=100>a b c d e f g h i j k l m n o p q r s t u v w x y z</leftborder>x");
    const THyperBorder& box = BoxOf(page, 0);
    const int height = page.View().CalcHeight(page.Lines());
    EXPECT_EQ(height,
              std::max(page.Lines().back()->Bounds.Bottom, page.View().CalcHeight(box.Lines)));
    EXPECT_EQ(page.View().HyperState(), hsReady);

    page.View().SetStretch(true);
    page.View().SetBoundsRect(Bounds(0, 0, 400, 200));
    page.View().SetAutoSize(true);
    EXPECT_EQ(page.View().THyperControl::RealHeight(), height);
    EXPECT_EQ(page.View().Height(), height * 2);
    EXPECT_EQ(page.View().Width(), 400);
}

TEST(LayoutBorders, TheSearchBesideBoxesAlwaysMovesDown) {
    // The last box in word order ends above the band while an earlier, taller
    // box still leaves too little width: the line goes below the taller box
    // (taking the last box's bottom would keep the line where it is forever).
    TLayoutPage page(400, 400);
    page.Show("<rightborder=100>one<line>two<line>three<line>four<line>five</rightborder>"
              "<width=350><leftborder=50>x</leftborder>text</width>");
    const THyperBorder& tall = BoxOf(page, 0);
    const THyperString& text = *page.Lines().back();
    EXPECT_EQ(text.First()->Text, "text");
    EXPECT_EQ(text.Bounds.Top, tall.Bounds.Bottom);
    EXPECT_EQ(text.Bounds.Left, 0);
    EXPECT_EQ(text.Bounds.Right, 399);
}
