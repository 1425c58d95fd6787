// Bitmaps with an alpha mask: decoded with their alpha, drawn blended over
// what lies beneath, kept through resizing and drawing into them, saved as
// RGBA. Bitmaps without one, including 32-bit ones whose fourth byte varies,
// stay opaque.
//
// The fixture bmp32_alpha.bmp is a plain 32-bit bitmap (40-byte header, no
// masks) whose fourth byte holds alpha; the bitmaps with alpha masks are made
// from its pixel bytes, so they must decode to its RGBA reference.
#include "PictureTestUtil.h"

#include "platform/decoders/BmpDecoder.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"

#include <gtest/gtest.h>

using namespace picturetest;

namespace {

const char* const AlphaFixture = "bmp32_alpha.bmp";
constexpr size_t FixturePixelsAt = 14 + 40;
const uint32_t StandardMasks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};

std::string FixtureBytes() {
    return ReadFileBytes(FixturePath(std::string("pictures/") + AlphaFixture));
}

// A BMP file with a header of HeaderSize bytes (40, 108 or 124) and Masks
// (red, green, blue, alpha): inside a larger header, after a 40-byte one
// (three, or four with BI_ALPHABITFIELDS).
std::string MakeMaskedBmp(int32_t Width, int32_t Height, uint16_t BitCount, uint32_t HeaderSize,
                          uint32_t Compression, const uint32_t (&Masks)[4],
                          const std::string& Bits) {
    const uint32_t after = HeaderSize > 40 ? 0 : Compression == 6 ? 16 : 12;
    const uint32_t offset = 14 + HeaderSize + after;
    TByteWriter w;
    w.U8('B').U8('M').U32(offset + uint32_t(Bits.size())).U32(0).U32(offset);
    w.U32(HeaderSize).U32(uint32_t(Width)).U32(uint32_t(Height)).U16(1).U16(BitCount);
    w.U32(Compression).U32(uint32_t(Bits.size())).U32(2835).U32(2835).U32(0).U32(0);
    const size_t masks = HeaderSize > 40 ? 4 : after / 4;
    for (size_t i = 0; i < masks; ++i)
        w.U32(Masks[i]);
    if (HeaderSize > 40) w.U32(0x73524742).Fill(HeaderSize - 60, 0); // colour space: sRGB
    return w.Bytes(Bits).Str();
}

// The fixture's pixels behind a header with an alpha mask.
std::string FixtureWithAlphaMask(uint32_t HeaderSize, uint32_t Compression = 3) {
    return MakeMaskedBmp(48, 48, 32, HeaderSize, Compression, StandardMasks,
                         FixtureBytes().substr(FixturePixelsAt));
}

QImage Decode(const std::string& Bytes) {
    TMemoryStream stream;
    FillStream(stream, Bytes);
    return ReadBmp(stream);
}

void LoadBitmap(TBitmap& Bitmap, const std::string& Bytes) {
    TMemoryStream stream;
    FillStream(stream, Bytes);
    Bitmap.LoadFromStream(stream);
}

int ChannelDifference(QRgb A, QRgb B) {
    return std::max({std::abs(qRed(A) - qRed(B)), std::abs(qGreen(A) - qGreen(B)),
                     std::abs(qBlue(A) - qBlue(B))});
}

bool AllOpaque(const QImage& Image) {
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (qAlpha(Image.pixel(x, y)) != 255) return false;
    return true;
}

// Pixels of the fixture: wholly transparent, half transparent (alpha 158,
// inside the disc), opaque (the orange square).
const QPoint Clear(0, 0), Half(24, 24), Solid(10, 10);

} // namespace

TEST(BitmapAlpha, AlphaMaskKeepsTheAlphaOfTheReference) {
    const QImage reference = ReferenceImage(AlphaFixture);
    ASSERT_EQ(qAlpha(reference.pixel(Clear)), 0);
    ASSERT_EQ(qAlpha(reference.pixel(Half)), 158);
    ASSERT_EQ(reference.pixel(Solid), qRgb(255, 128, 0));
    for (const auto& [headerSize, compression] : {std::pair{108u, 3u}, {124u, 3u}, {40u, 6u}}) {
        SCOPED_TRACE(headerSize);
        const QImage image = Decode(FixtureWithAlphaMask(headerSize, compression));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        EXPECT_EQ(MaxDifference(image, reference, true), 0);
        EXPECT_EQ(image.pixel(Half), reference.pixel(Half)) << "straight, not premultiplied";
    }
}

TEST(BitmapAlpha, WithoutAnAlphaMaskTheFourthByteIsNotAlpha) {
    const QImage reference = ReferenceImage(AlphaFixture);
    const std::string pixels = FixtureBytes().substr(FixturePixelsAt);
    const uint32_t noAlpha[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    const std::string unmasked[] = {
        FixtureBytes(),                                            // 40-byte header, BI_RGB
        MakeMaskedBmp(48, 48, 32, 40, 3, StandardMasks, pixels),   // three masks only
        MakeMaskedBmp(48, 48, 32, 124, 3, noAlpha, pixels),        // alpha mask zero
        MakeMaskedBmp(48, 48, 32, 124, 0, StandardMasks, pixels)}; // masks unused by BI_RGB
    for (size_t i = 0; i < std::size(unmasked); ++i) {
        SCOPED_TRACE(i);
        const QImage image = Decode(unmasked[i]);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(AllOpaque(image));
        EXPECT_EQ(MaxDifference(image, reference, false), 0);
        EXPECT_EQ(image.pixel(Clear), qRgb(0, 0, 0)) << "the reference's colour where it is clear";
    }
}

TEST(BitmapAlpha, SixteenBitPixelsWithAnAlphaMask) {
    const uint32_t argb4444[4] = {0x0F00, 0x00F0, 0x000F, 0xF000};
    const QImage image = Decode(MakeMaskedBmp(3, 1, 16, 108, 3, argb4444,
                                              std::string("\x0F\xF0\x00\x7F\x00\x00\x00\x00", 8)));
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgba(0, 0, 255, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgba(255, 0, 0, 119)); // 7 of 15
    EXPECT_EQ(qAlpha(image.pixel(2, 0)), 0);
}

TEST(BitmapAlpha, AlphaZeroThroughoutIsTakenAsOpaque) {
    std::string pixels = FixtureBytes().substr(FixturePixelsAt);
    for (size_t i = 3; i < pixels.size(); i += 4)
        pixels[i] = 0;
    const QImage image = Decode(MakeMaskedBmp(48, 48, 32, 124, 3, StandardMasks, pixels));
    EXPECT_TRUE(AllOpaque(image));
    EXPECT_EQ(MaxDifference(image, ReferenceImage(AlphaFixture), false), 0);
}

TEST(BitmapAlpha, DrawnBlendedOverTheBackground) {
    TBitmap bitmap;
    LoadBitmap(bitmap, FixtureWithAlphaMask(124));
    EXPECT_TRUE(bitmap.HasAlpha());
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    const QImage expected = OverBackground(ReferenceImage(AlphaFixture), Qt::green);
    const QRgb green = qRgb(0, 255, 0);
    const TRect dest = Rect(0, 0, 48, 48);
    // Straight onto a canvas, and through a display list as pages draw.
    TMetafile recorded;
    recorded.SetSize(48, 48);
    {
        TMetafileCanvas canvas(recorded);
        canvas.Draw(0, 0, &bitmap);
    }
    for (const TGraphic* graphic :
         {static_cast<const TGraphic*>(&bitmap), static_cast<const TGraphic*>(&recorded)}) {
        const QImage drawn = DrawOnto(*graphic, 48, 48, dest, Qt::green);
        EXPECT_LE(MaxDifference(drawn, expected, false), 1);
        EXPECT_EQ(drawn.pixel(Clear), green);
        EXPECT_EQ(drawn.pixel(Solid), qRgb(255, 128, 0));
        const QRgb half = drawn.pixel(Half); // 0x2080FF at 158 of 255 over green
        EXPECT_NEAR(qRed(half), 0x20 * 158 / 255, 1);
        EXPECT_NEAR(qGreen(half), (0x80 * 158 + 255 * 97) / 255, 1);
        EXPECT_NEAR(qBlue(half), 255 * 158 / 255, 1);
    }
}

TEST(BitmapAlpha, TransparentColourClearsItsPixelsOnTopOfTheAlpha) {
    TBitmap bitmap;
    LoadBitmap(bitmap, FixtureWithAlphaMask(108));
    bitmap.SetTransparentColor(RGB(255, 128, 0)); // the opaque square
    bitmap.SetTransparent(true);
    const QImage reference = ReferenceImage(AlphaFixture);
    const QImage blended = OverBackground(reference, Qt::green);
    const QImage drawn = DrawOnto(bitmap, 48, 48, Rect(0, 0, 48, 48), Qt::green);
    int keyed = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const bool key = (reference.pixel(x, y) & 0xFFFFFF) == 0xFF8000;
            keyed += key;
            const QRgb want = key ? qRgb(0, 255, 0) : blended.pixel(x, y);
            ASSERT_LE(ChannelDifference(drawn.pixel(x, y), want), 1) << x << "," << y;
        }
    EXPECT_EQ(keyed, 169);
}

TEST(BitmapAlpha, ResizingAndDrawingIntoTheBitmapKeepTheAlpha) {
    TBitmap bitmap;
    LoadBitmap(bitmap, FixtureWithAlphaMask(124));
    const QImage original = bitmap.Image();
    bitmap.SetSize(50, 47);
    ASSERT_TRUE(bitmap.HasAlpha());
    for (int y = 0; y < 47; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(bitmap.Image().pixel(x, y), original.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(bitmap.Image().pixel(49, 0), qRgba(255, 255, 255, 255)) << "new pixels opaque white";

    // What the canvas draws is opaque; what it leaves keeps its alpha.
    bitmap.Canvas().Brush().SetColor(clBlue);
    bitmap.Canvas().Brush().SetStyle(bsSolid);
    bitmap.Canvas().FillRect(Rect(0, 30, 50, 47));
    EXPECT_EQ(bitmap.Image().pixel(0, 40), qRgba(0, 0, 255, 255));
    EXPECT_EQ(bitmap.Image().pixel(Clear), original.pixel(Clear));
    EXPECT_EQ(bitmap.Image().pixel(Half), original.pixel(Half));

    TBitmap copy;
    copy.Assign(bitmap);
    EXPECT_TRUE(copy.HasAlpha());
    EXPECT_EQ(copy.Image().pixel(Half), original.pixel(Half));

    // Opaque bitmaps stay opaque through the same steps.
    TBitmap opaque;
    LoadBitmap(opaque, FixtureBytes());
    opaque.SetSize(50, 47);
    EXPECT_FALSE(opaque.HasAlpha());
    EXPECT_TRUE(AllOpaque(opaque.Image()));
}

TEST(BitmapAlpha, SetImageKeepsAnAlphaChannelOnly) {
    QImage argb(2, 1, QImage::Format_ARGB32_Premultiplied);
    argb.setPixel(0, 0, qRgba(0, 0, 0, 0));
    argb.setPixel(1, 0, qPremultiply(qRgba(255, 0, 0, 128)));
    TBitmap bitmap;
    bitmap.SetImage(argb);
    EXPECT_TRUE(bitmap.HasAlpha());
    EXPECT_EQ(qAlpha(bitmap.Image().pixel(1, 0)), 128);
    bitmap.SetImage(QImage(2, 1, QImage::Format_RGB888));
    EXPECT_FALSE(bitmap.HasAlpha());
}

TEST(BitmapAlpha, SavedAsRgbaPngWhenItHasAlpha) {
    TTempDir dir;
    WriteFileBytes(dir.File("alpha.bmp"), FixtureWithAlphaMask(124));
    const std::pair<std::string, bool> cases[] = {{dir.File("alpha.bmp"), true},
                                                  {FixturePath("pictures/bmp32_alpha.bmp"), false}};
    for (const auto& [file, alpha] : cases) {
        SCOPED_TRACE(file);
        TPicture picture;
        picture.LoadFromFile(file);
        ASSERT_TRUE(picture.SaveToPngFile(dir.File("out.png")));
        const QImage saved(QString::fromStdString(dir.File("out.png")));
        EXPECT_EQ(saved.hasAlphaChannel(), alpha);
        EXPECT_EQ(MaxDifference(saved, ReferenceImage(AlphaFixture), alpha), 0);
    }
}
