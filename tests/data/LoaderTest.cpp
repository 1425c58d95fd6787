#include "BookBytes.h"
#include "PicturesLayout.h"
#include "data/Data.h"
#include "platform/base/Cp1251.h"
#include "support/TestFiles.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A data file (and optionally its pictures file) in a temporary folder.
class LoaderTest : public ::testing::Test {
protected:
    std::string Write(const std::string& data, const std::string* pictures = nullptr) {
        WriteFileBytes(dir.File("book.plb"), data);
        if (pictures) WriteFileBytes(dir.File("book.htp"), *pictures);
        return dir.File("book.plb");
    }
    bool Load(const std::string& data, const std::string* pictures = nullptr) {
        return book.LoadFromFile(Write(data, pictures), &store);
    }

    TTempDir dir;
    THeadlessProgress progress;
    TPLBData book{&progress.Record};
    TPLBHTP store;
};

std::string Patch(std::string bytes, size_t at, char value) {
    bytes[at] = value;
    return bytes;
}

// The coded record of Text with Extra after its coded characters: the reader
// drops an odd last character and whatever follows a zero byte.
std::string CodedWithExtra(const AnsiString& Text, const std::string& Extra) {
    std::string bytes = TBookBytes().Coded(Text).Bytes();
    const int32_t length = static_cast<int32_t>(2 * Text.size() + Extra.size());
    std::memcpy(&bytes[bytes.size() - 2 * Text.size() - 4], &length, 4);
    return bytes + Extra;
}

} // namespace

TEST_F(LoaderTest, ANewTextbookHasTheDefaults) {
    EXPECT_TRUE(book.Items.empty());
    EXPECT_EQ(Cp1251ToUtf8(book.Title), "Новый учебник");
    EXPECT_TRUE(book.Zoomable);
    EXPECT_FALSE(book.Sizeable || book.Reserved || book.DblClickClose);
    EXPECT_EQ(book.SubPages + book.NavStart + book.StartPage, 0);
    TPLBDataItem item;
    EXPECT_EQ(item.Color, static_cast<TColor>(0x8000000F));
    EXPECT_EQ(item.FontColor, static_cast<TColor>(0x80000008));
}

TEST_F(LoaderTest, TheSmallestBookLoadsAndOneMoreByteFails) {
    const std::string smallest = TBookBytes().Header(0).Bytes();
    ASSERT_EQ(smallest.size(), 36u + 6 + 4 + 6 + 4);
    EXPECT_TRUE(Load(smallest));
    EXPECT_TRUE(book.Items.empty());
    EXPECT_EQ(progress.Gauge.MaxValue(), 1);
    EXPECT_FALSE(Load(smallest + "x"));
    EXPECT_EQ(book.LoadError(), "unexpected bytes after the last page");
}

TEST_F(LoaderTest, ReadsEveryFieldInOrder) {
    TBookBytes bytes;
    bytes.Version(TextbookFileVersion()).Coded(Utf8ToCp1251("Физика")).Int(7);
    bytes.Byte(2).Byte(1).Byte(1).Byte(1).Byte(0).Byte(5).Int(2);
    bytes.Page(7, "a\r\nb\r\n", 2).Page(8, "c");
    ASSERT_TRUE(Load(bytes.Bytes())) << book.LoadError();
    EXPECT_EQ(Cp1251ToUtf8(book.Title), "Физика");
    EXPECT_EQ(book.StartPage, 7);
    EXPECT_EQ(book.SubPages, 2);
    EXPECT_TRUE(book.Sizeable);
    EXPECT_EQ(book.NavStart, 1);
    EXPECT_TRUE(book.Reserved);
    EXPECT_FALSE(book.Zoomable);
    EXPECT_TRUE(book.DblClickClose); // any non-zero byte
    ASSERT_EQ(book.Items.size(), 2u);
    const TPLBDataItem& page = *book.Items[0];
    EXPECT_EQ(page.Number, 7);
    EXPECT_EQ(page.Title, "T");
    EXPECT_EQ(page.ShortTitle, "S");
    EXPECT_EQ(page.Bounds.Left, 0);
    EXPECT_EQ(page.Bounds.Height, 3);
    EXPECT_EQ(page.NavPoints[0].First, 4);
    EXPECT_EQ(page.NavPoints[1].Contents, 13);
    EXPECT_EQ(page.Color, 0xFFFFFF);
    ASSERT_EQ(page.Reactions.size(), 2u);
    EXPECT_EQ(page.Reactions[1]->LinkNumber, 2);
    EXPECT_EQ(page.Reactions[1]->Target, 8);
    EXPECT_EQ(page.Reactions[1]->NavStart, 2);
    EXPECT_EQ(page.Lines.Lines(), (std::vector<AnsiString>{"a", "b"}));
    EXPECT_EQ(book.Items[1]->Lines.Lines(), (std::vector<AnsiString>{"c"}));
}

TEST_F(LoaderTest, DrivesTheProgressControls) {
    progress.Box.SetBoundsRect(Bounds(0, 0, 320, 80));
    ASSERT_TRUE(Load(TBookBytes().Header(3).Page(1, "x").Page(2, "y").Page(3, "z").Bytes()));
    EXPECT_FALSE(progress.Form.Enabled()) << "the caller enables the window again";
    EXPECT_TRUE(progress.Box.Visible());
    EXPECT_EQ(progress.Box.BoundsRect(), Bounds(226, 221, 320, 80));
    EXPECT_EQ(Cp1251ToUtf8(progress.Caption.Caption()),
              "Пожалуйста, подождите, идет загрузка ресурсов...");
    EXPECT_EQ(progress.Gauge.MaxValue(), 30000);
    EXPECT_EQ(progress.Gauge.Progress(), 30000);
}

TEST_F(LoaderTest, DamagedFilesFailAndLeaveTheBookCleared) {
    const std::string good = TBookBytes().Header(1, "Title").Page(1, "text").Bytes();
    const std::string wrongMinor =
        TBookBytes().Version(TVersion("Dododa Dureraru Vara Riro, v.", 3, 2)).Bytes();
    const std::string wrongMajor =
        TBookBytes().Version(TVersion("Dododa Dureraru Vara Riro, v.", 2, 1)).Bytes();
    const std::string wrongCase =
        TBookBytes().Version(TVersion("DODODA DURERARU VARA RIRO, V.", 3, 1)).Bytes();
    const std::string negativePages = TBookBytes().Header(-1).Bytes();
    const std::string negativeReactions = TBookBytes().Header(1).Page(1, "x", -1).Bytes();
    const std::string otherKind = Patch(good, 36, 0x01); // the title's coding kind
    const std::string badLength = Patch(good, 38, 0xFF); // a huge title length
    for (const std::string* bad : {&wrongMinor, &wrongMajor, &wrongCase, &negativePages,
                                   &negativeReactions, &otherKind, &badLength}) {
        ASSERT_TRUE(Load(good));
        EXPECT_FALSE(Load(*bad));
        EXPECT_TRUE(book.Items.empty());
        EXPECT_EQ(Cp1251ToUtf8(book.Title), "Новый учебник");
        EXPECT_FALSE(book.LoadError().empty());
    }
    for (size_t cut = 0; cut < good.size(); cut += 7) {
        EXPECT_FALSE(Load(good.substr(0, cut))) << "cut at " << cut;
        EXPECT_TRUE(book.Items.empty());
    }
}

TEST_F(LoaderTest, AMissingFileLeavesTheBookUntouched) {
    ASSERT_TRUE(Load(TBookBytes().Header(1).Page(1, "x").Bytes()));
    EXPECT_FALSE(book.LoadFromFile(dir.File("missing.plb"), &store));
    EXPECT_EQ(book.Items.size(), 1u);
    EXPECT_FALSE(book.LoadFromFile(dir.Path(), &store)) << "a folder is not a data file";
    TPLBData noProgress(nullptr);
    EXPECT_FALSE(noProgress.LoadFromFile(dir.File("book.plb"), nullptr));
}

TEST_F(LoaderTest, AnUnreadableFileFailsThroughTheExceptionPath) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const std::string path = Write(TBookBytes().Header(0).Bytes());
    ::chmod(path.c_str(), 0);
    store.Data = std::make_unique<TMemoryStream>();
    EXPECT_FALSE(book.LoadFromFile(path, &store));
    EXPECT_EQ(store.Data, nullptr);
}

TEST_F(LoaderTest, MarkupIsSplitIntoLinesAtAnyLineBreak) {
    for (const char* text : {"a\r\nb\r\n", "a\nb\n", "a\rb\r"}) {
        ASSERT_TRUE(Load(TBookBytes().Header(1).Page(1, text).Bytes()));
        EXPECT_EQ(book.Items[0]->Lines.Lines(), (std::vector<AnsiString>{"a", "b"})) << text;
    }
}

TEST_F(LoaderTest, LongPagesComeBackLineForLine) {
    // The sample book's pages, the longest markup a page can hold with every
    // kind of line break, and a page whose markup ends at a zero byte.
    std::vector<std::string> texts;
    const std::filesystem::path pages =
        std::filesystem::path(PLB_SOURCE_DIR) / "samples" / "textbook" / "pages";
    for (const auto& entry : std::filesystem::directory_iterator(pages))
        if (entry.path().extension() == ".tag") texts.push_back(ReadFileBytes(entry.path()));
    std::string longest;
    for (int i = 0; longest.size() < 65535; ++i)
        longest += "<b>строка</b> " + std::to_string(i) + (i % 3 ? "\r\n" : i % 2 ? "\n" : "\r");
    longest.resize(65535);
    texts.push_back(longest);
    texts.push_back(std::string("before\r\nthe zero\0after\r\nit", 26));
    TBookBytes bytes;
    bytes.Header(static_cast<int32_t>(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i)
        bytes.Page(static_cast<int32_t>(i + 1), texts[i]);
    ASSERT_TRUE(Load(bytes.Bytes())) << book.LoadError();
    ASSERT_EQ(book.Items.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(book.Items[i]->Lines.Lines(), SplitLines(texts[i].data(), texts[i].size()))
            << "page " << i + 1;
    EXPECT_EQ(book.Items.back()->Lines.Lines(), (std::vector<AnsiString>{"before", "the zero"}));
}

TEST_F(LoaderTest, EveryPrefixOfABookFailsAndLeavesItCleared) {
    // A small book cut after every byte, and one with a page longer than the
    // file's read-ahead cut at strides and around its end.
    const std::string small =
        TBookBytes().Header(2, "Title").Page(1, "a\r\nb", 2).Page(2, "c").Bytes();
    for (size_t cut = 0; cut < small.size(); ++cut) {
        ASSERT_FALSE(Load(small.substr(0, cut))) << "cut at " << cut;
        ASSERT_TRUE(book.Items.empty()) << "cut at " << cut;
        ASSERT_FALSE(book.LoadError().empty());
    }
    const std::string large =
        TBookBytes().Header(2).Page(1, std::string(40000, 'x')).Page(2, "y").Bytes();
    ASSERT_TRUE(Load(large));
    for (size_t cut = 0; cut < large.size(); cut += cut + 40 < large.size() ? 997 : 1) {
        ASSERT_FALSE(Load(large.substr(0, cut))) << "cut at " << cut;
        ASSERT_TRUE(book.Items.empty()) << "cut at " << cut;
    }
}

TEST_F(LoaderTest, ReadsThePicturesFileBeforeThePages) {
    const std::string data = TBookBytes().Header(2).Page(1, "x").Page(2, "y").Bytes();
    const std::string pictures = TBookBytes()
                                     .Version(PicturesFileVersion())
                                     .Picture("Logo.BMP", "first")
                                     .Picture("logo.bmp", "second!")
                                     .Picture(Utf8ToCp1251("Фото.jpg"), "jpeg")
                                     .Coded("")
                                     .Raw("ignored trailing bytes")
                                     .Bytes();
    ASSERT_TRUE(Load(data, &pictures)) << book.LoadError();
    ASSERT_NE(store.Data, nullptr);
    EXPECT_EQ(store.Data->Size(), static_cast<int64_t>(pictures.size()));
    EXPECT_EQ(progress.Gauge.MaxValue(), 20000 + static_cast<int64_t>(pictures.size()));
    EXPECT_EQ(progress.Gauge.Progress(), progress.Gauge.MaxValue());
    ASSERT_EQ(store.Count(), 3);
    EXPECT_EQ(FirstMisplacedPicture(store, pictures), -1);

    std::string got;
    bool processed = false, aborted = false;
    const auto read = [&](TStream& s) {
        char buffer[5];
        s.ReadBuffer(buffer, 5);
        got.assign(buffer, 5);
    };
    store.LoadPicture("LOGO.bmp", read, processed, aborted);
    EXPECT_TRUE(processed);
    EXPECT_EQ(got, "first") << "the first of two names differing in case";
    store.LoadPicture(
        Utf8ToCp1251("фото.JPG"), [&](TStream& s) { s.ReadBuffer(&got[0], 4); }, processed,
        aborted);
    EXPECT_TRUE(processed);
    store.LoadPicture("absent.bmp", read, processed, aborted);
    EXPECT_FALSE(processed);
    EXPECT_FALSE(aborted);
}

TEST_F(LoaderTest, PicturesSitWhereTheFileHasThemHoweverItSpellsItsRecords) {
    // Records the loader accepts but would write otherwise: a version with
    // leading zeros or bytes after a zero byte, names coded with an odd
    // length or cut by a zero byte.
    const std::string versions[] = {
        TBookBytes().Version(PicturesFileVersion()).Bytes(),
        TBookBytes().Plain("HyperText Pictures Data File, v.01.001").Bytes(),
        TBookBytes().Plain(std::string("HyperText Pictures Data File, v.1.1\0 copy", 41)).Bytes()};
    const std::string names[] = {TBookBytes().Coded("a.bmp").Bytes(), CodedWithExtra("a.bmp", "7"),
                                 CodedWithExtra("a.bmp", std::string("\0ABCDEF", 7))};
    const std::string data = TBookBytes().Header(0).Bytes();
    for (const std::string& version : versions)
        for (const std::string& name : names) {
            const std::string pictures = TBookBytes()
                                             .Raw(version)
                                             .PictureNamed(name, "first")
                                             .Picture("b.bmp", "second!")
                                             .Coded("")
                                             .Bytes();
            ASSERT_TRUE(Load(data, &pictures)) << book.LoadError();
            EXPECT_EQ(store.Data->Size(), static_cast<int64_t>(pictures.size()));
            ASSERT_EQ(store.Count(), 2);
            EXPECT_EQ(store.Names[0], "a.bmp");
            EXPECT_EQ(FirstMisplacedPicture(store, pictures), -1)
                << testing::PrintToString(version) << " " << testing::PrintToString(name);
            std::string got(7, '\0');
            bool processed = false, aborted = false;
            store.LoadPicture(
                "b.bmp", [&](TStream& s) { s.ReadBuffer(&got[0], 7); }, processed, aborted);
            EXPECT_EQ(got, "second!");
        }
}

TEST_F(LoaderTest, PictureLookupsStopOnAbortAndReportReadFailures) {
    const std::string pictures =
        TBookBytes().Version(PicturesFileVersion()).Picture("a.bmp", "xy").Coded("").Bytes();
    ASSERT_TRUE(Load(TBookBytes().Header(0).Bytes(), &pictures));
    bool processed = false, aborted = true;
    int calls = 0;
    store.LoadPicture(
        "a.bmp", [&](TStream&) { ++calls; }, processed, aborted);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(processed);
    aborted = false;
    char buffer[100];
    store.LoadPicture(
        "a.bmp", [&](TStream& s) { s.ReadBuffer(buffer, 100); }, processed, aborted);
    EXPECT_FALSE(processed);
    EXPECT_TRUE(aborted);
}

TEST_F(LoaderTest, AnEmptyOrMissingPicturesFileIsNoFailure) {
    const std::string data = TBookBytes().Header(1).Page(1, "x").Bytes();
    ASSERT_TRUE(Load(data));
    EXPECT_EQ(store.Data, nullptr);
    EXPECT_EQ(progress.Gauge.MaxValue(), 10000);
    const std::string empty = TBookBytes().Version(PicturesFileVersion()).Coded("").Bytes();
    ASSERT_TRUE(Load(data, &empty));
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.FindPicture("x"), 0);
}

// An entry whose end lies before its first byte fails the book with a reason
// of its own, and the store never lists it; an end at its first byte is an
// empty picture.
TEST_F(LoaderTest, APictureEndingBeforeItsBytesFailsWithItsOwnReason) {
    const std::string data = TBookBytes().Header(1).Page(1, "x").Bytes();
    const std::string badName = TBookBytes().Coded("bad.bmp").Bytes();
    for (const int32_t shift : {-1, -9}) {
        SCOPED_TRACE(shift);
        const std::string pictures = TBookBytes()
                                         .Version(PicturesFileVersion())
                                         .Picture("good.bmp", "xy")
                                         .PictureEndShifted(badName, "", shift)
                                         .Raw("zz")
                                         .Coded("")
                                         .Bytes();
        EXPECT_FALSE(Load(data, &pictures));
        EXPECT_EQ(book.LoadError(), "picture \"bad.bmp\" ends before its bytes begin");
        EXPECT_TRUE(book.Items.empty());
        EXPECT_EQ(store.Names.Count(), 1);
        EXPECT_EQ(store.Offsets.size(), 1u);
        EXPECT_EQ(store.FindPicture("bad.bmp"), 0);
        EXPECT_NE(store.FindPicture("good.bmp"), 0);
    }

    const std::string empty = TBookBytes()
                                  .Version(PicturesFileVersion())
                                  .PictureEndShifted(TBookBytes().Coded("empty.bmp").Bytes(), "", 0)
                                  .Picture("next.bmp", "xy")
                                  .Coded("")
                                  .Bytes();
    ASSERT_TRUE(Load(data, &empty)) << book.LoadError();
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.PictureEnd(0), store.Offsets[0]);
    EXPECT_EQ(FirstMisplacedPicture(store, empty), -1);
}

TEST_F(LoaderTest, DamagedPicturesFilesFailTheWholeBook) {
    const std::string data = TBookBytes().Header(1).Page(1, "x").Bytes();
    const std::string minor2 =
        TBookBytes().Version(TVersion("HyperText Pictures Data File, v.", 1, 2)).Coded("").Bytes();
    TBookBytes beyond;
    beyond.Version(PicturesFileVersion()).Coded("a").Int(1000000).Raw("xx").Coded("");
    TBookBytes before;
    before.Version(PicturesFileVersion()).Coded("a").Int(3).Raw("xx").Coded("");
    const std::string unterminated =
        TBookBytes().Version(PicturesFileVersion()).Picture("a", "xx").Bytes();
    for (const std::string& bad : {minor2, beyond.Bytes(), before.Bytes(), unterminated}) {
        EXPECT_FALSE(Load(data, &bad));
        EXPECT_TRUE(book.Items.empty());
    }
}
