// Books made to break the web edition: names that try to leave the output
// folder or differ only in letter case, links to missing pages and files.
#include "WebEditionChecks.h"
#include "data/Data.h"
#include "platform/base/Cp1251.h"
#include "publish/WebEdition.h"
#include "support/TestFiles.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct TBook {
    THeadlessProgress Progress;
    TPLBData Data{&Progress.Record};
    TPLBHTP Pictures;

    TPLBDataItem& Add(int Number, const std::string& Title, const std::string& Markup) {
        auto item = std::make_unique<TPLBDataItem>();
        item->Number = Number;
        item->Title = Utf8ToCp1251(Title);
        item->Lines.SetText(Utf8ToCp1251(Markup));
        Data.Items.push_back(std::move(item));
        return *Data.Items.back();
    }
};

void AddReaction(TPLBDataItem& Item, int Link, int Target, const std::string& Shell = "") {
    auto r = std::make_unique<TPLBReaction>();
    r->LinkNumber = Link;
    r->Target = Target;
    r->ShellFile = Utf8ToCp1251(Shell);
    Item.Reactions.push_back(std::move(r));
}

void SavePicture(const std::string& Path, int Width, int Height) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(Path), "BMP"));
}

std::vector<std::string> FilesUnder(const std::string& Dir) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(Dir))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), Dir).string());
    return files;
}

bool Export(const TBook& Book, const std::string& Out, const std::string& BookFolder,
            TWebManifest& Manifest) {
    TWebOptions options;
    options.BookFolder = BookFolder;
    std::string error;
    const bool written = WriteWebEdition(Book.Data, Book.Pictures, Out, options, Manifest, error);
    EXPECT_TRUE(written) << error;
    return written;
}

TEST(WebEditionInput, NamesThatTryToLeaveTheFolderStayInside) {
    TTempDir temp;
    const std::string bookDir = temp.File("book/inner");
    fs::create_directories(bookDir);
    // A picture beside the book's folder, which "..\" reaches.
    SavePicture(temp.File("book/outside.bmp"), 5, 4);
    SavePicture(bookDir + "/ok.bmp", 3, 2);
    TBook book;
    book.Add(1, "..\\..\\evil",
             "<macros=picture>..\\outside.bmp</macros> "
             "<macros=picture>C:\\ok.bmp</macros> text");
    book.Add(-7, "a/b:c*?", "two");
    TWebManifest manifest;
    const std::string out = temp.File("out/site");
    ASSERT_TRUE(Export(book, out, bookDir, manifest));
    // Only the edition's folder was written to.
    for (const auto& entry : fs::directory_iterator(temp.File("out")))
        EXPECT_EQ(entry.path().filename(), "site");
    for (const TWebPage& page : manifest.Pages) {
        EXPECT_EQ(page.Path.find(".."), std::string::npos) << page.Path;
        EXPECT_EQ(page.Path.rfind("pages/", 0), 0u) << page.Path;
    }
    const std::vector<std::string> files = FilesUnder(out);
    for (const std::string& file : files)
        EXPECT_EQ(file.find(".."), std::string::npos) << file;
    // The picture the folder's name reaches is written under a plain name;
    // the one on a drive is looked for from the root, as the viewer does, and
    // is not there.
    std::vector<std::string> pngs;
    for (const TWebResource& r : manifest.Resources)
        if (r.MediaType == "image/png") pngs.push_back(r.Path);
    ASSERT_EQ(pngs.size(), 1u);
    EXPECT_EQ(pngs[0], "pictures/outside.bmp.png");
    for (const std::string& png : pngs) {
        EXPECT_EQ(png.rfind("pictures/", 0), 0u);
        EXPECT_EQ(png.find('\\'), std::string::npos);
        EXPECT_EQ(png.find(':'), std::string::npos);
    }
}

TEST(WebEditionInput, NamesDifferingOnlyInLetterCaseBothSurvive) {
    TTempDir temp;
    SavePicture(temp.File("Lens.bmp"), 7, 3);
    SavePicture(temp.File("lens.bmp"), 2, 9);
    TBook book;
    book.Add(1, "One", "<macros=picture>Lens.bmp</macros> <macros=picture>lens.bmp</macros>");
    TWebManifest manifest;
    const std::string out = temp.File("site");
    ASSERT_TRUE(Export(book, out, temp.Path(), manifest));
    std::vector<std::pair<int, int>> sizes;
    std::vector<std::string> folded;
    for (const TWebResource& r : manifest.Resources) {
        if (r.MediaType != "image/png") continue;
        const QImage image(QString::fromStdString(out + "/" + r.Path));
        sizes.emplace_back(image.width(), image.height());
        folded.push_back(QString::fromStdString(r.Path).toLower().toStdString());
    }
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NE(folded[0], folded[1]);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes[0], std::make_pair(2, 9));
    EXPECT_EQ(sizes[1], std::make_pair(7, 3));
}

TEST(WebEditionInput, LinksToMissingPagesAndFilesAreWrittenAsText) {
    TTempDir temp;
    WriteFileBytes(temp.File("notes.txt"), "notes");
    TBook book;
    TPLBDataItem& first = book.Add(1, "First",
                                   "<a=1>missing</a> <a=2>file</a> <a=3>web</a> <a=4>gone</a> "
                                   "<a=5>next</a> <a=9>no reaction</a>");
    AddReaction(first, 1, 99);
    AddReaction(first, 2, 0, "notes.txt");
    AddReaction(first, 3, 0, "https://example.org/a?b=1&c=2");
    AddReaction(first, 4, 0, "..\\..\\etc\\passwd-not-here");
    AddReaction(first, 5, 2);
    book.Add(2, "Second", "<macros=media_file>10;10;nothing.wav</macros>second");
    TWebManifest manifest;
    const std::string out = temp.File("site");
    ASSERT_TRUE(Export(book, out, temp.Path(), manifest));
    const TWebDocumentScan scan =
        ScanWebDocument(ReadFileBytes(out + "/" + manifest.Pages[0].Path));
    ASSERT_TRUE(scan.WellFormed) << scan.Error;
    std::vector<std::string> links;
    for (const std::string& ref : scan.References)
        if (ref.find("style.css") == std::string::npos &&
            ref.find("index.html") == std::string::npos)
            links.push_back(ref);
    EXPECT_EQ(links, (std::vector<std::string>{"../files/notes.txt",
                                               "https://example.org/a?b=1&c=2", "p0002.html"}));
    EXPECT_TRUE(fs::is_regular_file(out + "/files/notes.txt"));
    EXPECT_EQ(scan.PageText, "missing file web gone next no reaction");
    const TWebDocumentScan second =
        ScanWebDocument(ReadFileBytes(out + "/" + manifest.Pages[1].Path));
    EXPECT_TRUE(second.WellFormed);
    EXPECT_EQ(second.PageText, "second");
}

TEST(WebEditionInput, MarkupCharactersInTextAndTitlesStayText) {
    TTempDir temp;
    TBook book;
    book.Data.Title = Utf8ToCp1251("Книга <&> \"кавычки\"");
    book.Add(1, "<script>alert(1)</script>", "a &lt; b & c > d ]]> \x01 e");
    TWebManifest manifest;
    const std::string out = temp.File("site");
    ASSERT_TRUE(Export(book, out, temp.Path(), manifest));
    EXPECT_EQ(manifest.Title, "Книга <&> \"кавычки\"");
    for (const std::string& doc : {manifest.Index, manifest.Pages[0].Path}) {
        const std::string text = ReadFileBytes(out + "/" + doc);
        EXPECT_EQ(text.find("<script"), std::string::npos) << doc;
        EXPECT_TRUE(ScanWebDocument(text).WellFormed) << doc;
    }
    EXPECT_EQ(ScanWebDocument(ReadFileBytes(out + "/" + manifest.Pages[0].Path)).PageText,
              "a &lt; b & c > d ]]> e");
}

TEST(WebEditionInput, AnOutputFolderThatCannotBeMadeFails) {
    TTempDir temp;
    WriteFileBytes(temp.File("file"), "x");
    TBook book;
    book.Add(1, "One", "text");
    TWebManifest manifest;
    std::string error;
    EXPECT_FALSE(WriteWebEdition(book.Data, book.Pictures, temp.File("file/site"), TWebOptions{},
                                 manifest, error));
    EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
}

} // namespace

namespace {

// The page area of the only page of a one-page book.
std::string ExportOnePage(const std::string& Markup, TWebDocumentScan& Scan) {
    TTempDir temp;
    TBook book;
    TPLBDataItem& page = book.Add(1, "One", Markup);
    AddReaction(page, 1, 1);
    TWebManifest manifest;
    const std::string out = temp.File("site");
    if (!Export(book, out, temp.Path(), manifest)) return "";
    const std::string text = ReadFileBytes(out + "/" + manifest.Pages[0].Path);
    Scan = ScanWebDocument(text);
    // The document's style rules, then its page area.
    const size_t rules = text.find("<style");
    const size_t start = text.find("<div class=\"plb-page\"");
    if (start == std::string::npos) return "";
    const std::string styles =
        rules == std::string::npos ? "" : text.substr(rules, text.find("</style>") - rules);
    return styles + text.substr(start);
}

TEST(WebEditionInput, WordsKeepTheirJoinsStylesAndShifts) {
    TWebDocumentScan scan;
    const std::string page = ExportOnePage("n<sub>1</sub> <b>bold</b>word <i>it</i> <a=1>link</a> "
                                           "<up=5>a<up=5>b<down=10>c <right=7>d",
                                           scan);
    ASSERT_TRUE(scan.WellFormed) << scan.Error;
    // A shifted word is joined to the one before it, as the viewer sets it.
    EXPECT_EQ(scan.PageText, "n1 boldword it link abcd");
    EXPECT_NE(page.find("n<sub>1</sub>"), std::string::npos) << page;
    EXPECT_NE(page.find("font-weight:700;color:#000000 }"), std::string::npos) << page;
    EXPECT_NE(page.find("\">bold</span>word"), std::string::npos) << page;
    EXPECT_NE(page.find("font-style:italic"), std::string::npos) << page;
    EXPECT_NE(page.find("<a href=\"p0001.html\"><span class=\"s"), std::string::npos) << page;
    EXPECT_NE(page.find("text-decoration:underline;color:#0000ff }"), std::string::npos) << page;
    EXPECT_NE(page.find("\">link</span></a>"), std::string::npos) << page;
    // Vertical shifts add up along the line; a horizontal one moves its word.
    EXPECT_NE(page.find("top:-5px\">a</span>"), std::string::npos) << page;
    EXPECT_NE(page.find("top:-10px\">b</span>c"), std::string::npos) << page;
    EXPECT_NE(page.find("margin-left:7px\">d</span>"), std::string::npos) << page;
}

TEST(WebEditionInput, ParagraphsLineBreaksAndAlignment) {
    TWebDocumentScan scan;
    const std::string page =
        ExportOnePage("<align=center>one<line>two<p><align=right>three</align><p>four", scan);
    ASSERT_TRUE(scan.WellFormed) << scan.Error;
    EXPECT_NE(page.find("<p style=\"text-align:center\">one<br/>two</p>"), std::string::npos)
        << page;
    EXPECT_NE(page.find("<p style=\"text-align:right\">three</p>"), std::string::npos) << page;
    EXPECT_NE(page.find("<p style=\"text-align:justify\">four</p>"), std::string::npos) << page;
}

// An interval makes each line of its style taller by that many pixels: a
// 20-pixel font has a 23-pixel cell, and 23 of interval make twice the cell.
TEST(WebEditionInput, AnIntervalMakesTheLinesTaller) {
    TWebDocumentScan scan;
    const std::string page =
        ExportOnePage("<fontheight=20><interval=23>wide</interval><p>plain", scan);
    ASSERT_TRUE(scan.WellFormed) << scan.Error;
    EXPECT_NE(page.find("<p style=\"text-align:justify;line-height:2.3\"><span class=\"s1\">wide"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<p style=\"text-align:justify\"><span class=\"s1\">plain"),
              std::string::npos)
        << page;
}

} // namespace

namespace {

TEST(WebEditionInput, ExtremeFontSizesStayWithinBounds) {
    TWebDocumentScan scan;
    const std::string page = ExportOnePage(
        "<fontheight=2147483647>big</fontheight> <fontheight=-2147483647>cell</fontheight> "
        "<fontheight=0>zero",
        scan);
    ASSERT_TRUE(scan.WellFormed) << scan.Error;
    EXPECT_EQ(scan.PageText, "big cell zero");
    EXPECT_NE(page.find("font-size:2000px"), std::string::npos) << page;
    EXPECT_EQ(page.find("font-size:-"), std::string::npos) << page;
}

} // namespace

namespace {

TEST(WebEditionInput, TransparentBitmapsLoseTheirBackgroundColour) {
    TTempDir temp;
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    image.setPixel(1, 1, qRgb(10, 200, 30));
    ASSERT_TRUE(image.save(QString::fromStdString(temp.File("key.bmp")), "BMP"));
    TBook book;
    book.Add(1, "One",
             "<background=fuchsia><macros=bitmap>key.bmp</macros></background> "
             "<macros=picture>key.bmp</macros>");
    TWebManifest manifest;
    const std::string out = temp.File("site");
    ASSERT_TRUE(Export(book, out, temp.Path(), manifest));
    std::vector<QImage> written;
    for (const TWebResource& r : manifest.Resources)
        if (r.MediaType == "image/png")
            written.emplace_back(QString::fromStdString(out + "/" + r.Path));
    // The transparent object and the opaque one are two files.
    ASSERT_EQ(written.size(), 2u);
    const QImage& keyed = written[0];
    ASSERT_EQ(keyed.size(), QSize(4, 3));
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(3, 2)), 0);
    EXPECT_EQ(keyed.pixel(1, 1), qRgba(10, 200, 30, 255));
    EXPECT_EQ(written[1].pixel(0, 0), qRgb(255, 0, 255));
}

} // namespace
