// Line filling, alignment, justification, shifts and indices.
#include "LayoutTestPage.h"

#include <gtest/gtest.h>

namespace {

const char* const kParagraph =
    "One two three four five six seven eight nine ten eleven twelve thirteen fourteen "
    "fifteen sixteen seventeen eighteen nineteen twenty twenty-one twenty-two.";

int Right(const TLayoutPage& page, const THyperString& line) {
    return page.Painted(*line.Last()).Right;
}

} // namespace

TEST(LayoutLines, JustifiedLinesEndOnePixelShortOfTheAreaAndTheLastStaysLeft) {
    TLayoutPage page(300, 400);
    page.Show(std::string(kParagraph) + "<p>");
    ASSERT_GE(page.Lines().size(), 3u);
    for (size_t i = 0; i + 1 < page.Lines().size(); ++i) {
        const THyperString& line = page.Line(i);
        EXPECT_EQ(line.Bounds.Left, 0);
        EXPECT_EQ(line.Bounds.Right, 299);
        EXPECT_EQ(Right(page, line), 299) << "line " << i << " ends one pixel short of 300";
        // Each gap takes the remaining free space over the remaining gaps, so
        // the gaps grow by at most one pixel from left to right.
        int previousGap = 0;
        for (size_t k = 1; k < line.Words.size(); ++k) {
            const int gap =
                page.Painted(*line.Words[k]).Left - page.Painted(*line.Words[k - 1]).Right;
            if (k > 1) {
                EXPECT_TRUE(gap == previousGap || gap == previousGap + 1) << gap;
            }
            previousGap = gap;
        }
    }
    const THyperString& last = page.Line(page.Lines().size() - 1);
    EXPECT_EQ(last.FreeSpace, 0) << "the paragraph's last line is not spread";
    EXPECT_TRUE(last.Last()->ParagraphEnd);
    const int space = page.SpaceWidth();
    for (size_t k = 1; k < last.Words.size(); ++k)
        EXPECT_EQ(page.Painted(*last.Words[k]).Left,
                  page.Painted(*last.Words[k - 1]).Right + space);
}

TEST(LayoutLines, AJustifiedFinalLineWithoutAParagraphEndIsSpreadToo) {
    TLayoutPage page(300, 400);
    page.Show(kParagraph);
    const THyperString& last = page.Line(page.Lines().size() - 1);
    ASSERT_GT(last.Words.size(), 1u);
    EXPECT_GT(last.FreeSpace, 0);
    EXPECT_EQ(Right(page, last), 299);
}

TEST(LayoutLines, MeasuresFreeSpaceAndGapsOfALine) {
    TLayoutPage page(400, 100);
    page.Show("<align=left>alpha beta<b>gamma</b></align>");
    const THyperString& line = page.Line(0);
    ASSERT_EQ(line.Words.size(), 3u);
    EXPECT_EQ(line.SpaceCount, 2) << "the joined word opens no gap";
    const int content = page.Painted("gamma").Right;
    EXPECT_EQ(line.FreeSpace, 400 - content - 1);
    EXPECT_EQ(page.Painted("beta").Left, page.Painted("alpha").Right + page.SpaceWidth());
    EXPECT_EQ(page.Painted("gamma").Left, page.Painted("beta").Right);
    EXPECT_EQ(line.Bounds, Rect(0, 0, 399, page.Painted("alpha").Height()));
}

TEST(LayoutLines, CentringPutsTheOddPixelOnTheRightAndRightAlignmentAllOnTheLeft) {
    TLayoutPage page(301, 100);
    page.Show("<align=center>middle words</align><p><align=right>right words</align><p>");
    const THyperString& centred = page.Line(0);
    EXPECT_EQ(page.Painted("middle").Left, centred.FreeSpace / 2);
    const int leftSpace = page.Painted("middle").Left;
    const int rightSpace = 301 - page.Painted("words").Right;
    EXPECT_TRUE(rightSpace == leftSpace + 1 || rightSpace == leftSpace + 2)
        << "free space = area - content - 1, its odd pixel on the right";
    const THyperString& right = page.Line(1);
    EXPECT_EQ(page.Painted("right").Left, right.FreeSpace);
    EXPECT_EQ(page.Painted(*right.Last()).Right, 300);
}

// A line takes words while their widths, with a space before each but the
// first, stay below the area's width, so its last pixel is never used: words
// adding up to exactly the width send the last of them to the next line; one
// pixel more and they all fit, ending one pixel short with no free space.
TEST(LayoutLines, WordsAddingUpToTheAreaWidthWrapTheLastOneAndOnePixelMoreFitsThem) {
    TLayoutPage probe;
    const int space = probe.SpaceWidth();
    const int words = probe.TextWidth("alpha") + space + probe.TextWidth("beta") + space +
                      probe.TextWidth("gamma");
    for (const char* align : {"page", "left"}) {
        SCOPED_TRACE(align);
        const std::string markup =
            std::string("<align=") + align + ">alpha beta gamma delta</align>";

        TLayoutPage exact(words, 200);
        exact.Show(markup);
        ASSERT_GE(exact.Lines().size(), 2u);
        EXPECT_EQ(exact.Line(0).Last()->Text, "beta");
        EXPECT_EQ(exact.Line(1).First()->Text, "gamma");

        TLayoutPage roomy(words + 1, 200);
        roomy.Show(markup);
        ASSERT_GE(roomy.Lines().size(), 2u);
        const THyperString& line = roomy.Line(0);
        EXPECT_EQ(line.Last()->Text, "gamma");
        EXPECT_EQ(line.FreeSpace, 0);
        EXPECT_EQ(roomy.Painted("gamma").Right, words) << "one pixel short of the area";
        EXPECT_EQ(roomy.Painted("beta").Left, roomy.Painted("alpha").Right + space);
        EXPECT_EQ(roomy.Line(1).First()->Text, "delta");
    }
}

TEST(LayoutLines, AWordWiderThanTheLineStandsAloneAndJoinedWordsStayTogether) {
    TLayoutPage page(60, 200);
    page.Show("a Incomprehensibilities b<nbspc>c<nbspc>d<nbspc>e<nbspc>f<nbspc>g<nbspc>h");
    ASSERT_GE(page.Lines().size(), 3u);
    EXPECT_EQ(page.Line(0).Words.size(), 1u);
    EXPECT_EQ(page.Line(1).First()->Text, "Incomprehensibilities");
    EXPECT_EQ(page.Line(1).Words.size(), 1u);
    EXPECT_GT(page.Painted("Incomprehensibilities").Right, 60) << "it overflows to the right";
    EXPECT_EQ(page.Line(2).First()->Text, "b");
    EXPECT_EQ(page.Line(2).Last()->Text, "h") << "the joined group is never broken";
}

// However it stands, a word wider than the line keeps on its line the words
// joined to it (by a non-breaking space or a change of style); the next line
// starts after the group, never with the non-breaking space.
TEST(LayoutLines, AWordWiderThanTheLineKeepsTheWordsJoinedToIt) {
    TLayoutPage page(200, 200);
    const std::string wide(30, '\xD8'); // a Cyrillic capital sha in code page 1251
    for (const std::string before : {"ab ", "ab<p> ", ""}) {
        for (const std::string joined : {"<NBSPC>cd", "<B>cd</B>"}) {
            page.Show(before + wide + joined + " ef<p>");
            const std::string input = before + "|" + joined;
            const size_t line = before.empty() ? 0 : 1;
            ASSERT_EQ(page.Lines().size(), line + 2) << input;
            if (line) {
                EXPECT_EQ(page.Line(0).Words.size(), 1u) << input;
            }
            const THyperString& group = page.Line(line);
            EXPECT_EQ(group.First()->Text, wide) << input;
            EXPECT_EQ(group.Last()->Text, "cd") << input;
            const int nbsp = joined == "<NBSPC>cd" ? page.SpaceWidth() : 0;
            EXPECT_EQ(page.Painted("cd").Left, page.Painted(wide).Right + nbsp) << input;
            EXPECT_EQ(page.Painted("cd").Top, page.Painted(wide).Top) << input;
            EXPECT_EQ(page.Line(line + 1).First()->Text, "ef") << input;
            EXPECT_EQ(page.Painted("ef").Left, 0) << input;
        }
    }
}

TEST(LayoutLines, LineBreaksAndParagraphEndsEndLines) {
    TLayoutPage page(400, 200);
    page.Show("one<line>two<p>three");
    ASSERT_EQ(page.Lines().size(), 3u);
    EXPECT_EQ(page.Line(1).Bounds.Top, page.Line(0).Bounds.Bottom);
    EXPECT_FALSE(page.Line(0).Last()->LineBreak) << "not carried to line words";
    EXPECT_TRUE(page.Line(1).Last()->ParagraphEnd);
}

TEST(LayoutLines, VerticalShiftsAddUpAlongALine) {
    TLayoutPage page(400, 200);
    page.Show("<align=left>x<down=6>a<down=6>b</align>");
    const THyperString& line = page.Line(0);
    const int base = page.Painted("x").Top;
    EXPECT_EQ(page.Painted("a").Top, base + 6);
    EXPECT_EQ(page.Painted("b").Top, base + 12);
    EXPECT_EQ(line.Last()->ShiftY, 12);
    EXPECT_EQ(line.Bounds.Height(), page.Painted("x").Height() + 12) << "the line deepens";

    page.Show("<align=left><direct>x<down=6>a<down=6>b</direct></align>");
    EXPECT_EQ(page.Painted("b").Top, page.Painted("x").Top + 12);
    EXPECT_EQ(page.Line(0).Bounds.Height(), page.Painted("x").Height())
        << "a direct offset leaves the line's height alone";

    page.Show("<align=left>x<up=5>a</align>");
    EXPECT_EQ(page.Line(0).Lift, -5);
    EXPECT_EQ(page.Painted("a").Top, page.Line(0).Bounds.Top);
    EXPECT_EQ(page.Painted("x").Top, page.Line(0).Bounds.Top + 5);
}

TEST(LayoutLines, HorizontalShiftsMoveTheWord) {
    TLayoutPage page(400, 200);
    page.Show("<align=left>a<right=10>b<left=4>c</align>");
    EXPECT_EQ(page.Painted("b").Left, page.Painted("a").Right + 10);
    EXPECT_EQ(page.Painted("c").Left, page.Painted("b").Right - 4);
}

TEST(LayoutLines, LowerAndUpperIndicesStackAfterTheirBase) {
    TLayoutPage page(400, 200);
    page.View().IndexStyleObject().SetHeight(50);
    page.Show("<align=left>x<sup>2</sup><sub>i</sub> y</align>");
    const TRect x = page.Painted("x");
    const TRect up = page.Painted("2");
    const TRect low = page.Painted("i");
    EXPECT_EQ(up.Left, x.Right);
    EXPECT_EQ(low.Left, x.Right) << "the lower index stands under the upper one";
    EXPECT_EQ(up.Top, x.Top) << "an upper index is level with the top of the text";
    const THyperString& line = page.Line(0);
    EXPECT_EQ(line.Lift, 0);
    EXPECT_EQ(line.Bounds.Height(), x.Height()) << "50% indices leave the line's height";
    const int hh = x.Height();
    EXPECT_EQ(low.Top, x.Top + hh / 2);
    EXPECT_NEAR(low.Top + hh * 50 / 100, x.Bottom, 1)
        << "a lower index's bottom is level with the text's bottom";
    TFont indexFont;
    indexFont.Assign(*page.View().DefaultStyle().Font());
    indexFont.SetHeight(hh * 50 / 100);
    EXPECT_EQ(up.Width(), page.TextWidth("2", &indexFont));
    EXPECT_TRUE(page.Word("2").Style->Font()->Style() == TFontStyles{});
}

TEST(LayoutLines, LargerIndicesLiftAndDeepenTheLine) {
    TLayoutPage page(400, 200); // index height 70
    page.Show("<align=left>x<sup>2</sup> y<sub>3</sub></align>");
    const int hh = page.Painted("x").Height();
    const int c = hh * 70 / 100;
    const THyperString& line = page.Line(0);
    EXPECT_EQ(line.Lift, hh / 2 - c);
    EXPECT_EQ(line.Bounds.Height(), hh + 2 * (c - hh / 2));
    EXPECT_EQ(page.Painted("2").Top, line.Bounds.Top);
    EXPECT_EQ(page.Painted("x").Top, line.Bounds.Top + (c - hh / 2));
}

TEST(LayoutLines, IntervalAddsSpaceAtTheTopOfALine) {
    TLayoutPage page(400, 200);
    page.Show("<interval=7>spaced</interval>");
    const THyperString& line = page.Line(0);
    EXPECT_EQ(page.Painted("spaced").Top, 7);
    EXPECT_EQ(line.Bounds.Bottom, 7 + page.Painted("spaced").Height());
}

TEST(LayoutLines, LinkWordsTakeTheLinkColourAndUnderline) {
    TLayoutPage page(400, 200);
    page.Show("<color=red><a=4>link</a> <sub><a=4>i</a></sub> plain</color>");
    const THyperWord& link = page.Word("link");
    EXPECT_EQ(link.Style->Font()->Color(), clBlue);
    EXPECT_TRUE(link.Style->Font()->Style().Contains(fsUnderline));
    EXPECT_FALSE(page.Word("i").Style->Font()->Style().Contains(fsUnderline)) << "an index is not";
    EXPECT_EQ(page.Word("plain").Style->Font()->Color(), clRed);
    page.Show("<color=clWindowText><background=clBtnFace>sys</background></color>");
    EXPECT_EQ(page.Word("sys").Style->Font()->Color(), ColorToRGB(clWindowText));
    EXPECT_EQ(page.Word("sys").Style->BackColor(), ColorToRGB(clBtnFace));
}

// A link word and its neighbours share one style in the page's words; the
// link's colour and underline reach neither them nor the next layout.
TEST(LayoutLines, LinkColoursStayOnTheLinkThroughRelayouts) {
    TLayoutPage page(400, 200);
    page.Show("before <a=4>link</a> after");
    for (int pass = 0; pass < 2; ++pass) {
        for (const char* plain : {"before", "after"}) {
            EXPECT_EQ(page.Word(plain).Style->Font()->Color(), ColorToRGB(clWindowText)) << plain;
            EXPECT_FALSE(page.Word(plain).Style->Font()->Style().Contains(fsUnderline)) << plain;
        }
        EXPECT_EQ(page.Word("link").Style->Font()->Color(), clBlue);
        EXPECT_TRUE(page.Word("link").Style->Font()->Style().Contains(fsUnderline));
        page.Relayout();
    }
}

TEST(LayoutLines, AnEmptyPageHasNoLinesAndHeightZero) {
    TLayoutPage page(400, 200);
    page.Show("");
    EXPECT_TRUE(page.Lines().empty());
    EXPECT_EQ(page.View().CalcHeight(page.Lines()), 0);
}
