// Embedded objects placed by the layout and drawn by the painter.
#include "LayoutTestPage.h"

#include "hypertext/HyperMacros.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

// A page of words made by hand: text words and object words, laid out and
// painted over a blue image.
class PaintObject : public ::testing::Test {
protected:
    PaintObject() : page(100, 60), source(std::make_unique<THyperString>()) {
        source->First()->OwnStyle().Assign(page.View().DefaultStyle());
    }
    void AddText(const AnsiString& text) {
        source->Last()->Text = text;
        source->Words.push_back(std::make_unique<THyperWord>(source->Last()));
    }
    THyperMacros& AddObject(uint8_t kind, int width, int height, TColor colour) {
        pictures.push_back(std::make_unique<TPicture>());
        TBitmap& bitmap = pictures.back()->Bitmap();
        bitmap.SetSize(2, 1);
        bitmap.Canvas().SetPixel(0, 0, colour);
        bitmap.Canvas().SetPixel(1, 0, clWhite);
        auto macros = std::make_unique<THyperMacros>();
        macros->Kind = static_cast<THyperMacrosKind>(kind);
        macros->Placement = kind >= mkTiledBackground && kind <= mkStretchedBackground
                                ? mpBackground
                            : kind == mkMedia ? mpMedia
                                              : mpInline;
        macros->Width = width;
        macros->Height = height;
        macros->Picture = pictures.back().get();
        macros->BackColor = clWhite;
        THyperMacros& result = *macros;
        source->Last()->Macros = std::move(macros);
        source->Words.push_back(std::make_unique<THyperWord>(source->Last()));
        return result;
    }
    QImage Paint() {
        page.View().MarkupText(lines, *source, 0, 100, 0);
        QImage image(100, 60, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 255));
        TPicture target;
        TBitmap& bitmap = target.Bitmap();
        bitmap.SetImage(image);
        page.View().OnPaintWord = [this](const THyperWord& w, const TRect& r) {
            if (w.Macros) placed = r;
        };
        page.View().OutText(bitmap.Canvas(), Rect(0, 0, 100, 60), lines);
        return bitmap.Image().copy();
    }
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

    TLayoutPage page;
    std::unique_ptr<THyperString> source;
    std::vector<std::unique_ptr<TPicture>> pictures;
    THyperLines lines;
    TRect placed;
};

constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

} // namespace

TEST_F(PaintObject, APictureInTheLineStandsOnTheBaselineAtItsPlace) {
    AddText("ab");
    THyperMacros& object = AddObject(mkPicture, 20, 10, clRed);
    object.Transparent = false;
    const QImage image = Paint();
    const THyperString& line = *lines.at(0);
    EXPECT_EQ(placed.Width(), 20);
    EXPECT_EQ(placed.Height(), 10);
    EXPECT_EQ(placed.Top, line.Ascent - 10) << "its bottom on the baseline";
    EXPECT_EQ(object.Rect, placed) << "the object's rectangle follows it";
    EXPECT_EQ(At(image, placed.Left + 2, placed.Top + 5), kRed);
    EXPECT_EQ(At(image, placed.Left + 15, placed.Top + 5), kWhite) << "stretched 2 x 1 to 20 x 10";
}

TEST_F(PaintObject, ATransparentPictureLetsThePageShowThroughItsBackColour) {
    AddObject(mkPicture, 20, 10, clRed).Transparent = true;
    const QImage image = Paint();
    EXPECT_EQ(At(image, placed.Left + 2, placed.Top + 5), kRed);
    EXPECT_EQ(At(image, placed.Left + 15, placed.Top + 5), kBlue);
}

TEST_F(PaintObject, ACentredBackgroundStandsInTheMiddleOfTheArea) {
    AddObject(mkCenteredBackground, 20, 10, clRed).Transparent = false;
    AddText("text");
    const QImage image = Paint();
    EXPECT_EQ(placed.Width(), 0) << "a background takes no room in the line";
    EXPECT_EQ(lines.at(0)->SpaceCount, 1);
    // (0 + 100 - 20) / 2 = 40, (0 + 60 - 10) / 2 = 25
    EXPECT_EQ(At(image, 41, 26), kRed);
    EXPECT_EQ(At(image, 39, 26), kBlue);
    EXPECT_EQ(At(image, 55, 34), kWhite);
}

TEST_F(PaintObject, ATiledBackgroundCoversTheAreaAndOnePixelMore) {
    AddObject(mkTiledBackground, 10, 10, clRed).Transparent = false;
    const QImage image = Paint();
    for (int x : {1, 11, 51, 91})
        EXPECT_EQ(At(image, x, 51), kRed) << x;
    EXPECT_EQ(At(image, 96, 59), kWhite);
}

TEST_F(PaintObject, AStretchedBackgroundFillsTheArea) {
    AddObject(mkStretchedBackground, 10, 10, clRed).Transparent = false;
    const QImage image = Paint();
    EXPECT_EQ(At(image, 10, 30), kRed);
    EXPECT_EQ(At(image, 90, 30), kWhite);
}

TEST_F(PaintObject, AMediaObjectIsAFrameInTheLine) {
    AddText("clip");
    source->Last()->OwnStyle().SetBackground(true);
    source->Last()->OwnStyle().SetBackColor(clRed);
    AddObject(mkMedia, 30, 20, clRed).Picture = nullptr;
    const QImage image = Paint();
    EXPECT_EQ(placed.Width(), 30);
    EXPECT_EQ(At(image, placed.Left + 15, placed.Top + 10), kRed);
}
