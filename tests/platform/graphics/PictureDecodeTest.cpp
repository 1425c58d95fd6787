// Decoding of BMP, ICO and JPEG bytes: the fixtures made by other tools, the
// formats they do not cover, exact stream consumption and damaged input.
#include "PictureTestUtil.h"

#include "platform/decoders/BmpDecoder.h"
#include "platform/decoders/IcoDecoder.h"
#include "platform/decoders/JpegDecoder.h"
#include "platform/graphics/Graphic.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace picturetest;

namespace {

const std::string Palette2 = std::string("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8);

QImage DecodeBmp(const std::string& Bytes) {
    TMemoryStream stream;
    FillStream(stream, Bytes);
    return ReadBmp(stream);
}

QImage DecodeFixture(const std::string& Name) {
    TFileStream file(FixturePath("pictures/" + Name), TFileMode::fmOpenRead);
    if (Name.ends_with(".bmp")) return ReadBmp(file);
    if (Name.ends_with(".jpg")) return ReadJpeg(file);
    const auto images = ReadIco(file);
    return images[BestIconImage(images)].Image;
}

std::function<void(TStream&)> ReaderFor(const std::string& Name) {
    if (Name.ends_with(".bmp")) return [](TStream& s) { ReadBmp(s); };
    if (Name.ends_with(".jpg")) return [](TStream& s) { ReadJpeg(s); };
    return [](TStream& s) { ReadIco(s); };
}

const char* const RasterFixtures[] = {
    "bmp1_mono.bmp",     "bmp4_vga16.bmp",    "bmp8_palette.bmp",     "bmp24_bottomup.bmp",
    "bmp24_topdown.bmp", "bmp24_fuchsia.bmp", "bmp32_alpha.bmp",      "icon_alpha.ico",
    "icon_palette.ico",  "jpeg_baseline.jpg", "jpeg_progressive.jpg", "jpeg_gray.jpg"};

} // namespace

TEST(PictureDecode, FixturesMatchTheirReferences) {
    for (const std::string name : RasterFixtures) {
        SCOPED_TRACE(name);
        const QImage image = DecodeFixture(name);
        const QImage reference = ReferenceImage(name);
        ASSERT_EQ(image.size(), reference.size());
        // The 32-bit bitmap's fourth byte is ignored, so only colours compare;
        // icons compare with their transparency.
        const bool alpha = name.ends_with(".ico");
        const int tolerance = name.ends_with(".jpg") ? 3 : 0;
        EXPECT_LE(MaxDifference(image, reference, alpha), tolerance);
    }
}

TEST(PictureDecode, IconsHoldEveryImage) {
    for (const std::string name : {"icon_alpha.ico", "icon_palette.ico"}) {
        SCOPED_TRACE(name);
        TFileStream file(FixturePath("pictures/" + name), TFileMode::fmOpenRead);
        const auto images = ReadIco(file);
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(BestIconImage(images), 0u);
        EXPECT_EQ(images[1].Image.size(), QSize(16, 16));
        EXPECT_EQ(MaxDifference(images[1].Image, ReferenceImage(name + ".16x16"), true), 0);
    }
}

TEST(PictureDecode, BestIconIsLargestThenDeepest) {
    std::vector<TIconImage> images(3);
    images[0] = {QImage(16, 16, QImage::Format_ARGB32), 32};
    images[1] = {QImage(32, 32, QImage::Format_ARGB32), 4};
    images[2] = {QImage(32, 32, QImage::Format_ARGB32), 8};
    EXPECT_EQ(BestIconImage(images), 2u);
}

TEST(PictureDecode, ReadsExactlyThePictureFromTheMiddleOfAStream) {
    for (const std::string name : RasterFixtures) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes(FixturePath("pictures/" + name));
        TMemoryStream stream;
        FillStream(stream, std::string(1000, '\x55') + bytes + std::string(5000, '\xFF'));
        stream.SetPosition(1000);
        ReaderFor(name)(stream);
        EXPECT_EQ(stream.Position(), int64_t(1000 + bytes.size()));
    }
}

TEST(PictureDecode, TruncatedFixturesAreInvalid) {
    for (const std::string name : RasterFixtures) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes(FixturePath("pictures/" + name));
        for (size_t length = 0; length < bytes.size(); length += 1 + length / 3) {
            TMemoryStream stream;
            FillStream(stream, bytes.substr(0, length));
            EXPECT_THROW(ReaderFor(name)(stream), EInvalidGraphic) << "length " << length;
        }
        TMemoryStream stream;
        FillStream(stream, bytes.substr(0, bytes.size() - 1));
        EXPECT_THROW(ReaderFor(name)(stream), EInvalidGraphic);
    }
}

TEST(PictureDecode, BitmapDepthsAndLayouts) {
    // 16 bits, 5-5-5: pure red then pure blue.
    QImage image = DecodeBmp(MakeBmp(2, 1, 16, 0, "", std::string("\x00\x7C\x1F\x00", 4)));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));

    // 16 bits with 5-6-5 bit fields after the 40-byte header.
    const std::string masks = std::string("\x00\xF8\x00\x00\xE0\x07\x00\x00\x1F\x00\x00\x00", 12);
    image = DecodeBmp(MakeBmp(2, 1, 16, 3, masks, std::string("\xE0\x07\x10\x84", 4)));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(132, 130, 132));

    // 32 bits with bit fields in another order (blue high, red low).
    const std::string bgr = std::string("\xFF\x00\x00\x00\x00\xFF\x00\x00\x00\x00\xFF\x00", 12);
    image = DecodeBmp(MakeBmp(1, 1, 32, 3, bgr, std::string("\x10\x20\x30\x99", 4)));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x10, 0x20, 0x30));

    // 8 bits, top-down, two rows; an index beyond the palette is black.
    image = DecodeBmp(
        MakeBmp(2, -2, 8, 0, Palette2, std::string("\x01\x00\x00\x00\x00\x07\x00\x00", 8), 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
}

TEST(PictureDecode, BitmapWithCoreHeader) {
    TByteWriter w;
    w.U8('B').U8('M').U32(14 + 12 + 6 + 4).U32(0).U32(14 + 12 + 6);
    w.U32(12).U16(2).U16(1).U16(1).U16(1);               // 2 x 1, 1 bit
    w.Bytes(std::string("\x00\x00\xFF\x00\xFF\x00", 6)); // red, green (BGR triples)
    w.Bytes(std::string("\x40\x00\x00\x00", 4));         // pixels 0, 1
    const QImage image = DecodeBmp(w.Str());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
}

// A zero pixel offset means the pixels follow the headers, the bit fields and
// the palette at once: the same image as with the offset written out, and
// the stream left after the pixels.
TEST(PictureDecode, AZeroPixelOffsetMeansThePixelsFollowTheHeaders) {
    const std::string masks = std::string("\x00\xF8\x00\x00\xE0\x07\x00\x00\x1F\x00\x00\x00", 12);
    const std::string bitmaps[] = {
        MakeBmp(2, 2, 8, 0, Palette2, std::string("\x01\x00\x00\x00\x00\x01\x00\x00", 8), 2),
        MakeBmp(3, 1, 1, 0, Palette2, std::string("\xA0\x00\x00\x00", 4), 2),
        MakeBmp(2, 1, 16, 3, masks, std::string("\xE0\x07\x1F\x00", 4)),
        MakeBmp(2, 1, 24, 0, "", std::string("\x10\x20\x30\x40\x50\x60\x00\x00", 8))};
    for (const std::string& bmp : bitmaps) {
        std::string zero = bmp;
        Poke32(zero, 10, 0);
        const QImage expected = DecodeBmp(bmp);
        SCOPED_TRACE(testing::Message() << expected.width() << " x " << expected.height());
        TMemoryStream stream;
        FillStream(stream, std::string(7, '\x55') + zero + "tail");
        stream.SetPosition(7);
        QImage image;
        ASSERT_NO_THROW(image = ReadBmp(stream));
        EXPECT_EQ(stream.Position(), int64_t(7 + zero.size()));
        ASSERT_EQ(image.size(), expected.size());
        EXPECT_EQ(MaxDifference(image, expected, false), 0);
    }
}

TEST(PictureDecode, RunLengthEncodedBitmaps) {
    const QRgb W = qRgb(255, 255, 255), B = qRgb(0, 0, 0);
    auto row = [](const QImage& image, int y) {
        std::vector<QRgb> pixels;
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y));
        return pixels;
    };
    // RLE8, 3 x 3 from the bottom: two runs; an absolute run; a delta that
    // skips one pixel (left at the background, index 0) and a run.
    const std::string rle8("\x02\x01\x01\x00\x00\x00"
                           "\x00\x03\x01\x00\x01\x00\x00\x00"
                           "\x00\x02\x01\x00\x01\x01\x00\x01",
                           22);
    QImage image = DecodeBmp(MakeBmp(3, 3, 8, 1, Palette2, rle8, 2));
    EXPECT_EQ(row(image, 2), (std::vector<QRgb>{W, W, B}));
    EXPECT_EQ(row(image, 1), (std::vector<QRgb>{W, B, W}));
    EXPECT_EQ(row(image, 0), (std::vector<QRgb>{B, W, B}));

    // RLE4, 4 x 2: a run alternating two nibbles; an absolute run of four.
    const std::string rle4("\x04\x10\x00\x00\x00\x04\x01\x10\x00\x01", 10);
    image = DecodeBmp(MakeBmp(4, 2, 4, 2, Palette2, rle4, 2));
    EXPECT_EQ(row(image, 1), (std::vector<QRgb>{W, B, W, B}));
    EXPECT_EQ(row(image, 0), (std::vector<QRgb>{B, W, W, B}));
}

TEST(PictureDecode, DamagedBitmapsAreInvalid) {
    const std::string pixels(8, '\0');
    const std::string good = MakeBmp(2, 2, 8, 0, Palette2, pixels, 2);
    ASSERT_NO_THROW(DecodeBmp(good));
    auto patched = [&](size_t offset, uint32_t value) {
        std::string b = good;
        Poke32(b, offset, value);
        return b;
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"not BM", "XY" + good.substr(2)},
        {"zero width", patched(18, 0)},
        {"zero height", patched(22, 0)},
        {"height INT_MIN", patched(22, 0x80000000)},
        {"huge width", patched(18, 1000000)},
        {"huge area",
         [&] {
             std::string b = patched(18, 30000);
             Poke32(b, 22, 30000);
             return b;
         }()},
        {"lying width within limits", patched(18, 4000)},
        {"unknown header size", patched(14, 41)},
        {"bad depth",
         [&] {
             std::string b = good;
             b[28] = 7;
             return b;
         }()},
        {"palette of a million colours", patched(46, 1000000)},
        {"offset inside the headers", patched(10, 20)},
        {"offset past the end", patched(10, 0x7FFFFFF0)},
        {"RLE4 on 8 bits", patched(30, 2)},
        {"empty", ""},
    };
    for (const auto& [what, bytes] : cases)
        EXPECT_THROW(DecodeBmp(bytes), EInvalidGraphic) << what;
}

TEST(PictureDecode, DamagedRunLengthCodesAreInvalid) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"run past the row", std::string("\x04\x01", 2)},
        {"absolute run past the row", std::string("\x00\x04\x01\x01\x01\x01", 6)},
        {"absolute run cut short", std::string("\x00\x03\x01", 3)},
        {"delta past the picture", std::string("\x00\x02\x00\x05\x01\x01", 6)},
        {"delta cut short", std::string("\x00\x02\x01", 3)},
        {"rows past the top", std::string("\x00\x00\x00\x00\x00\x00\x01\x01", 8)},
    };
    for (const auto& [what, bits] : cases)
        EXPECT_THROW(DecodeBmp(MakeBmp(3, 2, 8, 1, Palette2, bits, 2)), EInvalidGraphic) << what;
    // A data size larger than the stream is truncation, found before reading.
    std::string b = MakeBmp(3, 2, 8, 1, Palette2, std::string("\x00\x01", 2), 2);
    Poke32(b, 34, 0x7FFFFFFF);
    EXPECT_THROW(DecodeBmp(b), EInvalidGraphic);
}

TEST(PictureDecode, DamagedIconsAreInvalid) {
    const std::string good = ReadFileBytes(FixturePath("pictures/icon_palette.ico"));
    auto decode = [](const std::string& bytes) {
        TMemoryStream stream;
        FillStream(stream, bytes);
        return ReadIco(stream);
    };
    ASSERT_EQ(decode(good).size(), 2u);
    std::string noImages = good;
    noImages[4] = 0;
    EXPECT_THROW(decode(noImages), EInvalidGraphic);
    std::string cursor = good;
    cursor[2] = 2;
    EXPECT_THROW(decode(cursor), EInvalidGraphic);
    std::string lyingSize = good;
    Poke32(lyingSize, 6 + 8, 0x7FFFFFFF);
    EXPECT_THROW(decode(lyingSize), EInvalidGraphic);
    std::string offsetInDirectory = good;
    Poke32(offsetInDirectory, 6 + 12, 10);
    EXPECT_THROW(decode(offsetInDirectory), EInvalidGraphic);

    // One damaged image leaves the other; both damaged is an invalid icon.
    const uint32_t first = uint32_t(uint8_t(good[18])) | uint32_t(uint8_t(good[19])) << 8;
    const uint32_t second = uint32_t(uint8_t(good[34])) | uint32_t(uint8_t(good[35])) << 8;
    std::string oneBad = good;
    Poke32(oneBad, first, 7); // unknown header size
    const auto left = decode(oneBad);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Image.width(), 16);
    std::string bothBad = oneBad;
    Poke32(bothBad, second, 7);
    EXPECT_THROW(decode(bothBad), EInvalidGraphic);

    // A PNG image whose header claims a huge size is refused before decoding.
    TByteWriter png;
    png.U16(0).U16(1).U16(1).U8(0).U8(0).U8(0).U8(0).U16(1).U16(32).U32(33).U32(22);
    png.Bytes(
        std::string("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR\x00\x01\x00\x00\x00\x01\x00\x00", 24));
    png.Fill(9, 0);
    EXPECT_THROW(decode(png.Str()), EInvalidGraphic);
}

TEST(PictureDecode, DamagedJpegsAreInvalid) {
    const std::string good = ReadFileBytes(FixturePath("pictures/jpeg_baseline.jpg"));
    auto decode = [](const std::string& bytes) {
        TMemoryStream stream;
        FillStream(stream, bytes);
        return ReadJpeg(stream);
    };
    ASSERT_EQ(decode(good).size(), QSize(160, 120));
    // The frame header's height and width, patched to 60000 x 60000.
    const size_t sof = good.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    std::string huge = good;
    huge[sof + 5] = huge[sof + 7] = char(0xEA);
    huge[sof + 6] = huge[sof + 8] = char(0x60);
    EXPECT_THROW(decode(huge), EInvalidGraphic);
    std::string zero = good;
    zero[sof + 5] = zero[sof + 6] = 0;
    EXPECT_THROW(decode(zero), EInvalidGraphic);
    // A quantisation table cut to nothing makes libjpeg fail.
    const size_t dqt = good.find("\xFF\xDB");
    std::string badTable = good;
    badTable[dqt + 2] = 0;
    badTable[dqt + 3] = 2;
    EXPECT_THROW(decode(badTable), EInvalidGraphic);
    EXPECT_THROW(decode("\xFF\xD8\xFF\xD9"), EInvalidGraphic);
    EXPECT_THROW(decode("GIF89a"), EInvalidGraphic);
}

TEST(PictureDecode, RandomlyDamagedFixturesFailCleanly) {
    // Each damaged copy either decodes or raises EInvalidGraphic; the
    // sanitizer build catches any read outside the buffers.
    std::mt19937 random(1234);
    for (const std::string name : RasterFixtures) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes(FixturePath("pictures/" + name));
        for (int round = 0; round < 150; ++round) {
            std::string damaged = bytes;
            const int changes = 1 + int(random() % 4);
            for (int i = 0; i < changes; ++i) {
                // Mostly the headers, where the lengths and offsets are.
                const size_t span =
                    random() % 2 ? std::min<size_t>(bytes.size(), 128) : bytes.size();
                damaged[random() % span] = char(random() % 256);
            }
            TMemoryStream stream;
            FillStream(stream, damaged);
            try {
                ReaderFor(name)(stream);
            } catch (const EInvalidGraphic&) {
            }
            EXPECT_LE(stream.Position(), int64_t(damaged.size()));
        }
    }
}
