#include "CanvasTestSupport.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/PainterCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr int SceneWidth = 240;
constexpr int SceneHeight = 160;

// Uses every drawing operation of the canvas.
void DrawScene(TCanvas& C) {
    C.Font().SetName("Times new roman");
    C.Font().SetSize(13);
    C.Brush().SetColor(clInfoBk);
    C.TextOut(4, 2, "Text \xCF\xF0\xE8\xE2\xE5\xF2"); // Cyrillic in code page 1251
    C.Brush().SetStyle(bsClear);
    C.Font().SetStyle({fsBold, fsUnderline});
    TRect box = Rect(120, 2, 236, 40);
    C.DrawText("&Centred words that wrap", box, DT_CENTER | DT_WORDBREAK);
    C.Pen().SetColor(clNavy);
    C.Pen().SetWidth(2);
    C.MoveTo(4, 30);
    C.LineTo(100, 44);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clSilver);
    C.Rectangle(4, 50, 40, 80);
    C.Brush().SetStyle(bsDiagCross);
    C.Brush().SetColor(clGreen);
    C.Ellipse(44, 50, 90, 80);
    C.Pen().SetStyle(psDash);
    C.Pen().SetWidth(1);
    C.RoundRect(94, 50, 140, 80, 12, 10);
    C.Pen().SetStyle(psSolid);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clAqua);
    C.Arc(144, 50, 190, 80, 190, 50, 144, 80);
    C.Chord(190, 50, 236, 80, 236, 65, 190, 65);
    C.Pie(4, 84, 50, 120, 50, 84, 4, 84);
    C.Polygon({Point(60, 84), Point(90, 120), Point(54, 110)});
    C.Polyline({Point(96, 84), Point(110, 120), Point(124, 84)});
    C.PolyBezier({Point(130, 84), Point(150, 130), Point(170, 60), Point(190, 110)});
    C.MoveTo(190, 110);
    C.PolyBezierTo({Point(200, 90), Point(220, 130), Point(236, 90)});
    TBrushPattern pattern{8, 8, std::vector<TColor>(64, clWhite)};
    for (int i = 0; i < 8; ++i)
        pattern.Pixels[static_cast<size_t>(i * 8 + i)] = clRed;
    C.Brush().SetPattern(pattern);
    C.FillRect(Rect(4, 124, 40, 156));
    C.Brush().ClearPattern();
    C.Brush().SetColor(clMaroon);
    C.FrameRect(Rect(44, 124, 80, 156));
    C.GradientFillRect(Rect(84, 124, 120, 156), clRed, clBlue, true);
    TCanvasPath path;
    path.AddMoveTo(Point(124, 124));
    path.AddLineTo(Point(150, 124));
    path.AddBezierTo(Point(160, 140), Point(140, 150), Point(124, 156));
    path.AddClose();
    C.Brush().SetColor(clYellow);
    C.StrokeAndFillPath(path);
    C.SetPixel(160, 130, clRed);
    C.SetPixel(161, 130, clBtnShadow);
    C.Brush().SetStyle(bsClear);
    C.Pen().SetColor(clBlack);
    C.Rectangle(170, 120, 200, 156);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(clFuchsia);
    C.FloodFill(180, 130, clBlack, fsBorder);
    C.SetClipRect(Rect(204, 120, 220, 140));
    C.Pen().SetMode(pmXor);
    C.Pen().SetColor(clRed);
    C.Brush().SetColor(clLime);
    C.Rectangle(200, 116, 236, 156);
    C.ResetClipRect();
    C.Pen().SetMode(pmCopy);
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setPixel(1, 1, qRgb(255, 128, 0));
    C.DrawImage(Rect(222, 140, 236, 156), image);
}

QImage DrawDirect(int Scale) {
    QImage image = TPainterCanvas::MakeImage(SceneWidth * Scale, SceneHeight * Scale);
    TPainterCanvas canvas(image);
    canvas.SetTransform(TXForm{double(Scale), 0, 0, double(Scale), 0, 0});
    DrawScene(canvas);
    return image;
}

void Record(TMetafile& Meta) {
    Meta.SetSize(SceneWidth, SceneHeight);
    TMetafileCanvas recorder(Meta);
    DrawScene(recorder);
}

QImage Replay(const TMetafile& Meta, int Width, int Height) {
    QImage image = TPainterCanvas::MakeImage(Width, Height);
    TPainterCanvas canvas(image);
    canvas.StretchDraw(Rect(0, 0, Width, Height), &Meta);
    return image;
}

// A painting canvas that counts the rectangles it draws.
class TCountingCanvas : public TPainterCanvas {
public:
    using TPainterCanvas::TPainterCanvas;
    int Rectangles = 0;

protected:
    void DoRectangle(const TRect& R) override {
        ++Rectangles;
        TPainterCanvas::DoRectangle(R);
    }
};

} // namespace

TEST(DisplayList, ReplayAtOwnSizeMatchesDirectDrawing) {
    TMetafile meta;
    Record(meta);
    QImage direct = DrawDirect(1);
    QImage replayed = Replay(meta, SceneWidth, SceneHeight);
    int differences = CountDifferences(direct, replayed);
    if (differences) {
        SaveFailure(direct, "scene-direct");
        SaveFailure(replayed, "scene-replayed");
    }
    EXPECT_EQ(differences, 0);
    // The scene really drew: the flood fill and the xor rectangle are there.
    EXPECT_EQ(PixelAt(replayed, 185, 140), clFuchsia);
    EXPECT_EQ(PixelAt(replayed, 210, 130), clWhite ^ clLime);
    EXPECT_EQ(PixelAt(replayed, 202, 130), clWhite); // outside the clip
}

TEST(DisplayList, ScaledReplayMatchesDrawingAtTheScaledSize) {
    TMetafile meta;
    Record(meta);
    QImage replayed = Replay(meta, SceneWidth * 2, SceneHeight * 2);
    QImage direct = DrawDirect(2);
    int differences = CountDifferences(direct, replayed);
    if (differences > 0) SaveFailure(replayed, "scene-scaled");
    EXPECT_LT(differences, SceneWidth * SceneHeight * 4 / 100); // under 1 %
    EXPECT_EQ(PixelAt(replayed, 370, 280), clFuchsia);
}

TEST(DisplayList, ScaledTextStaysSharp) {
    TMetafile meta;
    meta.SetSize(100, 30);
    {
        TMetafileCanvas recorder(meta);
        recorder.Font().SetName("Arial");
        recorder.Font().SetSize(14);
        recorder.Brush().SetStyle(bsClear);
        recorder.TextOut(2, 2, "Sharp sail");
        recorder.MoveTo(2, 27);
        recorder.LineTo(98, 28);
    }
    constexpr int scale = 4;
    QImage big = Replay(meta, 100 * scale, 30 * scale);
    // A picture rasterised at its own size and then enlarged would be made of
    // uniform 4 x 4 blocks; vectors give detail inside the blocks.
    int inked = 0, detailed = 0;
    for (int by = 0; by < 30; ++by)
        for (int bx = 0; bx < 100; ++bx) {
            QRgb first = big.pixel(bx * scale, by * scale);
            bool ink = false, uniform = true;
            for (int y = 0; y < scale; ++y)
                for (int x = 0; x < scale; ++x) {
                    QRgb p = big.pixel(bx * scale + x, by * scale + y);
                    ink = ink || (p & 0xFFFFFF) != 0xFFFFFF;
                    uniform = uniform && p == first;
                }
            inked += ink;
            detailed += ink && !uniform;
        }
    EXPECT_GT(inked, 50);
    EXPECT_GT(detailed * 3, inked);
}

TEST(DisplayList, ReplaySkipsRecordsOutsideTheClip) {
    TMetafile page;
    page.SetSize(200, 10000);
    {
        TMetafileCanvas recorder(page);
        recorder.Brush().SetColor(clRed);
        for (int y = 0; y < 10000; y += 100)
            recorder.Rectangle(10, y + 10, 190, y + 60);
    }
    QImage image = TPainterCanvas::MakeImage(200, 200);
    {
        TCountingCanvas canvas(image);
        canvas.SetTransform(TXForm{1, 0, 0, 1, 0, -5000}); // show y 5000 to 5200
        page.Play(canvas);
        EXPECT_LE(canvas.Rectangles, 3);
        EXPECT_GE(canvas.Rectangles, 2);
    }
    EXPECT_EQ(PixelAt(image, 100, 30), clRed);   // y 5030
    EXPECT_EQ(PixelAt(image, 100, 80), clWhite); // y 5080, between rectangles
    EXPECT_EQ(PixelAt(image, 100, 130), clRed);

    QImage clipped = TPainterCanvas::MakeImage(200, 10000);
    TCountingCanvas canvas(clipped);
    canvas.SetClipRect(Rect(0, 250, 200, 260));
    page.Play(canvas);
    EXPECT_EQ(canvas.Rectangles, 1);
}

TEST(DisplayList, NestedMetafilesRecordAsOneCall) {
    TMetafile inner;
    inner.SetSize(10, 10);
    {
        TMetafileCanvas recorder(inner);
        recorder.Brush().SetColor(clBlue);
        recorder.FillRect(Rect(0, 0, 5, 5));
    }
    TMetafile outer;
    outer.SetSize(40, 40);
    {
        TMetafileCanvas recorder(outer);
        recorder.StretchDraw(Rect(20, 20, 40, 40), &inner);
        recorder.Draw(0, 0, &inner);
    }
    EXPECT_EQ(outer.RecordCount(), 2);
    {
        TMetafileCanvas again(inner); // re-recording the inner one leaves the copies alone
    }
    EXPECT_EQ(inner.RecordCount(), 0);
    QImage image = Replay(outer, 40, 40);
    EXPECT_EQ(PixelAt(image, 4, 4), clBlue);
    EXPECT_EQ(PixelAt(image, 5, 5), clWhite);
    EXPECT_EQ(PixelAt(image, 29, 29), clBlue);
    EXPECT_EQ(PixelAt(image, 30, 30), clWhite);
}

TEST(DisplayList, TraceListsEveryCallWithItsState) {
    TMetafile meta;
    meta.SetSize(50, 50);
    {
        TMetafileCanvas recorder(meta);
        recorder.Font().SetName("Arial");
        recorder.Font().SetHeight(-17);
        recorder.Font().SetCharset(RUSSIAN_CHARSET);
        recorder.Font().SetColor(clRed);
        recorder.Brush().SetStyle(bsClear);
        recorder.TextOut(1, 2, "\xC0\"z");
        recorder.Pen().SetWidth(2);
        recorder.MoveTo(0, 0);
        recorder.LineTo(10, 5);
        recorder.LineTo(20, 5);
        recorder.Brush().SetStyle(bsSolid);
        recorder.Rectangle(1, 1, 9, 9);
        recorder.SetClipRect(Rect(0, 0, 5, 5));
        TRect r = Rect(0, 0, 40, 20);
        recorder.DrawText("&Ok", r, DT_CENTER);
    }
    EXPECT_EQ(meta.Trace(),
              "Brush style=bsClear color=0x00FFFFFF\n"
              "Font name=\"Arial\" height=-17 charset=204 color=0x000000FF pitch=fpDefault "
              "style=[] weight=400 width=0 escapement=0 orientation=0\n"
              "TextOut (1, 2) \"\xD0\x90\\\"z\"\n"
              "Pen style=psSolid color=0x00000000 width=2 mode=pmCopy\n"
              "Line (0, 0) (10, 5)\n"
              "Line (10, 5) (20, 5)\n"
              "Brush style=bsSolid color=0x00FFFFFF\n"
              "Rectangle (1, 1, 9, 9)\n"
              "ClipRect (0, 0, 5, 5)\n"
              "DrawText (0, 0, 40, 20) flags=0x00000001 \"&Ok\"\n");
}

TEST(DisplayList, SizeClearAndSharing) {
    TMetafile meta;
    int changes = 0;
    meta.OnChange = [&](TObject*) { ++changes; };
    meta.SetWidth(30);
    meta.SetHeight(-5);
    EXPECT_EQ(meta.Height(), 0);
    EXPECT_TRUE(meta.Empty());
    meta.SetHeight(20);
    {
        TMetafileCanvas recorder(meta);
        recorder.FillRect(Rect(0, 0, 10, 10));
        EXPECT_EQ(recorder.ClipRect(), Rect(0, 0, 30, 20));
        EXPECT_EQ(recorder.Pixel(1, 1), clNone);
    }
    TMetafile copy;
    copy.Assign(meta);
    meta.Clear();
    EXPECT_EQ(meta.RecordCount(), 0);
    EXPECT_EQ(copy.RecordCount(), 2);
    EXPECT_EQ(meta.Width(), 30);
    EXPECT_EQ(changes, 4); // two sizes, the recording, the clearing
    // Drawing into an empty rectangle or from an empty metafile does nothing.
    QImage image = TPainterCanvas::MakeImage(10, 10);
    TPainterCanvas canvas(image);
    canvas.StretchDraw(Rect(5, 5, 5, 9), &copy);
    canvas.StretchDraw(Rect(0, 0, 10, 10), &meta);
    canvas.StretchDraw(Rect(0, 0, 10, 10), nullptr);
}
