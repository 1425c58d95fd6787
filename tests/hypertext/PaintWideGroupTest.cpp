// A word wider than the line, painted with the words joined to it.
#include "LayoutTestPage.h"

#include <gtest/gtest.h>

// The word joined to the wide one stays on its line, beyond the right edge;
// the line after starts with the next word, not with the non-breaking space
// and the joined word.
TEST(PaintWideGroup, TheJoinedWordIsNotPaintedOnTheNextLine) {
    TLayoutPage page(200, 100);
    page.View().SetColor(clWhite);
    const std::string wide(30, '\xD8'); // a Cyrillic capital sha in code page 1251
    page.Show("ab " + wide + "<NBSPC><BACKGROUND=red>cd</BACKGROUND> " +
              "<BACKGROUND=lime>ef</BACKGROUND><p>");
    const QImage image = page.Image();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_EQ(red, 0) << "cd lies past the right edge";
    const TRect sha = page.Painted(wide);
    int ink = 0;
    for (int y = sha.Top; y < sha.Bottom; ++y)
        for (int x = 190; x < 200; ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 0) << "the wide word runs to the right edge";
    const TRect ef = page.Painted("ef");
    EXPECT_EQ(ef.Top, sha.Bottom);
    EXPECT_EQ(image.pixel(1, ef.Top + 1), qRgb(0, 255, 0)) << "ef starts the next line";
}
