// Metafiles inside bigger streams, bytes that are no metafile, truncated
// files and records that lie: a clear failure or a partial picture, never a
// crash, a read outside the data, a huge allocation or a hang.
#include "WindowsMetafileTestUtil.h"
#include "WmfBuilder.h"

#include "platform/graphics/Graphic.h"

#include <gtest/gtest.h>
#include <random>
#include <uemf.h>

using namespace metafiletest;

namespace {

const char* const Fixtures[] = {"wmf_libreoffice.wmf", "emf_gdi.emf", "emf_inkscape.emf"};

// Loads and replays Bytes; true when they were accepted as a metafile.
bool LoadAndPlay(const std::string& Bytes) {
    TMetafile metafile;
    try {
        LoadBytes(Bytes, metafile);
    } catch (const EInvalidGraphic&) {
        return false;
    }
    Render(metafile, std::min(metafile.Width(), 64), std::min(metafile.Height(), 64));
    return true;
}

void ExpectInvalid(const std::string& Bytes) {
    TMemoryStream stream;
    stream.Write("prefix", 6);
    stream.Write(Bytes.data(), int64_t(Bytes.size()));
    stream.SetPosition(6);
    TMetafile metafile;
    EXPECT_THROW(metafile.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(stream.Position(), 6);
}

// A red square, then Damage, then a blue square.
std::string Between(const std::function<void(TEmfBuilder&)>& Damage) {
    TEmfBuilder e(100, 100, 4);
    e.Rec(U_EMR_SELECTOBJECT, {U_NULL_PEN});
    e.Rec(U_EMR_CREATEBRUSHINDIRECT, {1, U_BS_SOLID, 0x0000FF, 0});
    e.Rec(U_EMR_SELECTOBJECT, {1});
    e.Rec(U_EMR_RECTANGLE, {0, 0, 50, 50});
    Damage(e);
    e.Rec(U_EMR_CREATEBRUSHINDIRECT, {2, U_BS_SOLID, 0xFF0000, 0});
    e.Rec(U_EMR_SELECTOBJECT, {2});
    e.Rec(U_EMR_RECTANGLE, {50, 50, 100, 100});
    return e.Finish();
}

QRgb PixelAfter(const std::string& Bytes, int X, int Y) {
    TMetafile metafile;
    LoadBytes(Bytes, metafile);
    return Render(metafile, 100, 100).pixel(X, Y);
}

} // namespace

TEST(WindowsMetafileDamage, ReadsExactlyTheMetafileFromTheMiddleOfAStream) {
    for (const std::string name : Fixtures) {
        SCOPED_TRACE(name);
        const std::string bytes = FixtureBytes(name);
        TMemoryStream stream;
        stream.Write("0123456789", 10);
        stream.Write(bytes.data(), int64_t(bytes.size()));
        stream.Write("trailing bytes", 14);
        stream.SetPosition(10);
        TMetafile metafile;
        metafile.LoadFromStream(stream);
        EXPECT_EQ(stream.Position(), 10 + int64_t(bytes.size()));
        EXPECT_GT(metafile.RecordCount(), 0);
    }
}

TEST(WindowsMetafileDamage, MetafileShorterThanAnEmfHeaderInAStream) {
    const std::string small = TWmfBuilder(100, 100, 1440).Finish(); // 46 bytes
    TMemoryStream stream;
    stream.Write(small.data(), int64_t(small.size()));
    stream.Write(std::string(100, 'x').data(), 100);
    stream.SetPosition(0);
    TMetafile metafile;
    metafile.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), int64_t(small.size()));
    EXPECT_EQ(metafile.Width(), 7);
}

TEST(WindowsMetafileDamage, BytesThatAreNoMetafileAreInvalid) {
    ExpectInvalid("");
    ExpectInvalid("hello, world");
    ExpectInvalid(std::string(200, '\0'));
    ExpectInvalid(FixtureBytes("bmp24_topdown.bmp"));
    std::string emf = FixtureBytes("emf_gdi.emf");
    emf[40] = 'X'; // signature
    ExpectInvalid(emf);
    std::string wmf = FixtureBytes("wmf_libreoffice.wmf");
    wmf[22 + 4] = 0x07; // version
    ExpectInvalid(wmf);
}

TEST(WindowsMetafileDamage, TruncatedMetafilesAreInvalid) {
    for (const std::string name : Fixtures) {
        SCOPED_TRACE(name);
        const std::string bytes = FixtureBytes(name);
        for (size_t keep :
             {size_t(10), size_t(40), size_t(100), bytes.size() / 2, bytes.size() - 1})
            ExpectInvalid(bytes.substr(0, keep));
    }
}

TEST(WindowsMetafileDamage, RecordsWithLyingSizesEndThePlayback) {
    for (uint32_t size : {0u, 6u, 10u, 0x7FFFFFF0u}) {
        SCOPED_TRACE(size);
        // The empty rectangle between the squares gets the lying size.
        std::string damaged =
            Between([&](TEmfBuilder& e) { e.Raw(U_EMR_RECTANGLE, std::string(16, '\0')); });
        const size_t at = damaged.find(std::string("\x2B\0\0\0\x18\0\0\0", 8), 160);
        ASSERT_NE(at, std::string::npos);
        picturetest::Poke32(damaged, at + 4, size);
        EXPECT_EQ(qRed(PixelAfter(damaged, 25, 25)), 255);           // drawn before the damage
        EXPECT_EQ(PixelAfter(damaged, 75, 75), qRgb(255, 255, 255)); // not after
    }
}

TEST(WindowsMetafileDamage, CountsAndIndexesOutOfRangeAreSkipped) {
    const std::string bytes = Between([](TEmfBuilder& e) {
        // More points than the record holds, including a count whose byte
        // size wraps around 32 bits.
        e.Rec(U_EMR_POLYLINE, {0, 0, 0, 0, 0x20000001, 1, 1, 2, 2});
        e.Rec(U_EMR_POLYGON16, {0, 0, 0, 0, 0xFFFFFFFF, 1});
        e.Rec(U_EMR_POLYPOLYGON, {0, 0, 0, 0, 0x40000000, 3, 3, 0, 0, 1, 1, 2, 2});
        e.Rec(U_EMR_POLYPOLYGON16, {0, 0, 0, 0, 1, 3, 1000, 0, 0});
        // Objects outside the table, and deleting what does not exist.
        e.Rec(U_EMR_CREATEPEN, {0xFFFFFFF, 0, 5, 0, 0});
        e.Rec(U_EMR_SELECTOBJECT, {0xFFFF});
        e.Rec(U_EMR_SELECTOBJECT, {0x80000063});
        e.Rec(U_EMR_DELETEOBJECT, {0x7FFFFFFF});
        // Text whose characters and advances lie outside the record.
        e.Rec(U_EMR_EXTTEXTOUTW, {0, 0, 0, 0, 1, 0, 0, 10, 10, 0x7FFFFFFF, 60, U_ETO_NO_RECT, 0});
        e.Rec(U_EMR_EXTTEXTOUTW,
              {0, 0, 0, 0, 1, 0, 0, 10, 10, 2, 0xFFFFFFF0, U_ETO_NO_RECT, 64, 0x41});
        // A bitmap header claiming 65535 x 65535 pixels, and gradients with
        // vertex indexes out of range.
        e.Rec(U_EMR_STRETCHDIBITS, {0,  0,   0, 0, 0,          0, 0, 0,  9,     9,     80,
                                    40, 120, 4, 0, 0x00CC0020, 9, 9, 40, 65535, 65535, 1 | 24 << 16,
                                    0,  0,   0, 0, 0,          0, 0});
        e.Rec(U_EMR_GRADIENTFILL, {0, 0, 0, 0, 1, 2, 0, 0, 0, 0, 0, 5, 6, 0, 7});
        e.Rec(U_EMR_GRADIENTFILL, {0, 0, 0, 0, 0x10000000, 0x10000000, 2});
        e.Rec(U_EMR_EXTSELECTCLIPRGN, {0xFFFFFFF0, U_RGN_COPY});
    });
    EXPECT_EQ(qRed(PixelAfter(bytes, 25, 25)), 255);
    EXPECT_EQ(qBlue(PixelAfter(bytes, 75, 75)), 255); // playback went on
}

TEST(WindowsMetafileDamage, SaveDCFloodsAndAbsurdMappingsStayCheap) {
    const std::string bytes = Between([](TEmfBuilder& e) {
        for (int i = 0; i < 100000; ++i)
            e.Rec(U_EMR_SAVEDC, {});
        e.Rec(U_EMR_RESTOREDC, {uint32_t(-100000)});
        e.Rec(U_EMR_RESTOREDC, {0x7FFFFFFF});
        e.Rec(U_EMR_SAVEDC, {});
        e.Rec(U_EMR_SELECTOBJECT, {U_BLACK_PEN});
        e.Rec(U_EMR_SETMAPMODE, {U_MM_ANISOTROPIC});
        e.Rec(U_EMR_SETWINDOWEXTEX, {1, 0});
        e.Rec(U_EMR_SETVIEWPORTEXTEX, {0x7FFFFFFF, 0x80000000});
        e.Rec(U_EMR_ELLIPSE, {0x80000000, 0x80000000, 0x7FFFFFFF, 0x7FFFFFFF});
        e.Rec(U_EMR_ARC, {0, 0, 0x7FFFFFFF, 0x7FFFFFFF, 0, 0, 5, 5});
        e.Rec(U_EMR_SETWORLDTRANSFORM, {0x7FC00000, 0, 0, 0x7F800000, 0, 0}); // NaN, infinity
        e.Rec(U_EMR_MODIFYWORLDTRANSFORM, {0, 0, 0, 0, 0, 0, 4});             // collapses the plane
        e.Rec(U_EMR_ANGLEARC, {10, 10, 0xFFFFFFFF, 0, 0x7F7FFFFF});
        e.Rec(U_EMR_RESTOREDC, {uint32_t(-1)});
    });
    EXPECT_EQ(qRed(PixelAfter(bytes, 25, 25)), 255);
    EXPECT_EQ(qBlue(PixelAfter(bytes, 75, 75)), 255);

    // A frame of 2 km is scaled down to a sane size, keeping its aspect.
    std::string huge = TEmfBuilder().Finish();
    picturetest::Poke32(huge, 32, 200'000'000);
    picturetest::Poke32(huge, 36, 100'000'000);
    TMetafile metafile;
    LoadBytes(huge, metafile);
    EXPECT_EQ(metafile.Width(), 16384);
    EXPECT_EQ(metafile.Height(), 8192);
}

TEST(WindowsMetafileDamage, DamagedWmfRecords) {
    TWmfBuilder w(1000, 1000, 1000, 2);
    w.Rec(0x0324, {0x7FFF, 1, 1});                   // POLYGON with too many points
    w.Rec(0x0538, {0x7FFF, 1});                      // POLYPOLYGON with too many polygons
    w.Rec(0x0538, {2, 3, 0x7FFF, 0, 0, 1, 1, 2, 2}); // and too many points
    w.Rec(0x0521, {0x7FFF, 0x4141});                 // TEXTOUT longer than the record
    w.Rec(0x0A32, {0, 0, 0x7FFF, 0});                // EXTTEXTOUT likewise
    w.Rec(0x0F43, {0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0, 40, 0x7FFF, 0x7FFF}); // STRETCHDIB
    for (int i = 0; i < 5; ++i)
        w.Rec(0x02FC, {0, 0, 0, 0}); // table overflow
    w.Rec(0x012D, {0xFFFF});
    w.Rec(0x01F0, {0xFFFF});
    for (int i = 0; i < 1000; ++i)
        w.Rec(0x001E, {});
    w.Rec(0x0127, {int(0x8000)});
    w.Rec(0x020C, {0, 0}); // window extent of zero
    w.Rec(0x041B, {10, 10, 0, 0});
    std::string bytes = w.Finish();
    EXPECT_TRUE(LoadAndPlay(bytes));
    // A record size running past the end stops the playback.
    picturetest::Poke32(bytes, 40, 0x7FFFFFFF);
    EXPECT_TRUE(LoadAndPlay(bytes));
}

TEST(WindowsMetafileDamage, CorruptedFixturesNeverCrash) {
    std::mt19937 random(20240601);
    for (const std::string name : Fixtures) {
        SCOPED_TRACE(name);
        const std::string original = FixtureBytes(name);
        for (int round = 0; round < 150; ++round) {
            std::string bytes = original;
            const int changes = 1 + int(random() % 8);
            for (int c = 0; c < changes; ++c) {
                const size_t at = random() % bytes.size();
                bytes[at] = char(random() % 3 == 0 ? 0xFF : random() & 0xFF);
            }
            LoadAndPlay(bytes);
        }
    }
}
