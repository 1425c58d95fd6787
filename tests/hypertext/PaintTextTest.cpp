// Painting: link rectangles, gaps, backgrounds and the scaled replay.
#include "LayoutTestPage.h"

#include "hypertext/HyperLink.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const THyperLink* LinkOf(THyperText& view, int id) {
    for (const THyperLink* link = view.Links(); link; link = link->Next())
        if (link->Id() == id) return link;
    return nullptr;
}

std::vector<TRect> RectsOf(THyperText& view, int id) {
    const THyperLink* link = LinkOf(view, id);
    if (!link) return {};
    return {link->Rects().begin(), link->Rects().begin() + link->RectsInUse()};
}

// The TextOut calls of the display list that draw a single space.
int SpaceCalls(const THyperText& view) {
    std::istringstream trace(view.Rendering().Trace());
    int count = 0;
    for (std::string line; std::getline(trace, line);)
        if (line.starts_with("TextOut") && line.ends_with("\" \"")) ++count;
    return count;
}

QImage Grab(THyperText& view) {
    return view.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PaintText, ALinkWrappingOverTwoLinesCoversBothWithItsGaps) {
    TLayoutPage page(150, 200);
    page.Show("<align=left>Some words <hint=see><a=7>link that wraps over</a> end</align>");
    const std::vector<TRect> rects = RectsOf(page.View(), 7);
    ASSERT_EQ(rects.size(), 4u) << "one rectangle per word";
    EXPECT_NE(page.LineOf(page.Word("link")), page.LineOf(page.Word("over")));
    for (const char* text : {"link", "that", "wraps", "over"}) {
        const TRect word = page.Painted(text);
        const auto found = std::find_if(rects.begin(), rects.end(),
                                        [&](const TRect& r) { return r.Left == word.Left; });
        ASSERT_NE(found, rects.end()) << text;
        EXPECT_EQ(found->Top, word.Top);
        EXPECT_EQ(found->Bottom, word.Bottom);
    }
    // Inside a line the rectangle reaches the next link word; the last word
    // of the link and of a line stop at their own end.
    EXPECT_EQ(rects[0].Right, page.Painted("that").Left);
    EXPECT_EQ(rects[3].Right, page.Painted("over").Right);

    THyperLink hit(0, "");
    for (const TRect& r : rects) {
        EXPECT_TRUE(page.View().CheckLink(r.Left + 1, r.Top + 1, hit));
        EXPECT_EQ(hit.Id(), 7);
        EXPECT_EQ(hit.Hint(), "see");
    }
}

TEST(PaintText, ALinkInSeparateRunsCollectsAllItsRectanglesOncePerPaint) {
    TLayoutPage page(400, 200);
    page.Show("<a=3>first</a> middle <a=3>again</a>");
    EXPECT_EQ(RectsOf(page.View(), 3).size(), 2u);
    page.Relayout();
    EXPECT_EQ(RectsOf(page.View(), 3).size(), 2u) << "a new paint replaces the rectangles";
    EXPECT_EQ(RectsOf(page.View(), 3)[1].Left, page.Painted("again").Left);
}

TEST(PaintText, GapsArePaintedOnlyWhereLinesOrBackgroundsRunOn) {
    TLayoutPage page(400, 200);
    page.Show("<align=left>plain words here</align>");
    EXPECT_EQ(SpaceCalls(page.View()), 0);
    page.Show("<align=left><u>under lined</u> plain</align>");
    EXPECT_EQ(SpaceCalls(page.View()), 1) << "only the gap inside the underline";
    page.Show("<align=left><background=yellow>on yellow</background> plain</align>");
    EXPECT_EQ(SpaceCalls(page.View()), 1);
    page.Show("<align=left><u>red <color=red>blue</color></u></align>");
    EXPECT_EQ(SpaceCalls(page.View()), 0) << "a colour change ends the line at the gap";
}

TEST(PaintText, AJustifiedGapIsFilledWithSpacesToItsEnd) {
    TLayoutPage page(200, 200);
    page.Show("<u>wide gap</u>");
    const TRect wide = page.Painted("wide");
    const TRect gap = page.Painted("gap");
    ASSERT_GT(gap.Left - wide.Right, page.SpaceWidth());
    const int space = page.SpaceWidth();
    EXPECT_EQ(SpaceCalls(page.View()), (gap.Left - wide.Right + space - 1) / space);
    const std::string trace = page.View().Rendering().Trace();
    const std::string lastSpace = "TextOut (" + std::to_string(gap.Left - space) + ", ";
    EXPECT_NE(trace.find(lastSpace), std::string::npos) << "the last space ends at the gap's end";
}

TEST(PaintText, WordBackgroundsAndTextArePaintedInTheirColours) {
    TLayoutPage page(200, 100);
    page.View().SetColor(clWhite);
    page.Show("<align=left><background=#00FFFF><color=red>WWW</color></background></align>");
    const QImage image = Grab(page.View());
    const TRect r = page.Painted("WWW");
    const QRgb corner = image.pixel(r.Left + 1, r.Top + 1);
    EXPECT_EQ(qRed(corner), 255);
    EXPECT_EQ(qGreen(corner), 255);
    EXPECT_EQ(qBlue(corner), 0) << "yellow (#00FFFF is blue 0, green and red 255)";
    EXPECT_EQ(image.pixel(r.Right + 5, r.Top + 1), qRgb(255, 255, 255));
}

// </BACKGROUND> turns the word background off: the words after it and the
// gap between them show the page through a clear brush, not the default
// style's background colour.
TEST(PaintText, ABackgroundResetLeavesTheNextWordsOnThePage) {
    TLayoutPage page(300, 100);
    page.View().SetColor(clSilver);
    page.Show("<align=left><background=#00FFFF>on yellow</background> after the reset</align>");
    const QImage image = Grab(page.View());
    const TRect yellow = page.Painted("yellow");
    EXPECT_EQ(image.pixel(yellow.Left + 1, yellow.Top + 1), qRgb(255, 255, 0));
    const TRect after = page.Painted("after");
    const TRect reset = page.Painted("reset");
    ASSERT_EQ(after.Top, reset.Top);
    int white = 0, pageColour = 0;
    for (int y = after.Top; y < after.Bottom; ++y)
        for (int x = after.Left; x < reset.Right; ++x) {
            white += image.pixel(x, y) == qRgb(255, 255, 255);
            pageColour += image.pixel(x, y) == qRgb(0xC0, 0xC0, 0xC0);
        }
    EXPECT_EQ(white, 0) << "no background behind the words or their gaps";
    EXPECT_GT(pageColour, (reset.Right - after.Left) * after.Height() / 2);
}

TEST(PaintText, AZoomedPageIsTheRealPageScaledAndSharp) {
    TLayoutPage page(200, 100);
    page.View().SetColor(clWhite);
    page.Show("<align=left>Sharp <background=#00FF00>text</background></align>");
    const QImage real = Grab(page.View());
    const TRect word = page.Painted("text");
    page.View().SetStretch(true);
    page.View().SetBoundsRect(Bounds(0, 0, 400, 200));
    EXPECT_EQ(page.View().THyperControl::RealWidth(), 200) << "the layout stays";
    const QImage zoomed = Grab(page.View());
    ASSERT_EQ(zoomed.width(), 400);
    EXPECT_EQ(zoomed.pixel(2 * word.Left + 2, 2 * word.Top + 2), qRgb(0, 255, 0));
    EXPECT_EQ(zoomed.pixel(2 * word.Right + 2, 2 * word.Top + 2), qRgb(255, 255, 255));

    // Drawn again as vectors, the glyphs keep crisp edges: far fewer
    // half-tone pixels than the real-size image blown up.
    const QImage blown = real.scaled(400, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    const auto halfTones = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 100; ++x) {
                const int v = qGray(image.pixel(x, y));
                n += v > 40 && v < 215;
            }
        return n;
    };
    EXPECT_LT(halfTones(zoomed) * 3, halfTones(blown) * 2);
}

TEST(PaintText, PaintingWaitsUntilTheViewIsReady) {
    TLayoutPage page(200, 100);
    page.Show("text");
    TMetafile metafile;
    TMetafileCanvas canvas(metafile);
    page.View().SetHyperState(hsChanging);
    EXPECT_FALSE(page.View().PaintTo(canvas));
    EXPECT_EQ(metafile.RecordCount(), 0);
    page.View().SetHyperState(hsReady);
    EXPECT_TRUE(page.View().PaintTo(canvas));
    EXPECT_GT(metafile.RecordCount(), 0);
}

TEST(PaintText, WordsBelowTheRealSizeAreNotDrawnButTheirLinksRegister) {
    TLayoutPage page(200, 40);
    page.Show("one<p>two<p>three<p>four<p><a=9>five</a><p>");
    const TRect five = page.Painted("five");
    ASSERT_GT(five.Top, 40 + five.Height());
    const std::string trace = page.View().Rendering().Trace();
    EXPECT_NE(trace.find("\"one\""), std::string::npos);
    EXPECT_EQ(trace.find("\"five\""), std::string::npos);
    ASSERT_EQ(RectsOf(page.View(), 9).size(), 1u);
    EXPECT_EQ(RectsOf(page.View(), 9)[0].Top, five.Top);
}
