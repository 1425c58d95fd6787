// Every drawing command of the vector picture language, checked by pixels.
#include "VectorPictureTestPaint.h"

#include <gtest/gtest.h>

TEST(VectorPictureDraw, LineToClosesASquareAndEndsWhereItStarted) {
    const QImage image = Render("PENCOLOR(red) MOVETO(10,10) LINETO(50,10, 50,50, 10,50, 10,10)"
                                " PENCOLOR(blue) LINETO(90,30)");
    EXPECT_EQ(Pixel(image, 30, 10), clRed);
    EXPECT_EQ(Pixel(image, 50, 30), clRed);
    EXPECT_EQ(Pixel(image, 30, 50), clRed);
    EXPECT_EQ(Pixel(image, 10, 30), clRed);
    EXPECT_EQ(Pixel(image, 30, 30), clWhite);
    EXPECT_EQ(Pixel(image, 70, 25), clBlue) << "the current position ended at (10, 10)";
    // Each side starts at the corner the side before it left out; the blue
    // line starts at the last one.
    for (const auto& [x, y] : {std::pair{50, 10}, {50, 50}, {10, 50}})
        EXPECT_EQ(Pixel(image, x, y), clRed) << "corner (" << x << ", " << y << ")";
    EXPECT_EQ(Pixel(image, 10, 10), clBlue);
}

TEST(VectorPictureDraw, LinesLeaveOutTheirEndWhicheverWayTheyRun) {
    const QImage image = Render("POLYLINE(190,30,120,30) LINE(100,90,100,60) LINE(20,70,60,70)");
    EXPECT_EQ(Pixel(image, 190, 30), clBlack);
    EXPECT_EQ(Pixel(image, 121, 30), clBlack);
    EXPECT_EQ(Pixel(image, 120, 30), clWhite);
    EXPECT_EQ(Pixel(image, 100, 90), clBlack);
    EXPECT_EQ(Pixel(image, 100, 61), clBlack);
    EXPECT_EQ(Pixel(image, 100, 60), clWhite);
    EXPECT_EQ(Pixel(image, 20, 70), clBlack);
    EXPECT_EQ(Pixel(image, 60, 70), clWhite);
}

TEST(VectorPictureDraw, LinesRelativeMovesAndPixels) {
    QImage image = Render("LINE(0,0,,100) LINE(20,5,60,5, 20,15,60)");
    EXPECT_EQ(Pixel(image, 0, 50), clBlack) << "an omitted x2 is x1";
    EXPECT_EQ(Pixel(image, 40, 5), clBlack);
    EXPECT_EQ(Pixel(image, 40, 15), clBlack) << "an omitted y2 is y1";

    image = Render("MOVETO(20,20) LINEREL(30,0) LINEREL(0,30) MOVEREL(10,0) LINEREL(20,0)");
    EXPECT_EQ(Pixel(image, 35, 20), clBlack);
    EXPECT_EQ(Pixel(image, 50, 35), clBlack);
    EXPECT_EQ(Pixel(image, 55, 50), clWhite) << "MOVEREL draws nothing";
    EXPECT_EQ(Pixel(image, 70, 50), clBlack);

    image = Render("MOVETO(10,10) LINEREL(5,5,,)");
    EXPECT_EQ(Pixel(image, 17, 17), clBlack) << "a repeated LINEREL group repeats the offset";
    EXPECT_EQ(Pixel(image, 21, 21), clWhite);

    image = Render("PENCOLOR(red) PUTPIXEL(5,5, 7,9, 40,40) PENCOLOR(blue) LINETO(40,60)");
    EXPECT_EQ(Pixel(image, 5, 5), clRed);
    EXPECT_EQ(Pixel(image, 7, 9), clRed);
    EXPECT_EQ(Pixel(image, 6, 6), clWhite);
    EXPECT_EQ(Pixel(image, 40, 50), clBlue) << "PUTPIXEL moves the current position";
}

TEST(VectorPictureDraw, RectanglesEllipsesAndFills) {
    QImage image = Render("BRUSHCOLOR(red) RECTANGLE(10,10,50,50) BRUSHCOLOR(lime)"
                          " ELLIPSE(110,10,190,90) FILLRECT(60,60,70,70, 80,80,90,90)");
    EXPECT_EQ(Pixel(image, 10, 30), clBlack);
    EXPECT_EQ(Pixel(image, 30, 30), clRed);
    EXPECT_EQ(Pixel(image, 150, 50), clLime);
    EXPECT_EQ(Pixel(image, 113, 13), clWhite);
    EXPECT_EQ(Pixel(image, 150, 10), clBlack);
    EXPECT_EQ(Pixel(image, 65, 65), clLime);
    EXPECT_EQ(Pixel(image, 85, 85), clLime);
    EXPECT_EQ(Pixel(image, 75, 75), clWhite);
    EXPECT_EQ(Pixel(image, 60, 65), clLime) << "FILLRECT draws no outline";

    image = Render("BRUSHCOLOR(blue) ROUNDRECT(10,10,90,90) ROUNDRECT(110,10,190,90,4,4)");
    EXPECT_EQ(Pixel(image, 13, 13), clWhite) << "omitted corners: half the size";
    EXPECT_EQ(Pixel(image, 50, 50), clBlue);
    EXPECT_EQ(Pixel(image, 50, 10), clBlack);
    EXPECT_EQ(Pixel(image, 113, 13), clBlue);
}

TEST(VectorPictureDraw, ArcsChordsAndPies) {
    QImage image = Render("ARC(10,10,90,90, 90,50, 10,50)");
    EXPECT_EQ(Pixel(image, 50, 10), clBlack) << "the upper half, counter-clockwise";
    EXPECT_EQ(Pixel(image, 50, 89), clWhite);

    image = Render("BRUSHCOLOR(red) PIE(10,10,90,90, 90,50, 10,50)"
                   " CHORD(110,10,190,90, 190,50, 110,50)");
    EXPECT_EQ(Pixel(image, 50, 30), clRed);
    EXPECT_EQ(Pixel(image, 50, 70), clWhite);
    EXPECT_EQ(Pixel(image, 150, 30), clRed);
    EXPECT_EQ(Pixel(image, 150, 70), clWhite);

    image = Render("ARC(10,10,90,90, 90,50, 50,10, 10,50, 50,90)");
    EXPECT_EQ(Pixel(image, 22, 22), clWhite) << "the first pair: the upper right quarter";
    EXPECT_EQ(Pixel(image, 78, 22), clBlack);
    EXPECT_EQ(Pixel(image, 22, 78), clBlack) << "the second pair on the same ellipse";
}

TEST(VectorPictureDraw, PolygonsPolylinesAndBeziers) {
    QImage image = Render("BRUSHCOLOR(red) POLYGON(10,10, 90,10, 50,90) POLYLINE(110,50, 190)");
    EXPECT_EQ(Pixel(image, 50, 40), clRed);
    EXPECT_EQ(Pixel(image, 15, 80), clWhite);
    EXPECT_EQ(Pixel(image, 150, 50), clBlack) << "the omitted y repeats the previous point's";

    image = Render("POLYBEZIER(10,20, 30,20, 60,20, 90,20) MOVETO(10,60)"
                   " POLYBEZIERTO(30,60, 60,60, 90,60) LINETO(10,90)");
    EXPECT_EQ(Pixel(image, 50, 20), clBlack);
    EXPECT_EQ(Pixel(image, 50, 60), clBlack);
    EXPECT_EQ(Pixel(image, 10, 75), clBlack) << "POLYBEZIERTO keeps the current position";

    std::string points = "POLYLINE(";
    for (int i = 0; i < 70; ++i)
        points += std::to_string(i * 2) + ",50,";
    image = Render(points + "140,50)");
    EXPECT_EQ(Pixel(image, 120, 50), clBlack);
    EXPECT_EQ(Pixel(image, 130, 50), clWhite) << "at most 64 points";
}

// The canvas's PolyBezierTo moves its pen to the curve's end, but the
// language's current position stays where it was: the next POLYBEZIERTO,
// LINEREL or TEXTOUT starts from there, not from the curve's end.
TEST(VectorPictureDraw, PolyBezierToLeavesTheCurrentPositionAlone) {
    QImage image = Render("MOVETO(10,60) POLYBEZIERTO(30,60, 60,60, 90,60)"
                          " POLYBEZIERTO(10,70, 10,80, 10,90)");
    EXPECT_EQ(Pixel(image, 50, 60), clBlack);
    EXPECT_EQ(Pixel(image, 10, 65), clBlack) << "the second curve starts at (10, 60)";
    EXPECT_EQ(Pixel(image, 80, 62), clWhite);

    image = Render("MOVETO(10,20) POLYBEZIERTO(30,20, 60,20, 90,20) LINEREL(0,40)");
    EXPECT_EQ(Pixel(image, 10, 40), clBlack);
    EXPECT_EQ(Pixel(image, 90, 40), clWhite);

    image = Render("BRUSHSTYLE(clear) MOVETO(10,50) POLYBEZIERTO(60,50, 120,50, 180,50)"
                   " TEXTOUT(,,,,\"WWW\")");
    const TRect ink = InkBounds(image.copy(0, 52, 200, 48));
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_LT(ink.Left, 40) << "the text stands at (10, 50)";
}

TEST(VectorPictureDraw, FloodFillAndClearScreen) {
    QImage image =
        Render("BRUSHSTYLE(clear) RECTANGLE(10,10,50,50) BRUSHSTYLE(solid) BRUSHCOLOR(yellow)"
               " FLOODFILL(30,30,#FFFFFF) BRUSHCOLOR(aqua) FLOODFILL(120,30,0,border)"
               " RECTANGLE(60,60,61,61)");
    EXPECT_EQ(Pixel(image, 30, 30), clYellow);
    EXPECT_EQ(Pixel(image, 70, 30), clAqua) << "outside the rectangle, up to black";
    EXPECT_EQ(Pixel(image, 10, 30), clBlack);

    image = Render("BRUSHCOLOR(0,0,255) BRUSHSTYLE(clear) CLRSCR() LINETO(20,0)");
    EXPECT_EQ(Pixel(image, 199, 99), clBlue) << "CLRSCR fills solid with the brush colour";
    EXPECT_EQ(Pixel(image, 10, 0), clBlack) << "and returns to (0, 0)";
}

TEST(VectorPictureDraw, BrushStylesAndPatterns) {
    QImage image =
        Render("PENCOLOR(red) BRUSHCOLOR(white) BRUSHBITMAP(#F0) BRUSHSTYLE(bitmap)"
               " PENSTYLE(clear) FILLRECT(0,0,16,16) BRUSHBITMAP(#0F) FILLRECT(16,0,32,16)");
    EXPECT_EQ(Pixel(image, 1, 1), clRed) << "bit 7 is the left pixel";
    EXPECT_EQ(Pixel(image, 5, 7), clWhite) << "omitted rows repeat the one above";
    EXPECT_EQ(Pixel(image, 9, 14), clRed);
    EXPECT_EQ(Pixel(image, 17, 1), clWhite) << "BRUSHBITMAP applies at once";
    EXPECT_EQ(Pixel(image, 21, 1), clRed);

    image = Render("BRUSHCOLOR(blue) BRUSHSTYLE(horizontal) PENSTYLE(clear) FILLRECT(0,0,40,40)");
    int blue = 0;
    for (int y = 0; y < 40; ++y)
        blue += Pixel(image, 20, y) == clBlue;
    EXPECT_GT(blue, 2);
    EXPECT_LT(blue, 20) << "hatched, not solid";
}

TEST(VectorPictureDraw, PenStylesWidthsAndModes) {
    QImage image = Render("PENWIDTH(7) LINE(0,50,200,50) PENSTYLE(clear) BRUSHCOLOR(red)"
                          " RECTANGLE(10,10,30,30)");
    EXPECT_EQ(Pixel(image, 100, 47), clBlack);
    EXPECT_EQ(Pixel(image, 100, 53), clBlack);
    EXPECT_EQ(Pixel(image, 10, 20), clRed) << "no outline with a clear pen";

    image = Render("BRUSHCOLOR(black) FILLRECT(0,0,100,100) PENCOLOR(white) PENMODE(xor)"
                   " LINE(0,50,200,50)");
    EXPECT_EQ(Pixel(image, 50, 50), clWhite);
    EXPECT_EQ(Pixel(image, 150, 50), clBlack) << "white XOR white";

    image = Render("PENSTYLE(dot) LINE(0,50,200,50)");
    int black = 0;
    for (int x = 0; x < 200; ++x)
        black += Pixel(image, x, 50) == clBlack;
    EXPECT_GT(black, 20);
    EXPECT_LT(black, 180);
}

TEST(VectorPictureDraw, TextIsPlacedFormattedAndRotated) {
    QImage image = Render("BRUSHSTYLE(clear) FONTCOLOR(red) TEXTOUT(10,10,,,\"Hello\")");
    const TRect ink = InkBounds(image);
    EXPECT_GE(ink.Left, 10);
    EXPECT_GE(ink.Top, 10);
    EXPECT_LT(ink.Bottom, 40);
    EXPECT_FALSE(ink.IsEmpty());

    image = Render("BRUSHSTYLE(clear) TEXTALIGN(right) TEXTLAYOUT(bottom)"
                   " TEXTOUT(0,0,200,100,\"W\")");
    EXPECT_GT(InkBounds(image).Left, 170);
    EXPECT_GT(InkBounds(image).Top, 70);

    image = Render("BRUSHSTYLE(clear) TEXTALIGN(center) TEXTLAYOUT(vcenter)"
                   " TEXTOUT(0,0,200,100,\"W\")");
    EXPECT_NEAR((InkBounds(image).Left + InkBounds(image).Right) / 2, 100, 4);
    EXPECT_NEAR((InkBounds(image).Top + InkBounds(image).Bottom) / 2, 50, 6);

    image = Render("BRUSHSTYLE(clear) TEXTANGLE(90) TEXTOUT(100,90,,,\"Rotated\")");
    EXPECT_LT(InkBounds(image).Top, 60) << "rotated text runs upwards";
    EXPECT_LT(InkBounds(image).Width(), 30);

    image = Render("BRUSHSTYLE(clear) TEXTOUT(0,0,,,\"&&x\") TEXTFORMAT(NOPREFIX) "
                   "TEXTOUT(0,40,,,\"&&x\")");
    EXPECT_LT(InkBounds(image.copy(0, 0, 200, 40)).Width(),
              InkBounds(image.copy(0, 40, 200, 40)).Width())
        << "without the prefix flag && is one character";
}

TEST(VectorPictureDraw, FontSettingsReachTheDisplayList) {
    TVectorPicture picture;
    CompileInto(picture,
                "FONTNAME(\"Arial\") FONTSIZE(20) FONTSTYLE(italic,underline)"
                " FONTWEIGHT(semibold) FONTWIDTH(5) TEXTANGLE(45) TEXTOUT(50,50,,,\"a\")"
                " FONTHEIGHT(-30) FONTCHARSET(russian) FONTPITCH(fixed) TEXTOUT(0,0,,,\"b\")");
    const std::string trace = Record(picture).Trace();
    EXPECT_NE(trace.find("name=\"Arial\" height=-27"), std::string::npos) << trace;
    EXPECT_NE(trace.find("weight=600 width=5 escapement=450 orientation=450"), std::string::npos);
    EXPECT_NE(trace.find("style=[fsItalic,fsUnderline]"), std::string::npos);
    EXPECT_NE(trace.find("height=-30 charset=204"), std::string::npos);
    EXPECT_NE(trace.find("pitch=fpFixed"), std::string::npos);
}

TEST(VectorPictureDraw, EveryPaintStartsFromTheProperties) {
    TVectorPicture picture;
    CompileInto(picture, "LINE(0,10,200,10) PENCOLOR(red) LINE(0,20,200,20)");
    picture.Pen().SetColor(clBlue);
    Render(picture);
    const QImage image = Render(picture);
    EXPECT_EQ(Pixel(image, 100, 10), clBlue);
    EXPECT_EQ(Pixel(image, 100, 20), clRed);
}
