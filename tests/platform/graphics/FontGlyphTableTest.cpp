#include "CanvasTestSupport.h"
#include "platform/base/Cp1251.h"
#include "platform/base/Font.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/FontCache.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/QtConvert.h"

#include <QPainter>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TFont> MakeFont(const char* Name, int Size, TFontStyles Styles = {}) {
    auto font = std::make_unique<TFont>();
    font->SetName(Name);
    font->SetSize(Size);
    font->SetStyle(Styles);
    return font;
}

const char* const kWords[] = {"Hello,", "AVATAR", "Wave",   "office", "Yo-yo",   "LT.",
                              "Съешь",  "ещё",    "мягких", "Ты",     "(1+2)=3", "a b  c"};

// Text drawn through a painting canvas at the top-left corner.
QImage DrawnByCanvas(const TFont& Font, const AnsiString& Text) {
    QImage image(240, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    TPainterCanvas canvas(image);
    canvas.Font().Assign(Font);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(4, 4, Text);
    return image;
}

} // namespace

// Words are measured from the table exactly as Qt measures them unkerned, in
// every style and size, Latin and Cyrillic alike.
TEST(FontGlyphTable, WidthsAgreeWithQtsUnkernedMeasure) {
    for (const char* name : {"Times New Roman", "Arial", "Courier New"})
        for (int size : {8, 10, 13, 18, 30})
            for (TFontStyles styles : {TFontStyles{}, TFontStyles{fsBold}, TFontStyles{fsItalic}}) {
                auto entry = FontEntryFor(*MakeFont(name, size, styles));
                ASSERT_TRUE(entry->UsesGlyphTable) << name << " " << size;
                QFont unkerned = entry->Font;
                unkerned.setKerning(false);
                const QFontMetrics metrics(unkerned);
                for (const char* word : kWords) {
                    const AnsiString text = Utf8ToCp1251(word);
                    EXPECT_EQ(entry->TextWidth(text), metrics.horizontalAdvance(ToQString(text)))
                        << name << " " << size << " " << word;
                }
            }
}

// Pairs a kerning font would pull together keep their full advances.
TEST(FontGlyphTable, TextIsNotKerned) {
    auto entry = FontEntryFor(*MakeFont("Times New Roman", 40));
    const int pair = entry->TextWidth("AV");
    EXPECT_GE(pair, entry->TextWidth("A") + entry->TextWidth("V") - 1);
    EXPECT_NEAR(entry->TextWidth("AVAVAVAV"), 4 * pair, 2);
}

// A character without a glyph of its own in the table (a control, the
// unassigned 0x98, the soft hyphen) leaves the whole text to Qt's shaping.
TEST(FontGlyphTable, ControlCharactersAreShapedByQt) {
    auto entry = FontEntryFor(*MakeFont("Arial", 12));
    QGlyphRun run;
    for (const AnsiString& text :
         {AnsiString("a\x01z"), AnsiString("a\x98z"), AnsiString("co\xADop")}) {
        EXPECT_FALSE(entry->GlyphRun(text, run));
        EXPECT_EQ(entry->TextWidth(text), entry->Metrics.horizontalAdvance(ToQString(text)));
    }
    EXPECT_TRUE(entry->GlyphRun("plain", run));
    EXPECT_EQ(run.glyphIndexes().size(), 5);
    EXPECT_EQ(entry->TextWidth(""), 0);
}

// Drawing from the table puts every pixel where Qt's own unkerned text
// drawing puts it, decorations included.
TEST(FontGlyphTable, DrawsLikeQtsTextDrawing) {
    for (TFontStyles styles : {TFontStyles{}, TFontStyles{fsUnderline}, TFontStyles{fsStrikeOut},
                               TFontStyles{fsBold, fsItalic}}) {
        const auto font = MakeFont("Times New Roman", 16, styles);
        const AnsiString text = Utf8ToCp1251("Wave мир, W.");
        auto entry = FontEntryFor(*font);
        ASSERT_TRUE(entry->UsesGlyphTable);
        QImage expected(240, 60, QImage::Format_RGB32);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.setFont(entry->Font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(4, 4 + entry->Ascent), ToQString(text));
        }
        const QImage drawn = DrawnByCanvas(*font, text);
        EXPECT_LE(CountDifferences(drawn, expected), 2) << styles.Bits();
        const QRect ink = InkBounds(drawn);
        EXPECT_GE(ink.left(), 3);
        EXPECT_LE(ink.right(), 4 + entry->TextWidth(text) + 1);
    }
}

// Recorded text replayed twice as large keeps its underline under the
// letters, inside the scaled cell.
TEST(FontGlyphTable, UnderlineScalesWithTheText) {
    const auto font = MakeFont("Arial", 12, TFontStyles{fsUnderline});
    auto entry = FontEntryFor(*font);
    TMetafile metafile;
    metafile.SetSize(200, 40);
    {
        TMetafileCanvas recorder(metafile);
        recorder.Font().Assign(*font);
        recorder.Brush().SetStyle(bsClear);
        recorder.TextOut(0, 0, "underlined");
    }
    QImage image(400, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TPainterCanvas canvas(image);
        canvas.StretchDraw(Rect(0, 0, 400, 80), &metafile);
    }
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.bottom(), 2 * entry->Height);
    EXPECT_GT(ink.bottom(), 2 * entry->Ascent);
    EXPECT_NEAR(ink.right(), 2 * entry->TextWidth("underlined"), 3);
}

// A font changed in place is measured anew: caches that remember the last
// font by its revision must not answer for its earlier state.
TEST(FontGlyphTable, AFontChangedInPlaceIsMeasuredAnew) {
    TFont font;
    font.SetName("Arial");
    font.SetSize(10);
    const uint64_t first = font.Revision();
    const int small = FontEntryFor(font)->TextWidth("measure");
    font.SetSize(20);
    EXPECT_NE(font.Revision(), first);
    EXPECT_GT(FontEntryFor(font)->TextWidth("measure"), small * 3 / 2);
    TFont other;
    EXPECT_NE(other.Revision(), font.Revision());
    font.SetSize(20); // no change
    const uint64_t unchanged = font.Revision();
    font.SetSize(20);
    EXPECT_EQ(font.Revision(), unchanged);
}

// Fonts drawn narrower or wider than designed (a character width in the
// description) measure and draw as Qt measures and draws them.
TEST(FontGlyphTable, StretchedFontsMeasureAsQtDrawsThem) {
    for (int width : {4, 7, 12}) {
        TFont font;
        LOGFONTA lf{};
        lf.lfHeight = -20;
        lf.lfWidth = width;
        lf.lfWeight = 400;
        std::strcpy(lf.lfFaceName, "Times New Roman");
        font.SetLogFont(lf);
        auto entry = FontEntryFor(font);
        const QFontMetrics metrics(entry->Font);
        for (const char* word : kWords) {
            const AnsiString text = Utf8ToCp1251(word);
            EXPECT_EQ(entry->TextWidth(text), metrics.horizontalAdvance(ToQString(text)))
                << width << " " << word;
        }
        QImage expected(240, 60, QImage::Format_RGB32);
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.setFont(entry->Font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(4, 4 + entry->Ascent), "Stretched");
        }
        EXPECT_LE(CountDifferences(DrawnByCanvas(font, "Stretched"), expected), 2) << width;
    }
}
