// The web edition of the sample book and of books made to break it: every
// document well-formed, every reference written, the text as the viewer
// reads it, pictures at their sizes, nothing written outside the folder.
#include "publish/WebEdition.h"
#include "WebEditionChecks.h"
#include "data/Data.h"
#include "hypertext/PageText.h"
#include "platform/base/Cp1251.h"
#include "platform/graphics/Picture.h"
#include "support/TestFiles.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

std::string WithoutSpaces(const std::string& Utf8) {
    std::string out;
    for (const char c : CollapseSpaces(Utf8))
        if (c != ' ') out += c;
    return out;
}

std::string SampleBook(const char* Name) {
    return std::string(PLB_BIN_DIR) + "/data/" + Name;
}

struct TExported {
    TTempDir Dir;
    THeadlessProgress Progress;
    std::unique_ptr<TPLBData> Book = std::make_unique<TPLBData>(&Progress.Record);
    TPLBHTP Pictures;
    TWebManifest Manifest;
    std::string Out() const { return Dir.File("site"); }
};

// Loads the built book and exports it; false when the book is not built.
bool ExportSample(const char* Name, TExported& E) {
    const std::string book = SampleBook(Name);
    if (!fs::exists(book)) return false;
    EXPECT_TRUE(E.Book->LoadFromFile(book, &E.Pictures)) << E.Book->LoadError();
    TWebOptions options;
    options.BookFolder = fs::path(book).parent_path().string();
    std::string error;
    EXPECT_TRUE(WriteWebEdition(*E.Book, E.Pictures, E.Out(), options, E.Manifest, error)) << error;
    return true;
}

const TPLBDataItem* Item(const TPLBData& Book, int Number) {
    for (const auto& item : Book.Items)
        if (item->Number == Number) return item.get();
    return nullptr;
}

// Every document parses as XML and every reference in it names a written
// file (and an element of the document for a fragment).
void CheckDocuments(const TExported& E) {
    std::vector<std::string> documents{E.Manifest.Index};
    for (const TWebPage& page : E.Manifest.Pages)
        documents.push_back(page.Path);
    for (const std::string& path : documents) {
        SCOPED_TRACE(path);
        const TWebDocumentScan scan = ScanWebDocument(ReadFileBytes(E.Out() + "/" + path));
        ASSERT_TRUE(scan.WellFormed) << scan.Error;
        for (const std::string& ref : scan.References) {
            if (ref.rfind("http", 0) == 0 || ref.rfind("mailto:", 0) == 0 ||
                ref.rfind("data:", 0) == 0)
                continue;
            if (ref == "#") continue;
            if (ref[0] == '#') {
                EXPECT_NE(std::find(scan.Ids.begin(), scan.Ids.end(), ref.substr(1)),
                          scan.Ids.end())
                    << ref;
                continue;
            }
            const std::string target = ResolveReference(path, ref.substr(0, ref.find('#')));
            EXPECT_FALSE(target.empty()) << ref;
            EXPECT_TRUE(fs::is_regular_file(E.Out() + "/" + target)) << ref;
        }
    }
}

TEST(WebEdition, SampleBookPagesAreWellFormedAndTheirLinksResolve) {
    TExported e;
    if (!ExportSample("TextBook.plb", e)) GTEST_SKIP() << "the sample book is not built";
    ASSERT_EQ(e.Manifest.Pages.size(), e.Book->Items.size());
    EXPECT_EQ(e.Manifest.Index, "index.html");
    size_t i = 0;
    for (const auto& item : e.Book->Items) {
        const TWebPage& page = e.Manifest.Pages[i++];
        EXPECT_EQ(page.Number, item->Number);
        EXPECT_EQ(page.SubPage, item->SubPage != 0);
        EXPECT_EQ(page.Title, Cp1251ToUtf8(item->Title));
        EXPECT_TRUE(fs::is_regular_file(e.Out() + "/" + page.Path)) << page.Path;
    }
    for (const TWebResource& r : e.Manifest.Resources)
        EXPECT_TRUE(fs::is_regular_file(e.Out() + "/" + r.Path)) << r.Path;
    // The contents list every page and sub-page in book order.
    std::vector<std::string> listed, pages;
    for (const std::string& ref :
         ScanWebDocument(ReadFileBytes(e.Out() + "/index.html")).References)
        if (ref.rfind("pages/", 0) == 0) listed.push_back(ref);
    for (const TWebPage& page : e.Manifest.Pages)
        pages.push_back(page.Path);
    EXPECT_EQ(listed, pages);
    CheckDocuments(e);
}

TEST(WebEdition, PageTextMatchesTheViewersTextInOrder) {
    TExported e;
    if (!ExportSample("TextBook.plb", e)) GTEST_SKIP() << "the sample book is not built";
    size_t i = 0;
    for (const auto& item : e.Book->Items) {
        const TWebPage& page = e.Manifest.Pages[i++];
        SCOPED_TRACE(page.Path);
        AnsiString markup = item->Lines.Text();
        if (markup.size() >= 2) markup.resize(markup.size() - 2);
        // Compared without their spaces: where words touch the viewer's
        // layout and the plain text may differ (a word moved up or down
        // stands close to the one before it; a side box's last word and the
        // text after it are apart on the page).
        const std::string expected = WithoutSpaces(Cp1251ToUtf8(PageText(markup)));
        const TWebDocumentScan scan = ScanWebDocument(ReadFileBytes(e.Out() + "/" + page.Path));
        EXPECT_EQ(WithoutSpaces(scan.PageText), expected);
        EXPECT_FALSE(expected.empty());
    }
}

TEST(WebEdition, PicturesAreWrittenAtTheirOwnSizeWithAlpha) {
    TExported e;
    if (!ExportSample("TextBook.plb", e)) GTEST_SKIP() << "the sample book is not built";
    int png = 0, svg = 0;
    for (const TWebPage& page : e.Manifest.Pages) {
        const TWebDocumentScan scan = ScanWebDocument(ReadFileBytes(e.Out() + "/" + page.Path));
        for (const auto& image : scan.Images) {
            SCOPED_TRACE(page.Path + " " + image.Src);
            const std::string file = e.Out() + "/" + ResolveReference(page.Path, image.Src);
            EXPECT_GT(image.Width, 0);
            EXPECT_GT(image.Height, 0);
            if (image.Src.ends_with(".png")) {
                const QImage written(QString::fromStdString(file));
                ASSERT_FALSE(written.isNull());
                // The picture as the engine decodes it from the book.
                TPicture picture;
                bool processed = false, aborted = false;
                e.Pictures.LoadPicture(
                    Utf8ToCp1251(image.Alt),
                    [&](TStream& s) { picture.NewGraphicFor(image.Alt).LoadFromStream(s); },
                    processed, aborted);
                ASSERT_TRUE(processed);
                EXPECT_EQ(written.width(), picture.Width());
                EXPECT_EQ(written.height(), picture.Height());
                if (image.Alt.ends_with(".ico")) {
                    EXPECT_TRUE(written.hasAlphaChannel());
                }
                ++png;
            } else {
                ASSERT_TRUE(image.Src.ends_with(".svg"));
                const TWebDocumentScan drawing = ScanWebDocument(ReadFileBytes(file));
                EXPECT_TRUE(drawing.WellFormed) << drawing.Error;
                ++svg;
            }
        }
    }
    EXPECT_GE(png, 10);
    EXPECT_GE(svg, 3);
}

TEST(WebEdition, SubPagesOpenOverThePageThatLinksThem) {
    TExported e;
    if (!ExportSample("TextBook.plb", e)) GTEST_SKIP() << "the sample book is not built";
    int popups = 0;
    for (const TWebPage& page : e.Manifest.Pages) {
        const std::string text = ReadFileBytes(e.Out() + "/" + page.Path);
        const TWebDocumentScan scan = ScanWebDocument(text);
        for (const std::string& ref : scan.References) {
            if (ref.rfind("#sub", 0) != 0) continue;
            const TPLBDataItem* sub = Item(*e.Book, std::stoi(ref.substr(4)));
            ASSERT_NE(sub, nullptr) << ref;
            EXPECT_NE(sub->SubPage, 0);
            EXPECT_NE(text.find("id=\"" + ref.substr(1) + "\" class=\"plb-popup\""),
                      std::string::npos);
            ++popups;
        }
    }
    EXPECT_GE(popups, 2);
}

TEST(WebEdition, SubPageVariantsExportAsWell) {
    for (const char* name : {"SubPagesEmbedded.plb", "SubPagesWindows.plb"}) {
        SCOPED_TRACE(name);
        TExported e;
        if (!ExportSample(name, e)) GTEST_SKIP() << "the sample books are not built";
        CheckDocuments(e);
    }
}

} // namespace
