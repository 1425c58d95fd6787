#include "common/StreamValues.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace myDefines;

namespace {

TMemoryStream StreamOf(const std::string& bytes) {
    TMemoryStream m;
    m.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    m.SetPosition(0);
    return m;
}

std::string Int32(int32_t v) {
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

std::string Bytes(TMemoryStream& m) {
    return std::string(m.Memory(), m.Size());
}

// A memory stream whose writes raise once it has taken GoodWrites of them
// (a negative count never raises); it counts the writes it was asked for.
class TRaisingStream : public TMemoryStream {
public:
    explicit TRaisingStream(int GoodWrites) : FGoodWrites(GoodWrites) {}
    int Writes = 0;

    int64_t Write(const void* Buffer, int64_t Count) override {
        if (FGoodWrites >= 0 && Writes >= FGoodWrites) throw EWriteError("the disk is full");
        ++Writes;
        return TMemoryStream::Write(Buffer, Count);
    }

private:
    int FGoodWrites;
};

// Every kind of save, each with the failure flag it is given.
const std::vector<std::pair<const char*, std::function<bool(bool&, TStream*)>>> Saves = {
    {"bytes", [](bool& f, TStream* s) { return SaveVar(f, s, "abc", 3); }},
    {"int32", [](bool& f, TStream* s) { return SaveVar(f, s, int32_t(7)); }},
    {"bool", [](bool& f, TStream* s) { return SaveVar(f, s, true); }},
    {"plain string", [](bool& f, TStream* s) { return SaveStr(f, s, "text"); }},
    {"coded string",
     [](bool& f, TStream* s) {
         const unsigned char key = 9;
         return SaveStr(f, s, "text", true, TCodingType::ctChained, &key);
     }},
    {"coded string, random key",
     [](bool& f, TStream* s) {
         return SaveStr(f, s, "text", true, TCodingType::ctRandomKey, nullptr);
     }},
};

} // namespace

TEST(StreamValues, FixedSizeValuesAreTheirLittleEndianImages) {
    TMemoryStream m;
    bool failed = false;
    SaveVar(failed, &m, int32_t(-2));
    SaveVar(failed, &m, true);
    SaveVar(failed, &m, static_cast<unsigned char>(0xAB));
    SaveVar(failed, &m, TCodingType::ctChained);
    EXPECT_FALSE(failed);
    EXPECT_EQ(Bytes(m), std::string("\xFE\xFF\xFF\xFF\x01\xAB\x00", 7));

    TMemoryStream in = StreamOf(std::string("\x07\x00\x00\x00\x02", 5));
    int32_t v = 0;
    bool b = false;
    EXPECT_TRUE(LoadVar(failed, &in, v));
    EXPECT_TRUE(LoadVar(failed, &in, b)); // any non-zero byte is true
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(b);
}

TEST(StreamValues, AShortReadSetsTheFlagAndKeepsUndeliveredBytes) {
    TMemoryStream in = StreamOf("\x01\x02");
    bool failed = false;
    int32_t v = 0x55555555;
    EXPECT_FALSE(LoadVar(failed, &in, v));
    EXPECT_TRUE(failed);
    EXPECT_EQ(v, 0x55550201);
    // Fixed-size transfers are still attempted once the flag is set; it stays set.
    TMemoryStream more = StreamOf(Int32(9));
    EXPECT_FALSE(LoadVar(failed, &more, v));
    EXPECT_EQ(v, 9);
    EXPECT_TRUE(failed);
}

TEST(StreamValues, PlainStringsHaveALengthAndNoTerminator) {
    TMemoryStream m;
    bool failed = false;
    SaveStr(failed, &m, "");
    EXPECT_EQ(Bytes(m), std::string(4, '\0'));
    SaveStr(failed, &m, "abc");
    m.SetPosition(0);
    AnsiString a = "x", b;
    EXPECT_TRUE(LoadStr(failed, &m, a));
    EXPECT_TRUE(LoadStr(failed, &m, b));
    EXPECT_EQ(a, "");
    EXPECT_EQ(b, "abc");
    EXPECT_FALSE(failed);
}

TEST(StreamValues, StringLengthsAreBounded) {
    const std::string longest(131071, 'q');
    TMemoryStream ok = StreamOf(Int32(131071) + longest);
    bool failed = false;
    EXPECT_EQ(LoadStr(failed, &ok), longest);
    EXPECT_FALSE(failed);

    for (int32_t bad : {131072, -1}) {
        TMemoryStream in = StreamOf(Int32(bad) + "abcdef");
        bool f = false;
        AnsiString text = "kept";
        EXPECT_FALSE(LoadStr(f, &in, text));
        EXPECT_TRUE(f);
        EXPECT_EQ(text, "kept");
        EXPECT_EQ(in.Position(), 4) << "only the length is consumed";
    }

    TMemoryStream out;
    failed = false;
    EXPECT_FALSE(SaveStr(failed, &out, std::string(131072, 'x')));
    EXPECT_TRUE(failed);
}

TEST(StreamValues, AZeroByteCutsTheStringButAllBytesAreConsumed) {
    TMemoryStream in = StreamOf(Int32(5) + std::string("ab\0cd", 5) + "!");
    bool failed = false;
    EXPECT_EQ(LoadStr(failed, &in), "ab");
    EXPECT_EQ(in.Position(), 9);
}

TEST(StreamValues, CodedStringsRoundTripWithTheirKey) {
    TMemoryStream m;
    bool failed = false;
    const unsigned char key = 0x42;
    SaveStr(failed, &m, "", true, TCodingType::ctChained, &key);
    EXPECT_EQ(Bytes(m), std::string("\x00\x42\x00\x00\x00\x00", 6));
    SaveStr(failed, &m, "Привет", true, TCodingType::ctRandomKey, nullptr);
    SaveStr(failed, &m, "no key given", true, TCodingType::ctChained, nullptr);
    EXPECT_EQ(m.Size(), 6 + (6 + 2 * 12) + (6 + 24));
    m.SetPosition(0);
    EXPECT_EQ(LoadStr(failed, &m, true), "");
    EXPECT_EQ(LoadStr(failed, &m, true), "Привет");
    EXPECT_EQ(LoadStr(failed, &m, true), "no key given");
    EXPECT_FALSE(failed);
}

TEST(StreamValues, CodedStringsOfAnotherKindFail) {
    for (char kind : {'\x01', '\x07'}) {
        TMemoryStream in = StreamOf(std::string(1, kind) + Int32(2) + "41");
        bool failed = false;
        AnsiString text = "kept";
        EXPECT_FALSE(LoadStr(failed, &in, text, true));
        EXPECT_TRUE(failed);
        EXPECT_EQ(text, "kept");
    }
    TMemoryStream out;
    bool failed = false;
    EXPECT_FALSE(SaveStr(failed, &out, "x", true, static_cast<TCodingType>(5), nullptr));
    EXPECT_TRUE(failed);
    EXPECT_EQ(Bytes(out), "\x05") << "the kind byte is written, nothing else";
}

TEST(StreamValues, CodedTextsReadAsViewsDecodeLikeCodedStrings) {
    // Every text the string reader sees, long ones included, and the same
    // shortening: an odd last character is dropped, a zero byte ends the text.
    TMemoryStream m;
    bool failed = false;
    const unsigned char key = 0x9E;
    AnsiString longest;
    for (int i = 0; i < MaxStoredStringLength / 2; ++i)
        longest += static_cast<char>("\r\nab\xE0\xFF"[i % 6]);
    for (const AnsiString& text : {AnsiString(""), AnsiString("Привет"), longest})
        SaveStr(failed, &m, text, true, TCodingType::ctChained, &key);
    m.Write("\0\x01", 2);
    m.Write(Int32(7).data(), 4);
    m.Write("4142F\0"
            "9",
            7);
    m.SetPosition(0);
    std::string_view view;
    for (const AnsiString& text : {AnsiString(""), AnsiString("Привет"), longest}) {
        ASSERT_TRUE(LoadCodedText(failed, &m, view));
        EXPECT_EQ(view, text);
    }
    AnsiString cut;
    const unsigned char one = 1;
    DecodeText(TCodingType::ctChained, "4142F", cut, &one);
    ASSERT_TRUE(LoadCodedText(failed, &m, view));
    EXPECT_EQ(view, cut) << "the zero byte ends the coded text, its odd last digit is dropped";
    EXPECT_EQ(cut.size(), 2u);
    EXPECT_EQ(m.Position(), m.Size());

    // A failure leaves the view as it was; nothing is read once failed.
    TMemoryStream otherKind = StreamOf(std::string("\x01\x05") + Int32(2) + "41");
    bool kindFailed = false;
    EXPECT_FALSE(LoadCodedText(kindFailed, &otherKind, view));
    EXPECT_EQ(view, cut);
    TMemoryStream tooLong = StreamOf(std::string("\0\x05", 2) + Int32(MaxStoredStringLength + 1));
    bool lengthFailed = false;
    EXPECT_FALSE(LoadCodedText(lengthFailed, &tooLong, view));
    EXPECT_EQ(tooLong.Position(), 6) << "only the length is consumed";
    TMemoryStream good = StreamOf(std::string("\0\x05", 2) + Int32(2) + "41");
    EXPECT_FALSE(LoadCodedText(lengthFailed, &good, view));
    EXPECT_EQ(good.Position(), 0);
    EXPECT_EQ(view, cut);
}

TEST(StreamValues, AChainOnAShortStreamIsTestedOnce) {
    TMemoryStream in = StreamOf(Int32(1) + "\x03\x00");
    bool failed = false;
    int32_t a = 0, b = 0;
    AnsiString text = "untouched";
    LoadVar(failed, &in, a);
    LoadVar(failed, &in, b);
    LoadStr(failed, &in, text);
    EXPECT_FALSE(LoadStr(failed, &in, text, true));
    EXPECT_TRUE(failed);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(text, "untouched");

    TMemoryStream out;
    EXPECT_FALSE(SaveStr(failed, &out, "nothing"));
    EXPECT_FALSE(SaveStr(failed, &out, "nothing", true, TCodingType::ctChained, nullptr));
    EXPECT_EQ(out.Size(), 0);
}

TEST(StreamValues, NullStreamsAndNegativeCountsFailWithoutRaising) {
    bool failed = false;
    int32_t v = 0;
    EXPECT_FALSE(LoadVar(failed, nullptr, v));
    bool f2 = false;
    TMemoryStream m;
    EXPECT_FALSE(LoadVar(f2, &m, &v, -1));
}

// When the stream under a write raises, whichever of its writes it is, the
// save reports failure and sets the flag; the exception goes no further, and
// no later save reports success, even on a sound stream.
TEST(StreamValues, AWriteThatRaisesFailsTheSaveAndEverySaveAfterIt) {
    for (const auto& [what, save] : Saves) {
        SCOPED_TRACE(what);
        TRaisingStream counter(-1);
        bool clear = false;
        ASSERT_TRUE(save(clear, &counter));
        ASSERT_GT(counter.Writes, 0);
        for (int good = 0; good < counter.Writes; ++good) {
            SCOPED_TRACE(testing::Message() << "raising after " << good << " writes");
            TRaisingStream stream(good);
            bool failed = false;
            bool saved = true;
            EXPECT_NO_THROW(saved = save(failed, &stream));
            EXPECT_FALSE(saved);
            EXPECT_TRUE(failed);
            for (const auto& [after, next] : Saves) {
                TMemoryStream sound;
                EXPECT_FALSE(next(failed, &sound)) << after;
                EXPECT_TRUE(failed) << after;
            }
        }
    }
}
