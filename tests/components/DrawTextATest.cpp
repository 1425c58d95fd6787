// Text placement of DrawTextA, checked on painted pixels.
#include "components/DrawTextA.h"

#include "platform/graphics/PainterCanvas.h"

#include <gtest/gtest.h>

namespace {

// Rows and columns that hold non-white pixels.
TRect InkBounds(const QImage& Image) {
    TRect r{Image.width(), Image.height(), -1, -1};
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

class TDrawTextATest : public ::testing::Test {
protected:
    void SetUp() override {
        Canvas.Font().SetName("Arial");
        Canvas.Font().SetSize(12);
        Canvas.Brush().SetStyle(bsClear);
        TRect measure = Rect(0, 0, 1000, 0);
        Canvas.DrawText(Text, measure, DT_CALCRECT | DT_SINGLELINE);
        TextHeight = measure.Height();
        ASSERT_GT(TextHeight, 10);
    }

    QImage Image = TPainterCanvas::MakeImage(400, 300);
    TPainterCanvas Canvas{Image};
    const AnsiString Text = "Text";
    int TextHeight = 0;
};

} // namespace

TEST_F(TDrawTextATest, CalculatingMeasuresIntoTheCallersRectangle) {
    TRect r = Rect(10, 20, 300, 20);
    const TRect result = DrawTextA(&Canvas, Text, r, DT_CALCRECT | DT_SINGLELINE, true);
    EXPECT_EQ(result, r);
    EXPECT_EQ(r.Top, 20);
    EXPECT_EQ(r.Height(), TextHeight);
    EXPECT_GT(r.Width(), 0);
    EXPECT_LT(r.Width(), 290);
    EXPECT_EQ(InkBounds(Image).Right, -1); // nothing drawn
}

TEST_F(TDrawTextATest, EmptyTextDrawsNothing) {
    TRect r = Rect(10, 20, 300, 120);
    EXPECT_EQ(DrawTextA(&Canvas, "", r, DT_VCENTER, true), Rect(10, 20, 300, 120));
    EXPECT_EQ(InkBounds(Image).Right, -1);
}

TEST_F(TDrawTextATest, WithoutLayoutTheTextStartsAtTheTopLeft) {
    TRect r = Rect(50, 100, 350, 200);
    EXPECT_EQ(DrawTextA(&Canvas, Text, r, DT_VCENTER | DT_RIGHT | DT_SINGLELINE, false), r);
    const TRect ink = InkBounds(Image);
    EXPECT_GE(ink.Left, 50);
    EXPECT_LT(ink.Left, 55);
    EXPECT_GE(ink.Top, 100);
    EXPECT_LT(ink.Bottom, 100 + TextHeight + 1);
}

TEST_F(TDrawTextATest, VerticalPlacement) {
    struct TCase {
        unsigned Flags;
        int ExpectedTop;
    };
    const TRect box = Rect(10, 20, 300, 121);
    const TCase cases[] = {
        {0, 20},
        {DT_BOTTOM, 121 - TextHeight},
        {DT_VCENTER, 20 + ((101 - TextHeight) >> 1)},
        {DT_VCENTER | DT_BOTTOM, 20 + ((101 - TextHeight) >> 1)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Flags);
        Image.fill(Qt::white);
        TRect r = box;
        const TRect result = DrawTextA(&Canvas, Text, r, c.Flags | DT_SINGLELINE, true);
        EXPECT_EQ(r, box);
        EXPECT_EQ(result.Top, c.ExpectedTop);
        EXPECT_EQ(result.Bottom, c.ExpectedTop + TextHeight);
        EXPECT_EQ(result.Left, 10);
        const TRect ink = InkBounds(Image);
        EXPECT_GE(ink.Top, result.Top);
        EXPECT_LE(ink.Bottom, result.Bottom);
    }
}

TEST_F(TDrawTextATest, CentringInATooSmallRectangleRisesByHalfTheExcess) {
    TRect r = Rect(10, 100, 300, 104);
    const TRect result = DrawTextA(&Canvas, Text, r, DT_VCENTER | DT_SINGLELINE, true);
    // The excess is halved rounding down, as a shift does (-6.5 becomes -7).
    EXPECT_EQ(result.Top, 100 + ((4 - TextHeight) >> 1));
    EXPECT_LT(result.Top, 100);
    EXPECT_GE(InkBounds(Image).Top, result.Top);
}

TEST_F(TDrawTextATest, HorizontalFlagsStillApplyInsideTheRectangle) {
    TRect r = Rect(10, 20, 300, 120);
    DrawTextA(&Canvas, Text, r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, true);
    const TRect ink = InkBounds(Image);
    EXPECT_LE(ink.Right, 300);
    EXPECT_GT(ink.Right, 290);
}
