#include "data/MarkupLines.h"
#include "platform/base/StringList.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

std::vector<AnsiString> Reference(const std::string& text) {
    return SplitLines(text.data(), text.size());
}

} // namespace

TEST(MarkupLines, SplitsEveryShortTextAsAStringListDoes) {
    // Every text of up to seven characters over a letter, CR, LF and zero.
    const char alphabet[] = {'a', '\r', '\n', '\0'};
    for (int length = 0; length <= 7; ++length) {
        int total = 1;
        for (int i = 0; i < length; ++i)
            total *= 4;
        for (int n = 0; n < total; ++n) {
            std::string text;
            for (int i = 0, rest = n; i < length; ++i, rest /= 4)
                text += alphabet[rest % 4];
            ASSERT_EQ(MarkupLines(text), Reference(text)) << "text of " << length << ": " << n;
        }
    }
}

TEST(MarkupLines, FindsBreaksAtEveryPositionOfLongText) {
    // Breaks scattered over long runs, on both sides of every 16-byte step,
    // and long texts with the zero byte or the CR LF pair at any place.
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 300, 'x');
        const int breaks = static_cast<int>(random() % 6);
        for (int b = 0; b < breaks && !text.empty(); ++b)
            text[random() % text.size()] = "\r\n\0"[random() % (round % 2 ? 3 : 2)];
        ASSERT_EQ(MarkupLines(text), Reference(text)) << "round " << round;
    }
    for (size_t at = 0; at < 70; ++at) {
        std::string text(70, 'y');
        text.insert(at, "\r\n");
        ASSERT_EQ(MarkupLines(text), Reference(text)) << "CR LF at " << at;
        text[at + 1] = '\0';
        ASSERT_EQ(MarkupLines(text), Reference(text)) << "CR then zero at " << at;
    }
}

TEST(MarkupLines, KeepsEmptyLinesButNoneForAFinalBreak) {
    EXPECT_EQ(MarkupLines("a\r\n\r\nb\n"), (std::vector<AnsiString>{"a", "", "b"}));
    EXPECT_EQ(MarkupLines("\n"), (std::vector<AnsiString>{""}));
    EXPECT_EQ(MarkupLines(""), std::vector<AnsiString>{});
    EXPECT_EQ(MarkupLines(std::string_view("first\r\rthird\0gone", 17)),
              (std::vector<AnsiString>{"first", "", "third"}));
}
