#include "hypertext/HyperMeasure.h"
#include "platform/graphics/FontCache.h"

#include <gtest/gtest.h>

// Layout selects the font of every word; words in a row share a font object,
// which may still change between two selections.
TEST(HyperMeasure, FollowsAFontChangedBetweenSelections) {
    THyperMeasure measure;
    TFont font;
    font.SetName("Times New Roman");
    font.SetSize(13);
    measure.SelectFont(font);
    const int width = measure.TextWidth("word");
    const int ascent = measure.Ascent();
    EXPECT_EQ(width, FontEntryFor(font)->TextWidth("word"));
    font.SetSize(26);
    measure.SelectFont(font);
    EXPECT_GT(measure.TextWidth("word"), width * 3 / 2);
    EXPECT_GT(measure.Ascent(), ascent * 3 / 2);
    // An explicit height replaces the font's for as long as it is given.
    measure.SelectFont(font, FontSizeToHeight(13));
    EXPECT_NEAR(measure.TextWidth("word"), width, 1);
    measure.SelectFont(font);
    EXPECT_GT(measure.TextWidth("word"), width * 3 / 2);
    EXPECT_EQ(measure.TextWidth(""), 0);
}
