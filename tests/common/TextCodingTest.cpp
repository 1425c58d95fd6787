#include "common/TextCoding.h"

#include <gtest/gtest.h>

using namespace myDefines;

TEST(TextCoding, DecodingInvertsCodingForEveryTextAndKey) {
    AnsiString all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    all += AnsiString("\xFF\x00\xFF", 3);
    for (int k = 0; k < 256; ++k) {
        const unsigned char key = static_cast<unsigned char>(k);
        AnsiString coded, plain;
        ASSERT_TRUE(CodeText(TCodingType::ctChained, all, coded, &key));
        ASSERT_EQ(coded.size(), all.size() * 2);
        ASSERT_TRUE(DecodeText(TCodingType::ctChained, coded, plain, &key));
        ASSERT_EQ(plain, all) << "key " << k;
    }
}

TEST(TextCoding, ChainsOnThePreviousPlainByte) {
    const unsigned char key = 0x5A;
    AnsiString coded;
    CodeText(TCodingType::ctChained, "AAAA", coded, &key);
    // After the first pair every pair spells the key byte.
    EXPECT_EQ(coded.substr(2), "5A5A5A");
    CodeText(TCodingType::ctChained, "ZZZ", coded, &key); // first byte equals the key
    EXPECT_EQ(coded, "5A5A5A");
    const unsigned char zero = 0;
    CodeText(TCodingType::ctChained, "\x01\x03", coded, &zero);
    EXPECT_EQ(coded, "0102");
}

TEST(TextCoding, DecodingIsArithmeticAndIgnoresAnOddLastCharacter) {
    const unsigned char zero = 0;
    AnsiString plain;
    EXPECT_TRUE(DecodeText(TCodingType::ctChained, "4142F", plain, &zero));
    EXPECT_EQ(plain, AnsiString("\x41\x83"));
    // Lower-case and non-hex characters are not rejected: 'a' counts 97 - 55 = 42.
    EXPECT_TRUE(DecodeText(TCodingType::ctChained, "0a", plain, &zero));
    EXPECT_EQ(static_cast<unsigned char>(plain[0]), 42);
    // Bytes from 128 count as "not above '9'": 0xC0 - 48.
    EXPECT_TRUE(DecodeText(TCodingType::ctChained,
                           "\xC0"
                           "0",
                           plain, &zero));
    EXPECT_EQ(static_cast<unsigned char>(plain[0]), static_cast<unsigned char>((0xC0 - 48) * 16));
}

TEST(TextCoding, OutputMayBeTheInputString) {
    const unsigned char key = 7;
    AnsiString text = "same object";
    CodeText(TCodingType::ctChained, text, text, &key);
    DecodeText(TCodingType::ctChained, text, text, &key);
    EXPECT_EQ(text, "same object");
}

TEST(TextCoding, OnlyKindZeroTransformsOrTakesAKey) {
    EXPECT_EQ(CodeParams(TCodingType::ctChained), 1);
    for (int k = 1; k < 256; ++k)
        EXPECT_EQ(CodeParams(static_cast<TCodingType>(k)), 0);
    AnsiString out = "untouched";
    EXPECT_TRUE(CodeText(TCodingType::ctRandomKey, "abc", out, nullptr));
    EXPECT_TRUE(DecodeText(static_cast<TCodingType>(9), "4142", out, nullptr));
    EXPECT_EQ(out, "untouched");
}

TEST(TextCoding, ListFormsCodeLineByLine) {
    const unsigned char key = 0x33;
    TStringList source, coded, decoded;
    source.Add("first");
    source.Add("");
    source.Add("третья");
    coded.Add("old");
    ASSERT_TRUE(CodeText(TCodingType::ctChained, source, coded, &key));
    ASSERT_EQ(coded.Count(), 3);
    ASSERT_TRUE(DecodeText(TCodingType::ctChained, coded, decoded, &key));
    EXPECT_EQ(decoded.Lines(), source.Lines());
}
