#include "CanvasTestSupport.h"
#include "platform/graphics/PainterCanvas.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// A white image with a canvas on it.
struct TSurface {
    QImage Image;
    std::unique_ptr<TPainterCanvas> Canvas;

    TSurface(int W, int H) : Image(TPainterCanvas::MakeImage(W, H)) {
        Canvas = std::make_unique<TPainterCanvas>(Image);
    }
    // Ends painting and returns the image.
    const QImage& Done() {
        Canvas.reset();
        return Image;
    }
};

} // namespace

TEST(CanvasDraw, ShapesExcludeRightAndBottomEdges) {
    TSurface s(20, 20);
    s.Canvas->Brush().SetColor(clRed);
    s.Canvas->FillRect(Rect(2, 2, 6, 5));
    s.Canvas->Brush().SetStyle(bsClear);
    s.Canvas->Rectangle(10, 2, 15, 6);
    s.Canvas->MoveTo(2, 10);
    s.Canvas->LineTo(8, 10);
    const QImage& im = s.Done();
    EXPECT_EQ(InkBounds(im.copy(0, 0, 9, 9)), QRect(2, 2, 4, 3)); // FillRect (2,2)-(6,5)
    EXPECT_EQ(PixelAt(im, 10, 2), clBlack);
    EXPECT_EQ(PixelAt(im, 14, 5), clBlack); // outline on the last pixel inside
    EXPECT_EQ(PixelAt(im, 15, 5), clWhite);
    EXPECT_EQ(PixelAt(im, 12, 6), clWhite);
    EXPECT_EQ(PixelAt(im, 12, 4), clWhite);                        // clear brush: no fill
    EXPECT_EQ(InkBounds(im.copy(0, 9, 20, 3)), QRect(2, 1, 6, 1)); // end point excluded
}

namespace {

using TPixels = std::set<std::pair<int, int>>;

// The pixels that differ from white.
TPixels InkOf(const QImage& Image) {
    TPixels ink;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ink.insert({x, y});
    return ink;
}

// The ink of one thin line drawn by LineTo, or by a two-point Polyline.
TPixels LinePixels(TPoint From, TPoint To, bool ByPolyline) {
    TSurface s(64, 64);
    if (ByPolyline) {
        s.Canvas->Polyline({From, To});
    } else {
        s.Canvas->MoveTo(From.X, From.Y);
        s.Canvas->LineTo(To.X, To.Y);
    }
    return InkOf(s.Done());
}

// The outline of the square (10, 10)-(50, 50) drawn corner to corner, back
// to the start.
const std::vector<TPoint> SquareCorners = {Point(10, 10), Point(50, 10), Point(50, 50),
                                           Point(10, 50), Point(10, 10)};

TPixels SquareOutline() {
    TPixels ink;
    for (int i = 10; i <= 50; ++i)
        ink.insert({{i, 10}, {i, 50}, {10, i}, {50, i}});
    return ink;
}

} // namespace

// A line holds its start point and leaves out its end point, whichever way it
// runs: for the eight directions, exactly the steps from the start short of the end.
TEST(CanvasDraw, LinesHoldTheirStartAndLeaveOutTheirEndInEveryDirection) {
    const TPoint steps[] = {Point(1, 0), Point(-1, 0),  Point(0, 1),  Point(0, -1),
                            Point(1, 1), Point(-1, -1), Point(1, -1), Point(-1, 1)};
    for (bool byPolyline : {false, true})
        for (TPoint d : steps) {
            SCOPED_TRACE(testing::Message() << (byPolyline ? "Polyline" : "LineTo") << " step ("
                                            << d.X << ", " << d.Y << ")");
            const TPoint from = Point(32, 32), to = Point(32 + 20 * d.X, 32 + 20 * d.Y);
            TPixels expected;
            for (int k = 0; k < 20; ++k)
                expected.insert({from.X + k * d.X, from.Y + k * d.Y});
            EXPECT_EQ(LinePixels(from, to, byPolyline), expected);
        }
}

// Drawn the other way, a slanted line covers the same pixels but for its ends.
TEST(CanvasDraw, ASlantedLineDrawnBackwardsCoversTheSamePixels) {
    const std::pair<TPoint, TPoint> lines[] = {
        {Point(5, 10), Point(58, 27)}, {Point(8, 3), Point(19, 60)}, {Point(4, 50), Point(60, 9)}};
    for (const auto& [a, b] : lines) {
        SCOPED_TRACE(testing::Message()
                     << "(" << a.X << ", " << a.Y << ")-(" << b.X << ", " << b.Y << ")");
        TPixels forward = LinePixels(a, b, false);
        TPixels backward = LinePixels(b, a, false);
        EXPECT_TRUE(forward.contains({a.X, a.Y}));
        EXPECT_FALSE(forward.contains({b.X, b.Y}));
        EXPECT_TRUE(backward.contains({b.X, b.Y}));
        EXPECT_FALSE(backward.contains({a.X, a.Y}));
        forward.insert({b.X, b.Y});
        backward.insert({a.X, a.Y});
        EXPECT_EQ(forward, backward);
        // A thin line steps one pixel along its longer side at a time.
        const int length = std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y));
        EXPECT_EQ(forward.size(), static_cast<size_t>(length + 1));
    }
}

// Scaled, a line still covers the pixels from its start up to its end: the
// line from A to B and the one back from B - step to A - step cover the same
// page pixels, so their ink is the same, for a scaled pen and a cosmetic one.
TEST(CanvasDraw, ScaledLinesLeaveOutTheirEndInEveryDirection) {
    const auto ink = [](TPoint From, TPoint To, int Width) {
        TSurface s(128, 128);
        s.Canvas->SetTransform(TXForm{2, 0, 0, 2, 0, 0});
        s.Canvas->Pen().SetWidth(Width);
        s.Canvas->MoveTo(From.X, From.Y);
        s.Canvas->LineTo(To.X, To.Y);
        return InkOf(s.Done());
    };
    const TPoint steps[] = {Point(1, 0), Point(-1, 0),  Point(0, 1),  Point(0, -1),
                            Point(1, 1), Point(-1, -1), Point(1, -1), Point(-1, 1)};
    for (int width : {0, 1})
        for (TPoint d : steps) {
            SCOPED_TRACE(testing::Message()
                         << "width " << width << " step (" << d.X << ", " << d.Y << ")");
            const TPoint a = Point(32, 32), b = Point(32 + 20 * d.X, 32 + 20 * d.Y);
            const TPixels forward = ink(a, b, width);
            EXPECT_FALSE(forward.empty());
            EXPECT_EQ(forward,
                      ink(Point(b.X - d.X, b.Y - d.Y), Point(a.X - d.X, a.Y - d.Y), width));
        }
}

// Four sides back to the start close the square: each side's start is the
// corner the previous one left out.
TEST(CanvasDraw, LinesRoundASquareCloseIt) {
    TSurface byLines(64, 64);
    byLines.Canvas->MoveTo(10, 10);
    for (size_t i = 1; i < SquareCorners.size(); ++i)
        byLines.Canvas->LineTo(SquareCorners[i].X, SquareCorners[i].Y);
    EXPECT_EQ(byLines.Canvas->PenPos(), Point(10, 10));
    EXPECT_EQ(InkOf(byLines.Done()), SquareOutline());

    TSurface byPolyline(64, 64);
    byPolyline.Canvas->Polyline(SquareCorners);
    EXPECT_EQ(InkOf(byPolyline.Done()), SquareOutline());

    // An open polyline leaves out only its last point, not its corners.
    TSurface open(64, 64);
    open.Canvas->Polyline({Point(50, 10), Point(10, 10), Point(10, 50)});
    TPixels expected;
    for (int i = 10; i <= 50; ++i)
        expected.insert({i, 10});
    for (int i = 11; i < 50; ++i)
        expected.insert({10, i});
    EXPECT_EQ(InkOf(open.Done()), expected);
}

// PolyBezierTo starts at the pen and leaves it at the curve's last point, so
// the next LineTo goes on from there; a point list it cannot draw leaves it.
TEST(CanvasDraw, PolyBezierToLeavesThePenAtTheCurvesEnd) {
    TSurface s(64, 64);
    s.Canvas->MoveTo(10, 10);
    s.Canvas->PolyBezierTo({Point(20, 10), Point(30, 10), Point(40, 10)});
    EXPECT_EQ(s.Canvas->PenPos(), Point(40, 10));
    s.Canvas->LineTo(40, 40);
    s.Canvas->PolyBezierTo({Point(50, 40), Point(60, 40)}); // not a whole curve
    EXPECT_EQ(s.Canvas->PenPos(), Point(40, 40));
    const QImage& im = s.Done();
    EXPECT_EQ(PixelAt(im, 10, 10), clBlack) << "the curve starts at the pen";
    EXPECT_EQ(PixelAt(im, 25, 10), clBlack);
    EXPECT_EQ(PixelAt(im, 40, 25), clBlack) << "the line goes on from the curve's end";
    EXPECT_EQ(PixelAt(im, 50, 40), clWhite);
}

TEST(CanvasDraw, FilledShapesStayInsideTheirRectangles) {
    TSurface s(60, 40);
    s.Canvas->Brush().SetColor(clBlue);
    s.Canvas->Ellipse(5, 5, 25, 20);
    s.Canvas->RoundRect(30, 5, 50, 20, 8, 8);
    s.Canvas->Pie(5, 22, 25, 38, 25, 30, 15, 22);
    const QImage& im = s.Done();
    // Each shape touches (within a pixel) every side of its rectangle.
    QRect ellipse = InkBounds(im.copy(0, 0, 28, 21));
    QRect rounded = InkBounds(im.copy(28, 0, 32, 21));
    EXPECT_TRUE(QRect(5, 5, 20, 15).contains(ellipse));
    EXPECT_GE(ellipse.width(), 19);
    EXPECT_GE(ellipse.height(), 14);
    EXPECT_TRUE(QRect(2, 5, 20, 15).contains(rounded));
    EXPECT_GE(rounded.width(), 19);
    EXPECT_GE(rounded.height(), 14);
    EXPECT_EQ(PixelAt(im, 15, 12), clBlue);
    EXPECT_EQ(PixelAt(im, 30, 5), clWhite); // a rounded corner
    // The pie spans the quarter from 0 to 90 degrees: upper right only.
    EXPECT_EQ(PixelAt(im, 19, 27), clBlue);
    EXPECT_EQ(PixelAt(im, 10, 27), clWhite);
    EXPECT_EQ(PixelAt(im, 19, 34), clWhite);
}

TEST(CanvasDraw, XorTwiceRestoresAndRasterModesCombine) {
    TSurface s(40, 40);
    s.Canvas->Brush().SetColor(clYellow);
    s.Canvas->FillRect(Rect(0, 0, 20, 40));
    QImage before = s.Image.copy();
    s.Canvas->Pen().SetMode(pmXor);
    s.Canvas->Pen().SetColor(clRed);
    s.Canvas->Pen().SetWidth(3);
    s.Canvas->Brush().SetColor(clBlue);
    for (int pass = 0; pass < 2; ++pass) {
        s.Canvas->Rectangle(5, 5, 30, 30);
        s.Canvas->Ellipse(2, 2, 38, 20);
        s.Canvas->Polygon({Point(0, 39), Point(20, 0), Point(39, 39)});
        s.Canvas->MoveTo(0, 0);
        s.Canvas->LineTo(39, 39);
    }
    EXPECT_EQ(CountDifferences(s.Image, before), 0);

    s.Canvas->Pen().SetWidth(1);
    s.Canvas->Pen().SetMode(pmNot);
    s.Canvas->Brush().SetStyle(bsClear);
    s.Canvas->Rectangle(0, 0, 10, 10);
    s.Canvas->Pen().SetMode(pmNop);
    s.Canvas->Rectangle(20, 0, 30, 10);
    s.Canvas->Pen().SetMode(pmXor);
    s.Canvas->Pen().SetColor(clRed);
    s.Canvas->MoveTo(25, 20);
    s.Canvas->LineTo(35, 20);
    const QImage& im = s.Done();
    EXPECT_EQ(PixelAt(im, 0, 5), clBlue);   // not yellow
    EXPECT_EQ(PixelAt(im, 5, 5), clYellow); // outline only
    EXPECT_EQ(PixelAt(im, 20, 5), clWhite); // nop
    EXPECT_EQ(PixelAt(im, 30, 20), clAqua); // white xor red
}

TEST(CanvasDraw, FloodFillSurfaceAndBorder) {
    TSurface s(40, 30);
    s.Canvas->Brush().SetStyle(bsClear);
    s.Canvas->Rectangle(5, 5, 20, 20);
    s.Canvas->Brush().SetStyle(bsSolid);
    s.Canvas->Brush().SetColor(clLime);
    s.Canvas->FloodFill(10, 10, clBlack, fsBorder);
    s.Canvas->Brush().SetColor(clRed);
    s.Canvas->SetClipRect(Rect(0, 0, 30, 30));
    s.Canvas->FloodFill(30, 2, clWhite, fsSurface); // seed outside the clip: nothing
    s.Canvas->FloodFill(2, 2, clWhite, fsSurface);
    s.Canvas->FloodFill(10, 10, clBlue, fsSurface); // seed not blue: nothing
    const QImage& im = s.Done();
    EXPECT_EQ(PixelAt(im, 6, 6), clLime);
    EXPECT_EQ(PixelAt(im, 18, 18), clLime);
    EXPECT_EQ(PixelAt(im, 5, 5), clBlack);
    EXPECT_EQ(PixelAt(im, 2, 2), clRed);
    EXPECT_EQ(PixelAt(im, 29, 25), clRed);
    EXPECT_EQ(PixelAt(im, 30, 25), clWhite); // beyond the clip
}

TEST(CanvasDraw, PixelsClipAndTransform) {
    TSurface s(100, 50);
    EXPECT_EQ(s.Canvas->ClipRect(), Rect(0, 0, 100, 50));
    s.Canvas->SetPixel(3, 4, clRed);
    EXPECT_EQ(s.Canvas->Pixel(3, 4), clRed);
    EXPECT_EQ(s.Canvas->Pixel(-1, 4), clNone);
    s.Canvas->SetClipRect(Rect(10, 10, 20, 20));
    EXPECT_EQ(s.Canvas->ClipRect(), Rect(10, 10, 20, 20));
    s.Canvas->Brush().SetColor(clBlue);
    s.Canvas->FillRect(Rect(0, 0, 100, 50));
    s.Canvas->ResetClipRect();
    s.Canvas->SetTransform(TXForm{2, 0, 0, 2, 0, 0});
    EXPECT_EQ(s.Canvas->ClipRect(), Rect(0, 0, 50, 25));
    s.Canvas->SetPixel(30, 20, clLime);
    const QImage& im = s.Done();
    EXPECT_EQ(InkBounds(im, 0xFFFFFFFF).contains(QRect(10, 10, 10, 10)), true);
    EXPECT_EQ(PixelAt(im, 9, 10), clWhite);
    EXPECT_EQ(PixelAt(im, 60, 40), clLime);
    EXPECT_EQ(PixelAt(im, 61, 41), clLime);
    EXPECT_EQ(PixelAt(im, 62, 42), clWhite);
}

TEST(CanvasDraw, DrawImageStretchesWithoutSmoothing) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(0, 1, qRgb(0, 0, 255));
    source.setPixel(1, 1, qRgb(0, 0, 0));
    TSurface s(30, 30);
    s.Canvas->DrawImage(Rect(5, 5, 25, 25), source);
    const QImage& im = s.Done();
    EXPECT_EQ(PixelAt(im, 5, 5), clRed);
    EXPECT_EQ(PixelAt(im, 14, 14), clRed);
    EXPECT_EQ(PixelAt(im, 15, 14), clLime);
    EXPECT_EQ(PixelAt(im, 24, 24), clBlack);
    EXPECT_EQ(PixelAt(im, 25, 25), clWhite);
}

TEST(CanvasDraw, BorrowedPainterKeepsItsTransformAndClip) {
    QImage image = TPainterCanvas::MakeImage(50, 50);
    QPainter painter(&image);
    painter.translate(10, 10);
    painter.setClipRect(QRect(0, 0, 20, 20));
    {
        TPainterCanvas canvas(painter);
        EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 20, 20));
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(-5, -5, 40, 40));
    }
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(10, 10));
    painter.end();
    EXPECT_EQ(InkBounds(image), QRect(10, 10, 20, 20));
}

TEST(CanvasText, TextOutIsOpaqueOnlyWithASolidBrush) {
    TSurface s(200, 60);
    s.Canvas->Font().SetName("Arial");
    s.Canvas->Font().SetSize(13);
    s.Canvas->Brush().SetColor(clYellow);
    s.Canvas->TextOut(10, 5, "Hi");
    EXPECT_EQ(s.Canvas->PenPos(), Point(10 + s.Canvas->TextWidth("Hi"), 5));
    TSize size = s.Canvas->TextExtent("Hi");
    s.Canvas->Brush().SetStyle(bsClear);
    s.Canvas->TextOut(10, 30, "Hi");
    const QImage& im = s.Done();
    EXPECT_EQ(PixelAt(im, 10, 5), clYellow);
    EXPECT_EQ(PixelAt(im, 10 + size.cx - 1, 5 + size.cy - 1), clYellow);
    EXPECT_EQ(PixelAt(im, 10 + size.cx, 5), clWhite);
    QRect clear = InkBounds(im.copy(0, 28, 200, 32));
    EXPECT_GE(clear.left(), 10);
    EXPECT_LT(clear.right(), 10 + size.cx);
}

namespace {

// Ink of DrawText with the given flags, on a white 200 x 100 image with the
// text rectangle (20, 10)-(180, 90).
QRect InkOfDrawText(const AnsiString& Text, unsigned Flags, TRect* Calc = nullptr,
                    int* Result = nullptr) {
    TSurface s(200, 100);
    s.Canvas->Font().SetName("Arial");
    s.Canvas->Font().SetSize(12);
    s.Canvas->Brush().SetStyle(bsClear);
    TRect r = Rect(20, 10, 180, 90);
    int result = s.Canvas->DrawText(Text, r, Flags);
    if (Calc) *Calc = r;
    if (Result) *Result = result;
    return InkBounds(s.Done());
}

int LineHeight() {
    QImage image = TPainterCanvas::MakeImage(1, 1);
    TPainterCanvas canvas(image);
    canvas.Font().SetName("Arial");
    canvas.Font().SetSize(12);
    return canvas.TextHeight("W");
}

int WidthOf(const AnsiString& Text) {
    QImage image = TPainterCanvas::MakeImage(1, 1);
    TPainterCanvas canvas(image);
    canvas.Font().SetName("Arial");
    canvas.Font().SetSize(12);
    return canvas.TextWidth(Text);
}

} // namespace

TEST(CanvasText, DrawTextCalcRect) {
    TRect calc;
    int result = 0;
    QRect ink = InkOfDrawText("Hello world", DT_CALCRECT | DT_SINGLELINE, &calc, &result);
    EXPECT_TRUE(ink.isEmpty()); // measuring draws nothing
    EXPECT_EQ(calc, Rect(20, 10, 20 + WidthOf("Hello world"), 10 + LineHeight()));
    EXPECT_EQ(result, LineHeight());

    InkOfDrawText("alpha beta gamma delta epsilon zeta eta theta iota kappa",
                  DT_CALCRECT | DT_WORDBREAK, &calc, &result);
    EXPECT_GE(calc.Height(), 2 * LineHeight());
    EXPECT_EQ(calc.Height() % LineHeight(), 0);
    EXPECT_LE(calc.Width(), 160);
    EXPECT_EQ(result, calc.Height());

    InkOfDrawText("one\r\ntwo\nthree", DT_CALCRECT, &calc);
    EXPECT_EQ(calc.Height(), 3 * LineHeight());
    EXPECT_EQ(calc.Width(), WidthOf("three"));

    InkOfDrawText("", DT_CALCRECT, &calc, &result);
    EXPECT_EQ(calc, Rect(20, 10, 20, 10));
}

TEST(CanvasText, DrawTextPlacement) {
    int w = WidthOf("Wide");
    int h = LineHeight();
    QRect left = InkOfDrawText("Wide", DT_SINGLELINE);
    QRect centre = InkOfDrawText("Wide", DT_SINGLELINE | DT_CENTER);
    QRect right = InkOfDrawText("Wide", DT_SINGLELINE | DT_RIGHT);
    EXPECT_EQ(centre.left() - left.left(), (160 - w) / 2);
    EXPECT_EQ(right.left() - left.left(), 160 - w);
    QRect vcentre = InkOfDrawText("Wide", DT_SINGLELINE | DT_VCENTER);
    QRect bottom = InkOfDrawText("Wide", DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(vcentre.top() - left.top(), (80 - h) / 2);
    EXPECT_EQ(bottom.top() - left.top(), 80 - h);
    // Vertical placement needs a single line.
    EXPECT_EQ(InkOfDrawText("Wide", DT_VCENTER).top(), left.top());

    QRect wrapped =
        InkOfDrawText("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk", DT_WORDBREAK);
    EXPECT_GT(wrapped.height(), h);
    EXPECT_LE(wrapped.right(), 180);
    QRect clipped = InkOfDrawText("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk", 0);
    EXPECT_LT(clipped.height(), h);
    EXPECT_LE(clipped.right(), 179); // clipped to the rectangle
}

TEST(CanvasText, PrefixUnderlinesTheAccelerator) {
    int h = LineHeight();
    QRect plain = InkOfDrawText("File", DT_SINGLELINE);
    QRect marked = InkOfDrawText("&File", DT_SINGLELINE);
    EXPECT_NEAR(marked.left(), plain.left(), 1); // the underline starts at the advance
    EXPECT_GT(marked.bottom(), plain.bottom());  // the underline lies below the letters
    EXPECT_LT(marked.bottom(), 10 + h + 2);
    QRect literal = InkOfDrawText("&File", DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(literal.width(), plain.width());

    TRect calc;
    InkOfDrawText("a&&b", DT_CALCRECT | DT_SINGLELINE, &calc);
    EXPECT_EQ(calc.Width(), WidthOf("a&b"));
    InkOfDrawText("&File", DT_CALCRECT | DT_SINGLELINE, &calc);
    EXPECT_EQ(calc.Width(), WidthOf("File"));
}

TEST(CanvasText, ExpandTabsAndRotation) {
    TRect calc;
    InkOfDrawText("a\tb", DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS, &calc);
    EXPECT_GT(calc.Width(), WidthOf("ab") + WidthOf("a"));

    TSurface s(100, 100);
    s.Canvas->Font().SetName("Arial");
    s.Canvas->Font().SetSize(12);
    s.Canvas->Brush().SetStyle(bsClear);
    LOGFONTA lf = s.Canvas->Font().LogFont();
    lf.lfEscapement = 900; // upwards
    s.Canvas->Font().SetLogFont(lf);
    s.Canvas->TextOut(50, 90, "Vertical");
    QRect ink = InkBounds(s.Done());
    EXPECT_GT(ink.height(), ink.width() * 2);
    EXPECT_LE(ink.bottom(), 90);
}

TEST(CanvasDraw, ExtremeCoordinatesAndSizesAreHarmless) {
    TSurface s(50, 50);
    TCanvas& c = *s.Canvas;
    constexpr int big = 2000000000;
    c.Brush().SetColor(clRed);
    c.Rectangle(-big, -big, big, big);
    c.Ellipse(-big, 10, big, 40);
    c.RoundRect(-big, -big, big, big, -big, big);
    c.Pie(-big, -big, big, big, big, 0, -big, 0);
    c.Polygon({Point(-big, -big), Point(big, 0), Point(0, big)});
    c.MoveTo(-big, -big);
    c.LineTo(big, big);
    c.TextOut(big, big, "far");
    TRect r = Rect(-big, -big, big, big);
    c.DrawText(std::string(2000, 'w') + " x", r, DT_WORDBREAK | DT_CALCRECT);
    c.Font().SetHeight(-big);
    c.TextOut(0, 0, "huge");
    LOGFONTA lf = c.Font().LogFont();
    lf.lfWidth = big;
    lf.lfEscapement = -big;
    c.Font().SetLogFont(lf);
    c.TextOut(10, 10, "wide");
    c.FloodFill(big, big, clWhite, fsSurface);
    EXPECT_EQ(PixelAt(s.Done(), 25, 25), clRed);
}

TEST(CanvasDraw, BorrowedPainterGetsItsStateBack) {
    QImage image = TPainterCanvas::MakeImage(20, 20);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    {
        TPainterCanvas canvas(painter);
        canvas.SetTransform(TXForm{2, 0, 0, 2, 0, 0});
        canvas.SetClipRect(Rect(0, 0, 2, 2));
        canvas.Pen().SetMode(pmXor);
        canvas.Rectangle(0, 0, 5, 5);
    }
    EXPECT_TRUE(painter.transform().isIdentity());
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
}
