// Playback of hand-made metafiles: mapping, device context state, clipping,
// paths, brushes, gradients, bitmaps and text, checked on the pixels of the
// replay or on the trace of the recorded calls.
#include "WindowsMetafileTestUtil.h"
#include "WmfBuilder.h"

#include <bit>
#include <gtest/gtest.h>
#include <uemf.h>

using namespace metafiletest;

namespace {

constexpr uint32_t Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Black = 0, White = 0xFFFFFF;

struct TPlayed {
    TMetafile Metafile;
    QImage Image;
    // The colour at (X, Y) as a colour number (red in the low byte).
    uint32_t At(int X, int Y) const {
        const QRgb p = Image.pixel(X, Y);
        return uint32_t(qRed(p)) | uint32_t(qGreen(p)) << 8 | uint32_t(qBlue(p)) << 16;
    }
    int Count(uint32_t Color) const {
        int n = 0;
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                n += At(x, y) == Color;
        return n;
    }
};

std::unique_ptr<TPlayed> Play(const std::string& Bytes) {
    auto played = std::make_unique<TPlayed>();
    LoadBytes(Bytes, played->Metafile);
    played->Image = Render(played->Metafile, played->Metafile.Width(), played->Metafile.Height());
    return played;
}

uint32_t F(float V) {
    return std::bit_cast<uint32_t>(V);
}

// Selects a null pen and a solid brush of Color in slot Slot.
TEmfBuilder& SolidBrush(TEmfBuilder& E, uint32_t Slot, uint32_t Color) {
    E.Rec(U_EMR_SELECTOBJECT, {U_NULL_PEN});
    E.Rec(U_EMR_CREATEBRUSHINDIRECT, {Slot, U_BS_SOLID, Color, 0});
    return E.Rec(U_EMR_SELECTOBJECT, {Slot});
}

// Two overlapping squares as one path, filled in the given mode.
std::string OverlappingSquares(uint32_t FillMode) {
    TEmfBuilder e;
    SolidBrush(e, 1, Blue);
    e.Rec(U_EMR_SETPOLYFILLMODE, {FillMode});
    e.Rec(U_EMR_BEGINPATH, {});
    e.Rec(U_EMR_POLYGON16,
          {0, 0, 0, 0, 4, 10 | 10 << 16, 60 | 10 << 16, 60 | 60 << 16, 10 | 60 << 16});
    e.Rec(U_EMR_POLYGON16,
          {0, 0, 0, 0, 4, 40 | 40 << 16, 90 | 40 << 16, 90 | 90 << 16, 40 | 90 << 16});
    e.Rec(U_EMR_ENDPATH, {});
    e.Rec(U_EMR_FILLPATH, {0, 0, 100, 100});
    return e.Finish();
}

std::string HatchedSquare(uint32_t BkMode) {
    TEmfBuilder e;
    e.Rec(U_EMR_SELECTOBJECT, {U_NULL_PEN});
    e.Rec(U_EMR_CREATEBRUSHINDIRECT, {1, U_BS_HATCHED, Black, U_HS_CROSS});
    e.Rec(U_EMR_SELECTOBJECT, {1});
    e.Rec(U_EMR_SETBKCOLOR, {Green});
    e.Rec(U_EMR_SETBKMODE, {BkMode});
    e.Rec(U_EMR_RECTANGLE, {10, 10, 90, 90});
    return e.Finish();
}

// A font record (LOGFONTW) of the given height and charset, face Arial.
std::string FontRecord(uint32_t Slot, int32_t Height, uint8_t Charset) {
    picturetest::TByteWriter w;
    w.U32(Slot).U32(uint32_t(Height)).U32(0).U32(0).U32(0).U32(400);
    w.U8(0).U8(0).U8(0).U8(Charset).U8(0).U8(0).U8(0).U8(0);
    const std::u16string face = u"Arial";
    for (size_t i = 0; i < 32; ++i)
        w.U16(i < face.size() ? face[i] : 0);
    return w.Str();
}

// EXTTEXTOUTA at (X, Y) with single-byte text and no advances.
std::string AnsiTextRecord(int32_t X, int32_t Y, const std::string& Text) {
    picturetest::TByteWriter w;
    w.U32(0).U32(0).U32(0).U32(0).U32(1).U32(0).U32(0); // bounds, mode, scales
    w.U32(uint32_t(X)).U32(uint32_t(Y)).U32(uint32_t(Text.size())).U32(60).U32(U_ETO_NO_RECT);
    w.U32(0); // no advances
    w.Bytes(Text);
    return w.Str();
}

} // namespace

TEST(WindowsMetafileRecords, WindowAndViewportMapLogicalUnits) {
    TEmfBuilder e;
    e.Rec(U_EMR_SETMAPMODE, {U_MM_ANISOTROPIC});
    e.Rec(U_EMR_SETWINDOWEXTEX, {10, 10});
    e.Rec(U_EMR_SETVIEWPORTEXTEX, {100, 100});
    SolidBrush(e, 1, Red).Rec(U_EMR_RECTANGLE, {5, 5, 10, 10});
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(75, 75), Red);
    EXPECT_EQ(p->At(25, 25), White);
    EXPECT_EQ(p->At(45, 75), White);
}

TEST(WindowsMetafileRecords, MetricMappingModeTurnsYUpwards) {
    // MM_LOMETRIC: 0.1 mm units, y growing upwards from the viewport origin.
    TEmfBuilder e;
    e.Rec(U_EMR_SETMAPMODE, {U_MM_LOMETRIC});
    e.Rec(U_EMR_SETVIEWPORTORGEX, {0, 100});
    SolidBrush(e, 1, Red).Rec(U_EMR_RECTANGLE, {0, 0, 100, 100}); // 10 mm: about 38 pixels
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(10, 90), Red);
    EXPECT_EQ(p->At(10, 40), White);
    EXPECT_EQ(p->At(50, 90), White);
}

TEST(WindowsMetafileRecords, WorldTransformScalesAndMoves) {
    TEmfBuilder e;
    e.Rec(U_EMR_SETWORLDTRANSFORM, {F(2), 0, 0, F(2), F(10), F(10)});
    SolidBrush(e, 1, Red).Rec(U_EMR_RECTANGLE, {0, 0, 20, 20});
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(45, 45), Red);
    EXPECT_EQ(p->At(5, 5), White);
    EXPECT_EQ(p->At(55, 55), White);
}

TEST(WindowsMetafileRecords, SaveAndRestoreBringBackBrushAndClip) {
    TEmfBuilder e;
    SolidBrush(e, 1, Red);
    e.Rec(U_EMR_SAVEDC, {});
    e.Rec(U_EMR_INTERSECTCLIPRECT, {0, 0, 50, 100});
    e.Rec(U_EMR_CREATEBRUSHINDIRECT, {2, U_BS_SOLID, Blue, 0});
    e.Rec(U_EMR_SELECTOBJECT, {2});
    e.Rec(U_EMR_RECTANGLE, {0, 0, 100, 50});
    e.Rec(U_EMR_RESTOREDC, {uint32_t(-1)});
    e.Rec(U_EMR_RECTANGLE, {0, 50, 100, 100});
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(25, 25), Blue);  // inside the clip
    EXPECT_EQ(p->At(75, 25), White); // clipped away
    EXPECT_EQ(p->At(25, 75), Red);   // brush restored
    EXPECT_EQ(p->At(75, 75), Red);   // clip lifted
}

TEST(WindowsMetafileRecords, DeletedObjectsAndStockObjects) {
    TEmfBuilder e;
    SolidBrush(e, 1, Red);
    e.Rec(U_EMR_DELETEOBJECT, {1});
    e.Rec(U_EMR_SELECTOBJECT, {1}); // deleted: the red brush stays selected
    e.Rec(U_EMR_RECTANGLE, {0, 0, 50, 100});
    e.Rec(U_EMR_SELECTOBJECT, {U_BLACK_BRUSH});
    e.Rec(U_EMR_RECTANGLE, {50, 0, 100, 50});
    e.Rec(U_EMR_SELECTOBJECT, {U_NULL_BRUSH});
    e.Rec(U_EMR_RECTANGLE, {50, 50, 100, 100});
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(25, 50), Red);
    EXPECT_EQ(p->At(75, 25), Black);
    EXPECT_EQ(p->At(75, 75), White);
}

TEST(WindowsMetafileRecords, PathsFillByTheirFillMode) {
    const auto alternate = Play(OverlappingSquares(U_ALTERNATE));
    EXPECT_EQ(alternate->At(20, 20), Blue);
    EXPECT_EQ(alternate->At(50, 50), White);
    EXPECT_EQ(alternate->At(80, 80), Blue);
    const auto winding = Play(OverlappingSquares(U_WINDING));
    EXPECT_EQ(winding->At(50, 50), Blue);
}

TEST(WindowsMetafileRecords, StrokedPathWithBeziers) {
    TEmfBuilder e;
    e.Rec(U_EMR_CREATEPEN, {1, U_PS_SOLID, 4, 0, Red});
    e.Rec(U_EMR_SELECTOBJECT, {1});
    e.Rec(U_EMR_BEGINPATH, {});
    e.Rec(U_EMR_MOVETOEX, {10, 50});
    e.Rec(U_EMR_POLYBEZIERTO16, {0, 0, 0, 0, 3, 10 | 10 << 16, 90 | 10 << 16, 90 | 50 << 16});
    e.Rec(U_EMR_ENDPATH, {});
    e.Rec(U_EMR_STROKEPATH, {0, 0, 100, 100});
    const auto p = Play(e.Finish());
    EXPECT_GT(p->Count(Red), 100);
    EXPECT_EQ(p->At(50, 50), White); // stroked, not filled
    EXPECT_EQ(p->At(10, 48), Red);
}

TEST(WindowsMetafileRecords, HatchGapsShowTheBackgroundWhenOpaque) {
    const auto opaque = Play(HatchedSquare(U_OPAQUE));
    const auto transparent = Play(HatchedSquare(U_TRANSPARENT));
    EXPECT_GT(opaque->Count(Green), 80 * 80 / 2);
    EXPECT_EQ(transparent->Count(Green), 0);
    EXPECT_GT(transparent->Count(Black), 200);
    EXPECT_EQ(transparent->At(5, 5), White);
}

TEST(WindowsMetafileRecords, FloodFillStopsAtTheBorder) {
    TEmfBuilder e;
    e.Rec(U_EMR_SELECTOBJECT, {U_NULL_BRUSH});
    e.Rec(U_EMR_SELECTOBJECT, {U_BLACK_PEN});
    e.Rec(U_EMR_RECTANGLE, {20, 20, 80, 80});
    e.Rec(U_EMR_CREATEBRUSHINDIRECT, {1, U_BS_SOLID, Red, 0});
    e.Rec(U_EMR_SELECTOBJECT, {1});
    e.Rec(U_EMR_EXTFLOODFILL, {50, 50, Black, U_FLOODFILLBORDER});
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(50, 50), Red);
    EXPECT_EQ(p->At(25, 75), Red);
    EXPECT_EQ(p->At(10, 10), White);
}

TEST(WindowsMetafileRecords, GradientFillBlendsAcrossTheRectangle) {
    TEmfBuilder e;
    // Two vertices (x, y, 16-bit red, green, blue, alpha), one rectangle.
    e.Rec(U_EMR_GRADIENTFILL, {0, 0, 100, 100, 2, 1, U_GRADIENT_FILL_RECT_H, //
                               0, 0, 0xFF00, 0,                              // red at (0, 0)
                               100, 100, 0, 0xFF00,                          // blue at (100, 100)
                               0, 1});
    const auto p = Play(e.Finish());
    EXPECT_LT(qBlue(p->Image.pixel(2, 50)), 20);
    EXPECT_GT(qRed(p->Image.pixel(2, 50)), 235);
    EXPECT_GT(qBlue(p->Image.pixel(97, 50)), 235);
    EXPECT_NEAR(qRed(p->Image.pixel(50, 50)), 128, 12);
}

TEST(WindowsMetafileRecords, StretchedBottomUpBitmapKeepsItsOrientation) {
    // 2 x 2 pixels, 24 bits, bottom row first: blue, green / red, white.
    picturetest::TByteWriter w;
    w.U32(0).U32(0).U32(100).U32(100);           // bounds
    w.U32(0).U32(0).U32(0).U32(0).U32(2).U32(2); // dest, source, source size
    w.U32(80).U32(40).U32(120).U32(16).U32(0);   // bitmap info and bits, usage
    w.U32(0x00CC0020).U32(100).U32(100);         // SRCCOPY into 100 x 100
    w.U32(40).U32(2).U32(2).U16(1).U16(24).U32(0).U32(16).U32(0).U32(0).U32(0).U32(0);
    w.U8(0xFF).U8(0).U8(0).U8(0).U8(0xFF).U8(0).U16(0);       // blue, green
    w.U8(0).U8(0).U8(0xFF).U8(0xFF).U8(0xFF).U8(0xFF).U16(0); // red, white
    TEmfBuilder e;
    e.Raw(U_EMR_STRETCHDIBITS, w.Str());
    const auto p = Play(e.Finish());
    EXPECT_EQ(p->At(25, 25), Red);
    EXPECT_EQ(p->At(75, 25), White);
    EXPECT_EQ(p->At(25, 75), Blue);
    EXPECT_EQ(p->At(75, 75), Green);
}

TEST(WindowsMetafileRecords, SingleByteTextUsesTheCodePageOfTheFontCharset) {
    TEmfBuilder e;
    e.Raw(U_EMR_EXTCREATEFONTINDIRECTW, FontRecord(1, -20, 204));
    e.Rec(U_EMR_SELECTOBJECT, {1});
    e.Rec(U_EMR_SETTEXTALIGN, {U_TA_BASELINE});
    e.Raw(U_EMR_EXTTEXTOUTA, AnsiTextRecord(10, 40, "\xCF\xF0\xE8"));
    e.Raw(U_EMR_EXTCREATEFONTINDIRECTW, FontRecord(2, -20, 0));
    e.Rec(U_EMR_SELECTOBJECT, {2});
    e.Raw(U_EMR_EXTTEXTOUTA, AnsiTextRecord(10, 80, "\x80"));
    TMetafile metafile;
    LoadBytes(e.Finish(), metafile);
    const std::string trace = metafile.Trace();
    EXPECT_NE(trace.find("\"При\""), std::string::npos) << trace;
    EXPECT_NE(trace.find("\"€\""), std::string::npos) << trace; // 0x80 of code page 1252
    EXPECT_NE(trace.find("TextAlign 0x00000018"), std::string::npos);
    EXPECT_NE(trace.find("charset=204"), std::string::npos);
}

TEST(WindowsMetafileRecords, PlaceableWmfMapsItsBoundingBox) {
    // 1000 x 1000 units at 1000 per inch: 96 x 96 pixels.
    TWmfBuilder w(1000, 1000, 1000);
    w.Rec(0x020B, {0, 0});                   // SETWINDOWORG
    w.Rec(0x020C, {1000, 1000});             // SETWINDOWEXT
    w.Rec(0x02FC, {U_BS_SOLID, 0xFF, 0, 0}); // CREATEBRUSHINDIRECT red
    w.Rec(0x012D, {0});                      // SELECTOBJECT
    w.Rec(0x02FA, {U_PS_NULL, 0, 0, 0, 0});  // CREATEPENINDIRECT null
    w.Rec(0x012D, {1});
    w.Rec(0x001E, {});                     // SAVEDC
    w.Rec(0x0416, {1000, 250, 0, 0});      // INTERSECTCLIPRECT (bottom, right, top, left)
    w.Rec(0x041B, {500, 1000, 0, 0});      // RECTANGLE, clipped to the left quarter
    w.Rec(0x0127, {-1});                   // RESTOREDC
    w.Rec(0x041B, {1000, 1000, 500, 500}); // RECTANGLE, bottom right
    const auto p = Play(w.Finish());
    ASSERT_EQ(p->Metafile.Width(), 96);
    ASSERT_EQ(p->Metafile.Height(), 96);
    EXPECT_EQ(p->At(10, 20), Red);
    EXPECT_EQ(p->At(60, 20), White);
    EXPECT_EQ(p->At(80, 80), Red);
    EXPECT_EQ(p->At(30, 80), White);
}

TEST(WindowsMetafileRecords, PlainWmfTakesItsSizeFromTheWindow) {
    TWmfBuilder w(0, 0, 0, 4, false);
    w.Rec(0x020B, {0, 0});
    w.Rec(0x020C, {80, 120}); // y, then x
    w.Rec(0x02FC, {U_BS_SOLID, 0xFF, 0, 0});
    w.Rec(0x012D, {0});
    w.Rec(0x0538, {2, 3, 3, 10, 10, 50, 10, 10, 50, 60, 60, 110, 60, 60, 70}); // POLYPOLYGON
    const auto p = Play(w.Finish());
    ASSERT_EQ(p->Metafile.Width(), 120);
    ASSERT_EQ(p->Metafile.Height(), 80);
    EXPECT_EQ(p->At(20, 20), Red);
    EXPECT_EQ(p->At(70, 62), Red);
    EXPECT_EQ(p->At(40, 60), White);
}

TEST(WindowsMetafileRecords, WmfTextInRussianCharset) {
    TWmfBuilder w(1000, 1000, 1000);
    picturetest::TByteWriter font;
    font.U16(uint32_t(-200)).U16(0).U16(0).U16(0).U16(400).U8(0).U8(0).U8(0).U8(204);
    font.U32(0).Bytes(std::string("Arial\0", 6));
    w.Raw(0x02FB, font.Str()); // CREATEFONTINDIRECT
    w.Rec(0x012D, {0});
    w.Rec(0x0521, {3, 0xF0CF, 0xE8, 500, 100}); // TEXTOUT "При" at (100, 500)
    TMetafile metafile;
    LoadBytes(w.Finish(), metafile);
    EXPECT_NE(metafile.Trace().find("\"При\""), std::string::npos) << metafile.Trace();
}
