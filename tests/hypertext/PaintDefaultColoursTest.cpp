// DEFAULT as a colour value, painted: the page's default colours come back.
#include "LayoutTestPage.h"

#include <gtest/gtest.h>

namespace {

// The pixels of R that are not white, and those of them that are no blend of
// Colour with white (a blend has every channel at least the colour's).
struct TInk {
    int All = 0;
    int Foreign = 0;
};

TInk InkIn(const QImage& image, const TRect& r, TColor colour) {
    const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    TInk ink;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == qRgb(255, 255, 255)) continue;
            ++ink.All;
            if (qRed(p) < red - 2 || qGreen(p) < green - 2 || qBlue(p) < blue - 2) ++ink.Foreign;
        }
    return ink;
}

} // namespace

TEST(PaintDefaultColours, ADefaultBackgroundLeavesTheWordOnThePage) {
    TLayoutPage page(200, 100);
    page.View().SetColor(clWhite);
    page.Show("<FONTHEIGHT=30><BACKGROUND=#00FF00>a <BACKGROUND=DEFAULT>b<p>");
    const QImage image = page.Image();
    const TRect a = page.Painted("a");
    const TRect b = page.Painted("b");
    EXPECT_EQ(image.pixel(a.Left + 1, a.Top + 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(b.Left + 1, b.Top + 1), qRgb(255, 255, 255)) << "no background";
    const TInk ink = InkIn(image, b, clBlack);
    EXPECT_GT(ink.All, 0);
    EXPECT_LT(ink.All, b.Width() * b.Height() / 2) << "the letter only";
}

TEST(PaintDefaultColours, DefaultTextAndLinkColoursAreTheDefaultStyles) {
    TLayoutPage page(300, 100);
    page.View().SetColor(clWhite);
    page.View().DefaultStyle().Font()->SetColor(clBlue);
    page.View().DefaultStyle().SetLinkColor(clLime);
    page.Show("<FONTHEIGHT=30><B><COLOR=red>a <COLOR=DEFAULT>b "
              "<LINKCOLOR=red><A=1>c</A> <LINKCOLOR=DEFAULT><A=2>d</A></B><p>");
    const QImage image = page.Image();
    const std::pair<const char*, TColor> words[] = {
        {"a", clRed}, {"b", clBlue}, {"c", clRed}, {"d", clLime}};
    for (const auto& [text, colour] : words) {
        const TInk ink = InkIn(image, page.Painted(text), colour);
        EXPECT_GT(ink.All, 20) << text;
        EXPECT_EQ(ink.Foreign, 0) << text;
    }
}
