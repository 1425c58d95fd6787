#include "PackedBookKeys.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const std::string kTool = std::string(PLB_BIN_DIR) + "/plbtool";
const std::string kSample = std::string(PLB_BIN_DIR) + "/data/TextBook.plb";

int Tool(const std::string& args, std::string* out = nullptr, std::string* err = nullptr) {
    TTempDir errDir;
    const int status = RunCommand(kTool + " " + args + " 2>" + errDir.File("err"), out);
    if (err) *err = ReadFileBytes(errDir.File("err"));
    return status;
}

// The offset of the first byte where A and B differ (one ending early
// counts); npos when they are equal.
size_t FirstDifference(const std::string& A, const std::string& B) {
    if (A == B) return std::string::npos;
    const auto at = std::mismatch(A.begin(), A.end(), B.begin(), B.end());
    return static_cast<size_t>(at.first - A.begin());
}

} // namespace

TEST(Plbtool, DumpsTheSampleTextbook) {
    std::string out;
    ASSERT_EQ(Tool("dump " + kSample, &out), 0);
    EXPECT_NE(out.find("\"title\": \""), std::string::npos);
    EXPECT_NE(out.find("\"pictures\": {"), std::string::npos);
    EXPECT_NE(out.find("\"loaded\": true"), std::string::npos);
}

// Unpacked and packed again, the sample gives the same data and pictures
// files byte for byte, except for the random keys that packing codes each
// string with (see PackedBookKeys.h).
TEST(Plbtool, UnpackThenPackGivesAnEqualBook) {
    TTempDir dir;
    std::string original, repacked;
    ASSERT_EQ(Tool("dump " + kSample, &original), 0);
    ASSERT_EQ(Tool("unpack " + kSample + " -o " + dir.File("src")), 0);
    ASSERT_EQ(Tool("pack " + dir.File("src") + " -o " + dir.File("again.plb")), 0);
    ASSERT_EQ(Tool("dump " + dir.File("again.plb"), &repacked), 0);
    EXPECT_EQ(repacked, original);

    const std::string samplePictures = kSample.substr(0, kSample.size() - 4) + ".htp";
    const struct {
        std::string Original, Repacked;
        std::string (*WithKeyZero)(const std::string&);
    } files[] = {{kSample, dir.File("again.plb"), DataFileWithKeyZero},
                 {samplePictures, dir.File("again.htp"), PicturesFileWithKeyZero}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.Repacked);
        const std::string a = file.WithKeyZero(ReadFileBytes(file.Original));
        const std::string b = file.WithKeyZero(ReadFileBytes(file.Repacked));
        ASSERT_FALSE(a.empty()) << "the sample reads field by field";
        ASSERT_FALSE(b.empty()) << "the repacked file reads field by field";
        EXPECT_EQ(ReadFileBytes(file.Original).size(), ReadFileBytes(file.Repacked).size());
        EXPECT_EQ(FirstDifference(a, b), std::string::npos);
    }
}

TEST(Plbtool, ReportsABookThatDoesNotLoadOnOneLine) {
    TTempDir dir;
    WriteFileBytes(dir.File("bad.plb"), "not a book");
    std::string out, err;
    EXPECT_EQ(Tool("dump " + dir.File("bad.plb"), &out, &err), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(err.rfind("error: ", 0), 0u);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(Tool("check " + dir.File("missing.plb")), 1);
}

TEST(Plbtool, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Tool(""), 2);
    EXPECT_EQ(Tool("frobnicate"), 2);
    EXPECT_EQ(Tool("dump"), 2);
    EXPECT_EQ(Tool("pack onlyone"), 2);
    EXPECT_EQ(Tool("--help"), 0);
}

TEST(Plbtool, ChecksAuthoringProblems) {
    TTempDir dir;
    const std::string src = dir.File("src");
    RunCommand("mkdir -p " + src + "/pages");
    WriteFileBytes(src + "/book.ini", "[book]\ntitle = \"Проверка\"\nstartPage = 9\n"
                                      "[page]\nnumber = 1\nnav1 = 0 0 0 5 0\nreaction = 1 42 2\n"
                                      "markup = pages/a.tag\n"
                                      "[page]\nnumber = 2\nsubPage = 1\nbounds = 700 0 100 100\n"
                                      "[pictures]\n");
    WriteFileBytes(src + "/pages/a.tag", "<MACROS=bitmap>10;10;nope.bmp</MACROS>\n");
    ASSERT_EQ(Tool("pack " + src + " -o " + dir.File("b.plb")), 0);
    std::string out;
    ASSERT_EQ(Tool("check " + dir.File("b.plb"), &out), 0);
    for (const char* expected :
         {"the start page 9 does not exist", "next names page 5", "link 1 jumps to page 42",
          "bounds 700,0 100x100 lie outside the page", "picture \"nope.bmp\" is not in",
          "sub-page 2 (item 2): the page is empty", "6 problem(s) in 2 item(s)"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
}

TEST(Plbtool, PackReportsSourceErrorsWithTheirLine) {
    TTempDir dir;
    RunCommand("mkdir -p " + dir.File("src"));
    WriteFileBytes(dir.File("src/book.ini"), "[book]\nstartPage = many\n");
    std::string err;
    EXPECT_EQ(Tool("pack " + dir.File("src") + " -o " + dir.File("b.plb"), nullptr, &err), 1);
    EXPECT_NE(err.find("book.ini:2:"), std::string::npos) << err;
}

TEST(Plbtool, PackOverridesBookSettings) {
    TTempDir dir;
    RunCommand("mkdir -p " + dir.File("src"));
    WriteFileBytes(dir.File("src/book.ini"), "[book]\nsubPages = 0\ndblClickClose = no\n");
    ASSERT_EQ(Tool("pack " + dir.File("src") + " --set subPages=2 --set 'dblClickClose = yes' -o " +
                   dir.File("b.plb")),
              0);
    std::string out;
    ASSERT_EQ(Tool("dump " + dir.File("b.plb"), &out), 0);
    EXPECT_NE(out.find("\"subPages\": 2"), std::string::npos) << out;
    EXPECT_NE(out.find("\"dblClickClose\": true"), std::string::npos) << out;
    // A setting that is not a book setting, or not a setting at all, fails.
    std::string err;
    EXPECT_EQ(
        Tool("pack " + dir.File("src") + " --set title -o " + dir.File("c.plb"), nullptr, &err), 1);
    EXPECT_NE(err.find("\"title\""), std::string::npos) << err;
    EXPECT_EQ(Tool("pack " + dir.File("src") + " --set startPage=x -o " + dir.File("c.plb")), 1);
    EXPECT_EQ(Tool("pack " + dir.File("src") + " --set nav1=1 -o " + dir.File("c.plb")), 1);
}

TEST(Plbtool, CompilesMarkupFilesToHex) {
    TTempDir dir;
    WriteFileBytes(dir.File("a.tag"), "<down = 6> Space <down = 26><nbspc><p>\n");
    std::string out;
    ASSERT_EQ(Tool("compile --markup " + dir.File("a.tag"), &out), 0);
    EXPECT_EQ(out,
              "23 0a 06 00 00 00 43 00 07 20 53 70 61 63 65 20 23 0a 1a 00 00 00 2b 1a 2b 1e\n");
    // Lines are joined by CR LF; UTF-8 text becomes code page 1251.
    WriteFileBytes(dir.File("b.tag"), "a\nЯ\n");
    std::string two;
    ASSERT_EQ(Tool("compile --markup " + dir.File("b.tag"), &two), 0);
    EXPECT_EQ(two, "43 00 02 61 0d 43 00 02 20 df\n");
    EXPECT_EQ(Tool("compile --markup " + dir.File("missing.tag")), 1);
    EXPECT_EQ(Tool("compile " + dir.File("a.tag")), 2);
}

TEST(Plbtool, SearchListsThePagesHoldingTheText) {
    std::string text, json, none;
    ASSERT_EQ(Tool("search " + kSample + " 'ЕЁ ГЛАВНОЙ'", &text), 0);
    EXPECT_EQ(text.rfind("100\tФокус\t", 0), 0u) << text;
    EXPECT_NE(text.find("её главной"), std::string::npos) << text;
    ASSERT_EQ(Tool("search " + kSample + " линз --json", &json), 0);
    EXPECT_NE(json.find("\"number\": 20"), std::string::npos) << json;
    EXPECT_NE(json.find("\"subPage\": true"), std::string::npos) << json;
    // Markup is not text: a tag name or a picture's name is not found.
    EXPECT_EQ(Tool("search " + kSample + " macros", &none), 1);
    EXPECT_EQ(Tool("search " + kSample + " prism.jpg", &none), 1);
    EXPECT_EQ(none, "");
    EXPECT_EQ(Tool("search " + kSample), 2);
    EXPECT_EQ(Tool("search " + kSample + " a b"), 2);
    EXPECT_EQ(Tool("search /nonexistent.plb text"), 1);
}
