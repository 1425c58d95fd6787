#include "common/ChainedDecoding.h"
#include "common/TextCoding.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace myDefines;

namespace {

// Decodes with the vector code into a buffer with guard bytes on both sides,
// checking that nothing outside the Count plain bytes is written.
std::string DecodeGuarded(const std::string& coded, unsigned char key, unsigned char previous,
                          unsigned char& last) {
    const size_t count = coded.size() / 2;
    std::string plain(count + 64, '\x5C');
    last = DecodeChainedPairs(coded.data(), count, plain.data() + 32, key, previous);
    EXPECT_EQ(plain.substr(0, 32), std::string(32, '\x5C'));
    EXPECT_EQ(plain.substr(32 + count), std::string(32, '\x5C'));
    return plain.substr(32, count);
}

std::string DecodeScalar(const std::string& coded, unsigned char key, unsigned char previous,
                         unsigned char& last) {
    std::string plain(coded.size() / 2, '\0');
    last = DecodeChainedPairsScalar(coded.data(), plain.size(), plain.data(), key, previous);
    return plain;
}

} // namespace

TEST(ChainedDecoding, VectorCodeMatchesTheByteLoopOnAnyBytesOfAnyLengthAndKey) {
    // Any byte may stand in a coded text (nothing is rejected), so the texts are
    // random bytes, not only digits; an odd offset makes every load unaligned.
    std::mt19937 random(19);
    std::string bytes(1 + 2 * 300, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    for (int k = 0; k < 256; ++k) {
        const auto key = static_cast<unsigned char>(k);
        const auto previous = static_cast<unsigned char>(random());
        for (size_t count = 0; count <= 300; ++count) {
            const std::string coded = bytes.substr(1, 2 * count);
            unsigned char vectorLast = 0, scalarLast = 0;
            const std::string fast = DecodeGuarded(coded, key, previous, vectorLast);
            ASSERT_EQ(fast, DecodeScalar(coded, key, previous, scalarLast))
                << "key " << k << ", " << count << " pairs, " << ChainedDecodingVectorUnit();
            ASSERT_EQ(vectorLast, scalarLast) << "key " << k << ", " << count << " pairs";
            ASSERT_EQ(vectorLast, count ? static_cast<unsigned char>(fast.back()) : previous);
        }
    }
}

TEST(ChainedDecoding, DigitsOfEveryKindDecodeAsTheArithmeticSays) {
    // Upper- and lower-case hexadecimal digits, punctuation and bytes from 128
    // (not above '9' as signed bytes), in every position of a 16-byte step.
    std::string coded;
    for (int c = 0; c < 256; ++c)
        coded += {static_cast<char>(c), static_cast<char>(255 - c)};
    std::string expected;
    unsigned char previous = 0x21;
    auto value = [](unsigned char x) {
        return static_cast<unsigned char>(static_cast<signed char>(x) > '9' ? x - 55 : x - 48);
    };
    for (size_t i = 0; i < coded.size(); i += 2) {
        const auto pair = static_cast<unsigned char>(value(coded[i]) * 16 + value(coded[i + 1]));
        previous = static_cast<unsigned char>(previous + (pair ^ 0x21));
        expected += static_cast<char>(previous);
    }
    unsigned char last = 0;
    EXPECT_EQ(DecodeGuarded(coded, 0x21, 0x21, last), expected);
}

TEST(ChainedDecoding, DecodingInPiecesChainsLikeDecodingAtOnce) {
    const unsigned char key = 0xC3;
    AnsiString plain;
    for (int i = 0; i < 100; ++i)
        plain += static_cast<char>(i * 37 + 11);
    AnsiString coded;
    ASSERT_TRUE(CodeText(TCodingType::ctChained, plain, coded, &key));
    for (size_t split = 0; split <= plain.size(); ++split) {
        std::string out(plain.size(), '\0');
        const unsigned char middle = DecodeChainedPairs(coded.data(), split, out.data(), key, key);
        DecodeChainedPairs(coded.data() + 2 * split, plain.size() - split, out.data() + split, key,
                           middle);
        ASSERT_EQ(out, plain) << "split after " << split;
    }
}

TEST(ChainedDecoding, RealPagesComeBackWithEveryKey) {
    // The sample book's pages: long texts of markup with Cyrillic letters and
    // line breaks, each coded as the writer stores it.
    const std::filesystem::path pages =
        std::filesystem::path(PLB_SOURCE_DIR) / "samples" / "textbook" / "pages";
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(pages)) {
        if (entry.path().extension() != ".tag") continue;
        const std::string text = ReadFileBytes(entry.path().string());
        for (int k = 0; k < 256; k += 17) {
            const auto key = static_cast<unsigned char>(k);
            AnsiString coded, decoded;
            ASSERT_TRUE(CodeText(TCodingType::ctChained, text, coded, &key));
            ASSERT_TRUE(DecodeText(TCodingType::ctChained, coded, decoded, &key));
            ASSERT_EQ(decoded, text) << entry.path() << ", key " << k;
        }
        ++checked;
    }
    EXPECT_GT(checked, 10);
}
