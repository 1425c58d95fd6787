// Font and pen records: their bytes, round trips and the failure flag.
#include "common/FontPenValues.h"

#include <gtest/gtest.h>

using namespace myDefines;

namespace {

std::string Bytes(TMemoryStream& Stream) {
    return std::string(Stream.Memory(), size_t(Stream.Size()));
}

} // namespace

TEST(FontPenRecords, FontRecordLayoutAndRoundTrip) {
    TFont font;
    font.SetName("Arial");
    font.SetCharset(RUSSIAN_CHARSET);
    font.SetColor(clBtnFace);
    font.SetPitch(fpFixed);
    font.SetSize(13);
    font.SetStyle({fsItalic, fsStrikeOut});
    TMemoryStream stream;
    bool failed = false;
    ASSERT_TRUE(SaveFnt(failed, &stream, &font));
    const std::string expected("\x05\x00\x00\x00"
                               "Arial"
                               "\xCC"
                               "\x0F\x00\x00\x80"
                               "\x02"
                               "\x0D\x00\x00\x00"
                               "\x00\x01\x00\x01",
                               23);
    EXPECT_EQ(Bytes(stream), expected);

    stream.SetPosition(0);
    TFont read;
    read.SetStyle({fsBold});
    ASSERT_TRUE(LoadFnt(failed, &stream, &read));
    EXPECT_EQ(read.Name(), "Arial");
    EXPECT_EQ(read.Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(read.Color(), clBtnFace);
    EXPECT_EQ(read.Pitch(), fpFixed);
    EXPECT_EQ(read.Size(), 13);
    EXPECT_EQ(read.Style(), (TFontStyles{fsItalic, fsStrikeOut}));
}

TEST(FontPenRecords, PenRecordLayoutAndRoundTrip) {
    TPen pen;
    pen.SetStyle(psDashDot);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    TMemoryStream stream;
    bool failed = false;
    ASSERT_TRUE(SavePen(failed, &stream, &pen));
    EXPECT_EQ(Bytes(stream), std::string("\x03\xFF\x00\x00\x00\x03\x00\x00\x00", 9));
    stream.SetPosition(0);
    TPen read;
    ASSERT_TRUE(LoadPen(failed, &stream, &read));
    EXPECT_EQ(read.Style(), psDashDot);
    EXPECT_EQ(read.Color(), clRed);
    EXPECT_EQ(read.Width(), 3);
}

TEST(FontPenRecords, ShortRecordsApplyOnlyWhatWasRead) {
    TFont font;
    TMemoryStream full;
    bool failed = false;
    font.SetName("Courier New");
    font.SetSize(20);
    SaveFnt(failed, &full, &font);
    // Cut inside the size: name, charset, colour and pitch apply; the rest not.
    TMemoryStream cut;
    cut.Write(full.Memory(), 4 + 11 + 1 + 4 + 1 + 2);
    cut.SetPosition(0);
    TFont read;
    read.SetSize(9);
    read.SetStyle({fsBold});
    EXPECT_FALSE(LoadFnt(failed, &cut, &read));
    EXPECT_TRUE(failed);
    EXPECT_EQ(read.Name(), "Courier New");
    EXPECT_EQ(read.Size(), 9);
    EXPECT_TRUE(read.Style().Contains(fsBold));

    // Once the flag is set, a pen read applies nothing.
    TPen pen;
    TMemoryStream penStream;
    bool penFailed = false;
    pen.SetColor(clRed);
    SavePen(penFailed, &penStream, &pen);
    penStream.SetPosition(0);
    TPen target;
    EXPECT_FALSE(LoadPen(failed, &penStream, &target));
    EXPECT_EQ(target.Color(), clBlack);
}

TEST(FontPenRecords, WritingWithTheFlagSetSkipsOnlyTheName) {
    TFont font;
    font.SetName("Arial");
    TMemoryStream stream;
    bool failed = true;
    EXPECT_FALSE(SaveFnt(failed, &stream, &font));
    EXPECT_EQ(stream.Size(), 1 + 4 + 1 + 4 + 4); // the fixed-size fields only
}

TEST(FontPenRecords, OutOfRangeEnumerationBytesReadAsDefaults) {
    TMemoryStream stream;
    stream.Write("\x09\x00\x00\x00\x00\x01\x00\x00\x00", 9);
    stream.SetPosition(0);
    TPen pen;
    pen.SetStyle(psDot);
    bool failed = false;
    EXPECT_TRUE(LoadPen(failed, &stream, &pen));
    EXPECT_EQ(pen.Style(), psSolid);
}
