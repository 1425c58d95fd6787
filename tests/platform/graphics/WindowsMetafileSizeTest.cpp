// The size a WMF header states against the records it holds: some writers
// count the placeable header in it too, so it runs past the end record. Such
// a metafile plays to its end record and consumes exactly its bytes; one cut
// short before its end record stays invalid.
#include "WindowsMetafileTestUtil.h"
#include "WmfBuilder.h"

#include "platform/graphics/Graphic.h"

#include <gtest/gtest.h>
#include <uemf.h>

using namespace metafiletest;

namespace {

// The metafile size in 16-bit words, after the placeable header.
constexpr size_t SizeField = 22 + 6;

uint32_t StatedWords(const std::string& Bytes) {
    uint32_t words = 0;
    for (int i = 3; i >= 0; --i)
        words = words << 8 | uint8_t(Bytes[SizeField + i]);
    return words;
}

// The metafile with its stated size grown by ExtraWords.
std::string Overstated(std::string Bytes, uint32_t ExtraWords) {
    picturetest::Poke32(Bytes, SizeField, StatedWords(Bytes) + ExtraWords);
    return Bytes;
}

// A placeable metafile of 100 x 100 pixels: red left half on white.
std::string RedLeftHalf() {
    TWmfBuilder w(1000, 1000, 960);
    w.Rec(0x02FC, {U_BS_SOLID, 0xFF, 0, 0}); // CREATEBRUSHINDIRECT red
    w.Rec(0x012D, {0});                      // SELECTOBJECT
    w.Rec(0x02FA, {U_PS_NULL, 0, 0, 0, 0});  // CREATEPENINDIRECT null
    w.Rec(0x012D, {1});
    w.Rec(0x041B, {1000, 500, 0, 0}); // RECTANGLE (bottom, right, top, left)
    return w.Finish();
}

// Loads Bytes placed between Before and After in one stream; returns where
// the stream stands afterwards.
int64_t LoadBetween(const std::string& Before, const std::string& Bytes, const std::string& After,
                    TMetafile& Metafile) {
    TMemoryStream stream;
    const std::string all = Before + Bytes + After;
    stream.Write(all.data(), int64_t(all.size()));
    stream.SetPosition(int64_t(Before.size()));
    Metafile.LoadFromStream(stream);
    return stream.Position();
}

} // namespace

TEST(WindowsMetafileSize, SizeCountingThePlaceableHeaderPlaysToTheEndRecord) {
    const std::string exact = RedLeftHalf();
    for (uint32_t extra : {11u, 1u, 0x7FFFFFu, 0x7FFFFFF0u}) {
        SCOPED_TRACE(extra);
        const std::string bytes = Overstated(exact, extra);
        for (const std::string& after : {std::string(), std::string("next picture's bytes...")}) {
            TMetafile metafile;
            EXPECT_EQ(LoadBetween("head", bytes, after, metafile), int64_t(4 + bytes.size()))
                << "stops just after the end record";
            ASSERT_EQ(metafile.Width(), 100);
            const QImage image = Render(metafile, 100, 100);
            EXPECT_EQ(image.pixel(25, 50), qRgb(255, 0, 0));
            EXPECT_EQ(image.pixel(75, 50), qRgb(255, 255, 255));
        }
    }
}

TEST(WindowsMetafileSize, RealFileWithOverstatedSizeDrawsAsItsExactForm) {
    const std::string exact = FixtureBytes("wmf_libreoffice.wmf");
    const std::string overstated = Overstated(exact, 11);
    TMetafile a, b;
    LoadBytes(exact, a);
    EXPECT_EQ(LoadBetween("", overstated, std::string(5, 'x'), b), int64_t(overstated.size()));
    ASSERT_EQ(b.Width(), a.Width());
    ASSERT_EQ(b.Height(), a.Height());
    EXPECT_EQ(b.RecordCount(), a.RecordCount());
    EXPECT_EQ(Render(b, b.Width(), b.Height()), Render(a, a.Width(), a.Height()));
}

TEST(WindowsMetafileSize, RecordsCutBeforeTheEndRecordAreInvalid) {
    const std::string exact = RedLeftHalf();
    for (uint32_t extra : {0u, 11u}) {
        SCOPED_TRACE(extra);
        const std::string bytes = Overstated(exact, extra);
        // Without its end record, and cut inside the last drawing record.
        for (size_t cut : {size_t(6), size_t(10)}) {
            TMemoryStream stream;
            const std::string all = "head" + bytes.substr(0, bytes.size() - cut);
            stream.Write(all.data(), int64_t(all.size()));
            stream.SetPosition(4);
            TMetafile metafile;
            EXPECT_THROW(metafile.LoadFromStream(stream), EInvalidGraphic) << "cut " << cut;
            EXPECT_EQ(stream.Position(), 4);
        }
    }
}

TEST(WindowsMetafileSize, EndRecordMustBeAProperOne) {
    // An end-of-file function four words long is not the end, so the records
    // run out before the stated size.
    std::string bytes = Overstated(RedLeftHalf(), 11);
    picturetest::Poke32(bytes, bytes.size() - 6, 4);
    bytes += std::string(2, '\0');
    TMemoryStream stream;
    stream.Write(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
    TMetafile metafile;
    EXPECT_THROW(metafile.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(stream.Position(), 0);
}
