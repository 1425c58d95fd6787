#include "common/Version.h"
#include "common/StreamValues.h"

#include <gtest/gtest.h>

using namespace myDefines;

namespace {

const char* kBookName = "Dododa Dureraru Vara Riro, v.";

// Reads a version record stored as the given text, checked against the textbook's record.
bool CheckBook(const AnsiString& text, TVersion* read = nullptr) {
    TMemoryStream m;
    bool failed = false;
    SaveStr(failed, &m, text);
    m.SetPosition(0);
    TVersion version(kBookName, 3, 1);
    LoadVer(failed, &m, version, true);
    if (read) *read = version;
    return !failed;
}

} // namespace

TEST(Version, TheTextbookRecordPassesItsCheck) {
    TVersion read;
    EXPECT_TRUE(CheckBook(AnsiString(kBookName) + "3.1", &read));
    EXPECT_EQ(read.Name, kBookName);
    EXPECT_EQ(read.Major, 3);
    EXPECT_EQ(read.Minor, 1);
    EXPECT_EQ(read.Suffix, "");
    EXPECT_TRUE(CheckBook(AnsiString(kBookName) + "03.01"));
}

TEST(Version, AnyOtherRecordFailsTheCheckButIsCopied) {
    TVersion read;
    EXPECT_FALSE(CheckBook(AnsiString(kBookName) + "3.1a", &read));
    EXPECT_EQ(read.Suffix, "a");
    EXPECT_FALSE(CheckBook(AnsiString(kBookName) + "3.2"));
    EXPECT_FALSE(CheckBook(AnsiString(kBookName) + "2.1"));
    EXPECT_FALSE(CheckBook("DODODA DURERARU VARA RIRO, V.3.1"));
    EXPECT_FALSE(CheckBook(AnsiString(kBookName) + "31", &read));
    EXPECT_EQ(read.Major, 31);
    EXPECT_EQ(read.Minor, 0);
    EXPECT_FALSE(CheckBook("no numbers"));
    EXPECT_FALSE(CheckBook(AnsiString(kBookName) + "99999999999.1")); // too long a number
}

TEST(Version, ParsesTheOddCases) {
    AnsiString name, suffix;
    int major = 0, minor = 0;
    EXPECT_TRUE(StrToVer("Kind.5", name, major, minor, suffix));
    EXPECT_EQ(name, "Kind.");
    EXPECT_EQ(major, 5);
    EXPECT_EQ(minor, 0);

    EXPECT_FALSE(StrToVer("Kind 31", name, major, minor, suffix));
    EXPECT_EQ(major, 31);
    EXPECT_EQ(minor, -1);

    EXPECT_TRUE(StrToVer("v2.10beta", name, major, minor, suffix));
    EXPECT_EQ(name, "v");
    EXPECT_EQ(major, 2);
    EXPECT_EQ(minor, 10);
    EXPECT_EQ(suffix, "beta");

    EXPECT_TRUE(StrToVer("only text", name, major, minor, suffix));
    EXPECT_EQ(name, "only text");
    EXPECT_EQ(major, -1);
    EXPECT_EQ(StrToVer("x\xB3.1", major, minor), 3) << "bytes from 128 are not digits";
}

TEST(Version, SaveThenLoadGivesTheSameRecord) {
    TMemoryStream m;
    TVersion written("HyperText Pictures Data File, v.", 1, 1);
    ASSERT_TRUE(written.Save(&m));
    m.SetPosition(0);
    TVersion read;
    ASSERT_TRUE(read.Load(&m));
    EXPECT_TRUE(read.SameAs(written));

    m.SetPosition(0);
    TVersion named("Another name", 0, 0);
    EXPECT_FALSE(named.Load(&m)) << "a named record accepts only its own name";
}

TEST(Version, SaveVerWritesEvenAfterAFailure) {
    TMemoryStream m;
    bool failed = true;
    EXPECT_FALSE(SaveVer(failed, &m, TVersion("N.", 1, 2)));
    EXPECT_GT(m.Size(), 0);
    bool fresh = false;
    TVersion untouched("keep", 7, 7);
    m.SetPosition(0);
    EXPECT_FALSE(LoadVer(failed, &m, untouched, true)) << "a set flag reads nothing";
    EXPECT_EQ(untouched.Major, 7);
    EXPECT_TRUE(LoadVer(fresh, &m, untouched, false));
    EXPECT_EQ(untouched.Text(), "N.1.2");
}
