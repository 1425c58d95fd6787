#include "data/BookSource.h"
#include "BookBytes.h"
#include "data/Data.h"
#include "data/Manifest.h"
#include "platform/base/Cp1251.h"
#include "support/TestFiles.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// A book whose strings exercise quoting: quotes, backslashes, control
// characters, leading and trailing spaces, empty lines at the end.
std::unique_ptr<TPLBData> TrickyBook() {
    auto book = std::make_unique<TPLBData>(nullptr);
    book->Title = Utf8ToCp1251("  «Кавычки» \"и\" \\слэши\\ ");
    book->StartPage = -5;
    book->SubPages = 200;
    book->NavStart = 1;
    book->Sizeable = true;
    book->Zoomable = false;
    book->Reserved = true;
    book->DblClickClose = true;
    auto item = std::make_unique<TPLBDataItem>();
    item->Number = 42;
    item->SubPage = 7;
    item->Title = AnsiString("tab\there\x01\x7F end ; not a comment");
    item->ShortTitle = "";
    item->Bounds = {-1, 2, 3, 4};
    item->NavPoints[1] = {5, 6, 7, 8, 9};
    item->CaptionPrefix[0] = "# hash";
    item->CaptionPrefix[1] = "= equals";
    item->LibraryName = "lib\\page.dll";
    item->LibraryParams = "-x \"y\"";
    item->Color = static_cast<TColor>(0x8000000F);
    item->FontColor = -1;
    auto reaction = std::make_unique<TPLBReaction>();
    reaction->LinkNumber = 3;
    reaction->Target = -1;
    reaction->NavStart = 2;
    reaction->ShellFile = "a \"b\" c";
    item->Reactions.push_back(std::move(reaction));
    item->Lines.SetLines({"  indented", Utf8ToCp1251("Текст <b>жирный</b>"), "", ""});
    book->Items.push_back(std::move(item));
    book->Items.push_back(std::make_unique<TPLBDataItem>());
    return book;
}

void ExpectSameBooks(const TPLBData& a, const TPLBData& b) {
    EXPECT_EQ(a.Title, b.Title);
    EXPECT_EQ(a.StartPage, b.StartPage);
    EXPECT_EQ(a.SubPages, b.SubPages);
    EXPECT_EQ(a.NavStart, b.NavStart);
    EXPECT_EQ(a.Sizeable, b.Sizeable);
    EXPECT_EQ(a.Zoomable, b.Zoomable);
    EXPECT_EQ(a.Reserved, b.Reserved);
    EXPECT_EQ(a.DblClickClose, b.DblClickClose);
    ASSERT_EQ(a.Items.size(), b.Items.size());
    for (size_t i = 0; i < a.Items.size(); ++i) {
        const TPLBDataItem &x = *a.Items[i], &y = *b.Items[i];
        EXPECT_EQ(x.Number, y.Number);
        EXPECT_EQ(x.SubPage, y.SubPage);
        EXPECT_EQ(x.Title, y.Title);
        EXPECT_EQ(x.ShortTitle, y.ShortTitle);
        EXPECT_EQ(std::memcmp(&x.Bounds, &y.Bounds, sizeof x.Bounds), 0);
        EXPECT_EQ(std::memcmp(x.NavPoints, y.NavPoints, sizeof x.NavPoints), 0);
        EXPECT_EQ(x.CaptionPrefix[0], y.CaptionPrefix[0]);
        EXPECT_EQ(x.CaptionPrefix[1], y.CaptionPrefix[1]);
        EXPECT_EQ(x.LibraryName, y.LibraryName);
        EXPECT_EQ(x.LibraryParams, y.LibraryParams);
        EXPECT_EQ(x.Color, y.Color);
        EXPECT_EQ(x.FontColor, y.FontColor);
        ASSERT_EQ(x.Reactions.size(), y.Reactions.size());
        for (size_t r = 0; r < x.Reactions.size(); ++r) {
            EXPECT_EQ(x.Reactions[r]->LinkNumber, y.Reactions[r]->LinkNumber);
            EXPECT_EQ(x.Reactions[r]->Target, y.Reactions[r]->Target);
            EXPECT_EQ(x.Reactions[r]->NavStart, y.Reactions[r]->NavStart);
            EXPECT_EQ(x.Reactions[r]->ShellFile, y.Reactions[r]->ShellFile);
        }
        EXPECT_EQ(x.Lines.Lines(), y.Lines.Lines());
    }
}

} // namespace

TEST(BookSource, WritingThenReadingKeepsEveryField) {
    TTempDir dir;
    const auto book = TrickyBook();
    std::string error;
    ASSERT_TRUE(WriteBookSource(*book, nullptr, dir.File("src"), error)) << error;
    TPLBData read(nullptr);
    TBookSource source;
    ASSERT_TRUE(ReadBookSource(dir.File("src"), read, source, error)) << error;
    ExpectSameBooks(*book, read);
    EXPECT_FALSE(source.HasPictures);
}

TEST(BookSource, PackedBooksLoadAsWritten) {
    TTempDir dir;
    const auto book = TrickyBook();
    std::string error;
    ASSERT_TRUE(WriteBookSource(*book, nullptr, dir.File("src"), error)) << error;
    ASSERT_TRUE(PackBook(dir.File("src"), dir.File("b.plb"), error)) << error;
    THeadlessProgress progress;
    TPLBData loaded(&progress.Record);
    TPLBHTP pictures;
    ASSERT_TRUE(loaded.LoadFromFile(dir.File("b.plb"), &pictures)) << loaded.LoadError();
    ExpectSameBooks(*book, loaded);
    EXPECT_EQ(pictures.Data, nullptr);
}

TEST(BookSource, PicturesKeepTheirNamesOrderAndBytes) {
    TTempDir dir;
    const std::string data = TBookBytes().Header(0).Bytes();
    const std::string htp = TBookBytes()
                                .Version(PicturesFileVersion())
                                .Picture("A.bmp", "one")
                                .Picture("a.BMP", "two")
                                .Picture("dir\\sub/x:y.jpg", std::string("\0\1\2", 3))
                                .Coded("")
                                .Bytes();
    WriteFileBytes(dir.File("b.plb"), data);
    WriteFileBytes(dir.File("b.htp"), htp);
    THeadlessProgress progress;
    TPLBData book(&progress.Record);
    TPLBHTP pictures;
    ASSERT_TRUE(book.LoadFromFile(dir.File("b.plb"), &pictures));
    std::string error;
    ASSERT_TRUE(WriteBookSource(book, &pictures, dir.File("src"), error)) << error;
    ASSERT_TRUE(PackBook(dir.File("src"), dir.File("again.plb"), error)) << error;
    EXPECT_EQ(ReadFileBytes(dir.File("again.htp")).size(), htp.size());
    TPLBData again(&progress.Record);
    TPLBHTP repacked;
    ASSERT_TRUE(again.LoadFromFile(dir.File("again.plb"), &repacked));
    ASSERT_EQ(repacked.Count(), 3);
    EXPECT_EQ(repacked.Names.Lines(), pictures.Names.Lines());
    EXPECT_EQ(repacked.Offsets, pictures.Offsets);
    EXPECT_EQ(std::string(repacked.Data->Memory() + repacked.Offsets[2], 3),
              std::string("\0\1\2", 3));
}

TEST(BookSource, ReportsErrorsWithFileAndLine) {
    TTempDir dir;
    std::string error;
    TPLBData book(nullptr);
    TBookSource source;
    EXPECT_FALSE(ReadBookSource(dir.Path(), book, source, error));
    EXPECT_NE(error.find("no manifest"), std::string::npos);

    const std::pair<const char*, const char*> cases[] = {
        {"[book]\nzoomable = perhaps\n", "book.ini:2: expected yes or no"},
        {"[page]\nnav1 = 1 2 3\n", "book.ini:2: expected 5 number(s)"},
        {"[page]\nmarkup = pages/none.tag\n", "book.ini:2: no markup file"},
        {"[page]\ntitle = \"open\n", "book.ini:2: unterminated string"},
        {"[page]\ntitle = 中文\n", "outside code page 1251"},
        {"[chapter]\n", "unknown section [chapter]"},
        {"title = x\n", "outside any section"},
        {"[book]\nsubPages = 256\n", "from 0 to 255"},
        {"[page]\ncolour = 1\n", "unknown page setting \"colour\""},
    };
    for (const auto& [ini, expected] : cases) {
        WriteFileBytes(dir.File("book.ini"), ini);
        TPLBData b(nullptr);
        TBookSource s;
        error.clear();
        EXPECT_FALSE(ReadBookSource(dir.Path(), b, s, error)) << ini;
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

TEST(BookSource, PackRefusesStringsTooLongToStore) {
    TTempDir dir;
    RunCommand("mkdir -p " + dir.File("src/pages"));
    WriteFileBytes(dir.File("src/book.ini"), "[page]\nmarkup = pages/long.tag\n");
    WriteFileBytes(dir.File("src/pages/long.tag"), std::string(70000, 'x') + "\n");
    std::string error;
    EXPECT_FALSE(PackBook(dir.File("src"), dir.File("b.plb"), error));
    EXPECT_NE(error.find("the markup is longer than 65535 characters"), std::string::npos) << error;
}

TEST(Manifest, ParsesNumbersAndTokens) {
    long long v = 0;
    EXPECT_TRUE(ParseInt("0x8000000F", INT32_MIN, INT32_MAX, v));
    EXPECT_EQ(v, static_cast<int32_t>(0x8000000F));
    EXPECT_TRUE(ParseInt("-12", INT32_MIN, INT32_MAX, v));
    EXPECT_EQ(v, -12);
    EXPECT_FALSE(ParseInt("12a", INT32_MIN, INT32_MAX, v));
    EXPECT_FALSE(ParseInt("4294967296", INT32_MIN, INT32_MAX, v));
    EXPECT_FALSE(ParseInt("", INT32_MIN, INT32_MAX, v));
    std::vector<std::string> tokens;
    std::string error;
    EXPECT_TRUE(SplitTokens("1 \"two \\\"2\\\"\" three ; comment", tokens, error));
    EXPECT_EQ(tokens, (std::vector<std::string>{"1", "two \"2\"", "three"}));
    EXPECT_EQ(QuoteToken("a\x01\"\\"), "\"a\\x01\\\"\\\\\"");
}
