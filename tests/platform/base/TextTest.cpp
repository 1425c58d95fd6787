#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/StringList.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
    AnsiString all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    bool exact = true;
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all), &exact), all);
    EXPECT_TRUE(exact);
}

TEST(Cp1251, MapsTheCyrillicAndPunctuationBytes) {
    EXPECT_EQ(Cp1251ToUnicode(0xC0), U'А');
    EXPECT_EQ(Cp1251ToUnicode(0xFF), U'я');
    EXPECT_EQ(Cp1251ToUnicode(0xA8), U'Ё');
    EXPECT_EQ(Cp1251ToUnicode(0xB8), U'ё');
    EXPECT_EQ(Cp1251ToUnicode(0xB9), U'№');
    EXPECT_EQ(Cp1251ToUnicode(0x88), U'€');
    EXPECT_EQ(Cp1251ToUnicode(0x96), U'–');
    EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    bool exact = true;
    EXPECT_EQ(Utf8ToCp1251("a中b", &exact), "a?b");
    EXPECT_FALSE(exact);
    exact = true;
    EXPECT_EQ(Utf8ToCp1251("\xC3", &exact), "?"); // truncated sequence
    EXPECT_FALSE(exact);
}

TEST(AnsiText, IgnoresLetterCaseOfLatinAndCyrillicLetters) {
    const AnsiString upper = Utf8ToCp1251("ПРИВЕТ ЁЖИК ЇЄІЎ HELLO");
    const AnsiString lower = Utf8ToCp1251("привет ёжик їєіў hello");
    EXPECT_TRUE(AnsiSameText(upper, lower));
    EXPECT_EQ(AnsiCompareText(upper, lower), 0);
    EXPECT_EQ(AnsiLowerCase(upper), lower);
    EXPECT_EQ(AnsiUpperCase(lower), upper);
    EXPECT_FALSE(AnsiSameText("abc", "abd"));
    EXPECT_FALSE(AnsiSameText("abc", "abcd"));
}

TEST(AnsiText, OrdersAlphabeticallyWithYoBesideYe) {
    const AnsiString ye = Utf8ToCp1251("е"), yo = Utf8ToCp1251("Ё"), zhe = Utf8ToCp1251("ж");
    EXPECT_LT(AnsiCompareText(ye, yo), 0);
    EXPECT_LT(AnsiCompareText(yo, zhe), 0);
    EXPECT_LT(AnsiCompareText("Zebra", Utf8ToCp1251("аист")), 0);
    EXPECT_LT(AnsiCompareText("ab", "ABC"), 0);
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
}

TEST(StringList, SplitsTextAtEveryKindOfLineBreak) {
    TStringList list;
    for (const char* text : {"a\r\nb\r\n", "a\nb\n", "a\rb\r", "a\r\nb"}) {
        list.SetText(text);
        ASSERT_EQ(list.Count(), 2) << text;
        EXPECT_EQ(list[0], "a");
        EXPECT_EQ(list[1], "b");
    }
    list.SetText("a\r\n\r\nb\n\n");
    EXPECT_EQ(list.Lines(), (std::vector<AnsiString>{"a", "", "b", ""}));
    list.SetText(AnsiString("x\ny\0z\nw", 7)); // the text ends at its first zero
    EXPECT_EQ(list.Lines(), (std::vector<AnsiString>{"x", "y"}));
    EXPECT_EQ(list.Text(), "x\r\ny\r\n");
}

TEST(StringList, ReportsChangesOnceAcrossAnUpdate) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.Add("a");
    list.Insert(0, "b");
    EXPECT_EQ(changes, 2);
    list.BeginUpdate();
    list.Add("c");
    list.Delete(0);
    list.Put(0, "z");
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.Lines(), (std::vector<AnsiString>{"z", "c"}));
    EXPECT_EQ(list.IndexOf("C"), 1);
}

TEST(StringList, ABadIndexRaisesTheListIndexError) {
    TStringList list;
    EXPECT_THROW(list.Strings(0), std::out_of_range);
    list.Add("a");
    EXPECT_THROW(list.Delete(1), std::out_of_range);
    EXPECT_THROW(list.Insert(2, "x"), std::out_of_range);
    EXPECT_NO_THROW(list.Insert(1, "x"));
}
