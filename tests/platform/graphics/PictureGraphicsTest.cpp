// The graphic classes as pages use them: chosen by file extension, drawn onto
// canvases (1:1, stretched, transparent), drawn into through a bitmap canvas.
#include "PictureTestUtil.h"

#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JPEGImage.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/Picture.h"

#include <gtest/gtest.h>

using namespace picturetest;

namespace {

std::string Fixture(const std::string& Name) {
    return FixturePath("pictures/" + Name);
}

} // namespace

TEST(PictureGraphics, GraphicClassFollowsTheExtension) {
    auto is = [](const std::string& name, auto* probe) {
        using T = std::remove_pointer_t<decltype(probe)>;
        return dynamic_cast<T*>(TPicture::GraphicForFile(name).get()) != nullptr;
    };
    EXPECT_TRUE(is("photo.jpg", (TJPEGImage*)nullptr));
    EXPECT_TRUE(is("PHOTO.JPG", (TJPEGImage*)nullptr));
    EXPECT_TRUE(is("pics\\a.Bmp", (TBitmap*)nullptr));
    EXPECT_TRUE(is("dir/icon.ICO", (TIcon*)nullptr));
    EXPECT_TRUE(is("photo.jpeg", (TMetafile*)nullptr));
    EXPECT_TRUE(is("drawing.wmf", (TMetafile*)nullptr));
    EXPECT_TRUE(is("no_extension", (TMetafile*)nullptr));
    EXPECT_TRUE(is("dir.jpg\\file", (TMetafile*)nullptr));
}

TEST(PictureGraphics, PicturesLoadAndDrawAtTheirOwnSize) {
    for (const std::string name :
         {"bmp1_mono.bmp", "bmp4_vga16.bmp", "bmp8_palette.bmp", "bmp24_bottomup.bmp",
          "bmp24_topdown.bmp", "bmp32_alpha.bmp", "jpeg_baseline.jpg", "jpeg_progressive.jpg",
          "jpeg_gray.jpg", "icon_alpha.ico", "icon_palette.ico"}) {
        SCOPED_TRACE(name);
        TPicture picture;
        picture.LoadFromFile(Fixture(name));
        const QImage reference = ReferenceImage(name);
        ASSERT_EQ(picture.Width(), reference.width());
        ASSERT_EQ(picture.Height(), reference.height());
        const TRect dest = Rect(0, 0, picture.Width(), picture.Height());
        const QImage drawn = DrawOnto(*picture.Graphic(), dest.Right, dest.Bottom, dest);
        // Icons blend over the white background through their alpha.
        const QImage expected =
            name.ends_with(".ico") ? OverBackground(reference, Qt::white) : reference;
        EXPECT_LE(MaxDifference(drawn, expected, false), name.ends_with(".ico") ? 1 : 0);
    }
}

TEST(PictureGraphics, StretchingRepeatsPixelsWithoutSmoothing) {
    TPicture picture;
    picture.LoadFromFile(Fixture("bmp1_mono.bmp"));
    const QImage reference = ReferenceImage("bmp1_mono.bmp");
    const int w = picture.Width(), h = picture.Height();
    const QImage drawn =
        DrawOnto(*picture.Graphic(), 2 * w + 5, 3 * h, Rect(5, 0, 5 + 2 * w, 3 * h));
    for (int y = 0; y < 3 * h; ++y)
        for (int x = 0; x < 2 * w; ++x)
            ASSERT_EQ(drawn.pixel(5 + x, y) & 0xFFFFFF, reference.pixel(x / 2, y / 3) & 0xFFFFFF)
                << x << "," << y;
}

TEST(PictureGraphics, TransparentBitmapLetsTheBackgroundShowThrough) {
    TBitmap bitmap;
    bitmap.LoadFromFile(Fixture("bmp24_fuchsia.bmp"));
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia); // the bottom-left pixel
    const QImage reference = ReferenceImage("bmp24_fuchsia.bmp");
    const TRect dest = Rect(0, 0, bitmap.Width(), bitmap.Height());

    const QImage opaque = DrawOnto(bitmap, dest.Right, dest.Bottom, dest, Qt::green);
    EXPECT_EQ(MaxDifference(opaque, reference, false), 0);

    bitmap.SetTransparent(true);
    const QImage drawn = DrawOnto(bitmap, dest.Right, dest.Bottom, dest, Qt::green);
    int keyed = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb ref = reference.pixel(x, y) & 0xFFFFFF;
            const bool key = ref == 0xFF00FF;
            keyed += key;
            EXPECT_EQ(drawn.pixel(x, y) & 0xFFFFFF, key ? 0x00FF00u : ref) << x << "," << y;
        }
    EXPECT_GT(keyed, 0);

    // A fixed transparent colour that no pixel has: everything is drawn.
    bitmap.SetTransparentColor(clAqua);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(
        MaxDifference(DrawOnto(bitmap, dest.Right, dest.Bottom, dest, Qt::green), reference, false),
        0);
    bitmap.SetTransparentColor(clNone); // no colour is transparent
    EXPECT_EQ(
        MaxDifference(DrawOnto(bitmap, dest.Right, dest.Bottom, dest, Qt::green), reference, false),
        0);
    bitmap.SetTransparentColor(clDefault);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
}

TEST(PictureGraphics, ScratchBitmapWithBackColourAsTransparentColour) {
    // A picture drawn into a bitmap filled with the page's back colour, which
    // then becomes the transparent colour: the page shows where the picture
    // is transparent.
    TIcon icon;
    icon.LoadFromFile(Fixture("icon_palette.ico"));
    TBitmap scratch;
    scratch.SetSize(icon.Width(), icon.Height());
    scratch.Canvas().Brush().SetColor(RGB(1, 2, 3)); // a colour the icon lacks
    scratch.Canvas().Brush().SetStyle(bsSolid);
    scratch.Canvas().FillRect(Rect(0, 0, icon.Width(), icon.Height()));
    scratch.Canvas().Draw(0, 0, &icon);
    scratch.SetTransparentColor(RGB(1, 2, 3));
    scratch.SetTransparent(true);
    const QImage drawn = DrawOnto(scratch, 32, 32, Rect(0, 0, 32, 32), Qt::blue);
    const QImage reference = ReferenceImage("icon_palette.ico");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb ref = reference.pixel(x, y);
            EXPECT_EQ(drawn.pixel(x, y) & 0xFFFFFF, qAlpha(ref) == 0 ? 0x0000FFu : ref & 0xFFFFFF)
                << x << "," << y;
        }
}

TEST(PictureGraphics, BitmapSizeAndCanvas) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.TransparentColor(), clDefault);
    bitmap.SetSize(4, 3);
    EXPECT_EQ(bitmap.Image().pixel(3, 2), qRgb(255, 255, 255));
    bitmap.Canvas().SetPixel(1, 1, clRed);
    EXPECT_EQ(bitmap.Image().pixel(1, 1), qRgb(255, 0, 0));
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetWidth(6); // keeps the pixels it had, adds white
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(bitmap.Image().pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.Image().pixel(5, 0), qRgb(255, 255, 255));
    bitmap.Canvas().SetPixel(0, 2, clBlue);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    EXPECT_THROW(bitmap.SetSize(100000, 100000), EInvalidGraphic);
    bitmap.SetSize(0, 0);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(PictureGraphics, DrawingKeepsWhatTheBitmapCanvasDrewLater) {
    // A drawn image is a snapshot: later drawing into the bitmap must not
    // change what was drawn before (a display list keeps the image).
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.Canvas().SetPixel(0, 0, clRed);
    TMetafile metafile;
    metafile.SetSize(2, 2);
    {
        TMetafileCanvas canvas(metafile);
        canvas.Draw(0, 0, &bitmap);
    }
    bitmap.Canvas().SetPixel(0, 0, clLime);
    QImage played = TPainterCanvas::MakeImage(2, 2);
    {
        TPainterCanvas canvas(played);
        metafile.Play(canvas);
    }
    EXPECT_EQ(played.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(PictureGraphics, IconKeepsEveryImage) {
    TIcon icon;
    icon.LoadFromFile(Fixture("icon_alpha.ico"));
    ASSERT_EQ(icon.ImageCount(), 2u);
    EXPECT_EQ(icon.BestIndex(), 0u);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.BitCountAt(1), 32);
    EXPECT_EQ(MaxDifference(icon.ImageAt(1), ReferenceImage("icon_alpha.ico.16x16"), true), 0);
    EXPECT_TRUE(icon.Transparent());
}

TEST(PictureGraphics, FailedLoadKeepsThePreviousGraphic) {
    TTempDir dir;
    WriteFileBytes(dir.File("bad.bmp"), "BM not really");
    TPicture picture;
    picture.LoadFromFile(Fixture("bmp4_vga16.bmp"));
    const TGraphic* before = picture.Graphic();
    EXPECT_THROW(picture.LoadFromFile(dir.File("bad.bmp")), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(dir.File("missing.bmp")), EStreamError);
    EXPECT_EQ(picture.Graphic(), before);
}

TEST(PictureGraphics, PicturesSaveAsPng) {
    TTempDir dir;
    for (const std::string name : {"bmp8_palette.bmp", "icon_alpha.ico", "jpeg_gray.jpg"}) {
        SCOPED_TRACE(name);
        TPicture picture;
        picture.LoadFromFile(Fixture(name));
        ASSERT_TRUE(picture.SaveToPngFile(dir.File("out.png")));
        const QImage saved(QString::fromStdString(dir.File("out.png")));
        EXPECT_EQ(MaxDifference(saved, ReferenceImage(name), name.ends_with(".ico")), 0);
        // In memory, the same picture.
        std::string png;
        ASSERT_TRUE(picture.EncodePng(png));
        const QImage encoded = QImage::fromData(QByteArray::fromStdString(png), "PNG");
        EXPECT_EQ(MaxDifference(encoded, ReferenceImage(name), name.ends_with(".ico")), 0);
    }
    // A metafile is played onto white at its own size.
    TPicture drawing;
    TMetafile& metafile = drawing.Metafile();
    metafile.SetSize(10, 8);
    {
        TMetafileCanvas canvas(metafile);
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 5, 8));
    }
    ASSERT_TRUE(drawing.SaveToPngFile(dir.File("drawing.png")));
    const QImage saved(QString::fromStdString(dir.File("drawing.png")));
    ASSERT_EQ(saved.size(), QSize(10, 8));
    EXPECT_EQ(saved.pixel(2, 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(saved.pixel(7, 4) & 0xFFFFFF, 0xFFFFFFu);
    TPicture empty;
    EXPECT_FALSE(empty.SaveToPngFile(dir.File("none.png")));
    std::string none;
    EXPECT_FALSE(empty.EncodePng(none));
}
