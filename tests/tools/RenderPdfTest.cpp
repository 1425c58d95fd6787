// plbtool render -o OUT.pdf: a page or the whole book printed to PDF.
#include "publish/PrintPdfChecks.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

const std::string kTool = std::string(PLB_BIN_DIR) + "/plbtool";
const std::string kSample = std::string(PLB_BIN_DIR) + "/data/TextBook.plb";

int Render(const std::string& Args) {
    return RunCommand(kTool + " render " + Args + " >/dev/null 2>&1");
}

// The position (from 1) of the page titled Title in the outline, 0 when none.
int PageTitled(const std::vector<TPdfOutlineEntry>& Outline, const std::string& Title) {
    for (const auto& entry : Outline)
        if (entry.Title == Title) return entry.Page;
    return 0;
}

class RenderPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePdfTools()) GTEST_SKIP() << "qpdf, pdftotext or pdfimages is not installed";
    }
    TTempDir Dir;
};

} // namespace

TEST_F(RenderPdf, TheWholeBookHasEveryPageAndAnOutlineOfTheirTitles) {
    const std::string file = Dir.File("book.pdf");
    ASSERT_EQ(Render(kSample + " --all -o " + file), 0);
    EXPECT_EQ(RunCommand("qpdf --check " + file + " >/dev/null 2>&1"), 0);
    // The sample book's ordinary pages, in book order; no sub-page among them.
    std::string dump;
    ASSERT_EQ(RunCommand(kTool + " dump " + kSample, &dump), 0);
    std::vector<std::string> titles;
    for (const QJsonValue item :
         QJsonDocument::fromJson(QByteArray::fromStdString(dump))["items"].toArray())
        if (item["subPage"].toInt() == 0) titles.push_back(item["title"].toString().toStdString());
    ASSERT_GT(titles.size(), 10u);
    const auto outline = PdfOutline(file);
    ASSERT_EQ(PdfPageCount(file), static_cast<int>(titles.size()));
    ASSERT_EQ(outline.size(), titles.size());
    for (size_t i = 0; i < outline.size(); ++i) {
        EXPECT_EQ(outline[i].Title, titles[i]);
        EXPECT_EQ(outline[i].Page, static_cast<int>(i) + 1);
    }

    // Text stays text, in reading order.
    const std::string title = PdfText(file, 1);
    const size_t book = title.find("Основы оптики");
    ASSERT_NE(book, std::string::npos);
    EXPECT_GT(title.find("Учебное пособие", book), book);

    // A vector picture stays vectors.
    const int vector = PageTitled(outline, "4.5. Векторный рисунок");
    ASSERT_GT(vector, 0);
    EXPECT_TRUE(PdfImages(file, vector).empty());
    EXPECT_TRUE(HasVectorCurves(PdfPageContent(file, vector)));

    // A raster picture keeps every pixel it has, whatever size it is shown at.
    const QImage picture(QString::fromStdString(std::string(PLB_SOURCE_DIR) +
                                                "/samples/textbook/pictures/truecolour.bmp"));
    ASSERT_FALSE(picture.isNull());
    const int formats = PageTitled(outline, "4.1. Форматы рисунков");
    ASSERT_GT(formats, 0);
    bool found = false;
    for (const TPdfImage& image : PdfImages(file, formats))
        found |= image.Width == picture.width() && image.Height == picture.height();
    EXPECT_TRUE(found) << picture.width() << "x" << picture.height();
}

TEST_F(RenderPdf, OnePageWithOrWithoutItsColour) {
    const std::string with = Dir.File("with.pdf"), without = Dir.File("without.pdf");
    ASSERT_EQ(Render(kSample + " --page 1 -o " + with), 0);
    ASSERT_EQ(Render(kSample + " --page 1 --no-background -o " + without), 0);
    ASSERT_EQ(PdfPageCount(with), 1);
    ASSERT_EQ(PdfOutline(with).size(), 1u);
    EXPECT_EQ(PdfOutline(with)[0].Title, "Титульный лист");
    // The title page's colour (RGB FF F5 E6) is filled, or not.
    const std::string fill = "1 0.960784316 0.901960790 scn";
    EXPECT_NE(PdfPageContent(with, 1).find(fill), std::string::npos);
    EXPECT_EQ(PdfPageContent(without, 1).find(fill), std::string::npos);
    EXPECT_NE(PdfText(without, 1).find("Основы оптики"), std::string::npos);
}

TEST_F(RenderPdf, AMarkupFileIsOnePageNamedAfterIt) {
    WriteFileBytes(Dir.File("note.tag"), "<p>Линза собирает лучи");
    const std::string file = Dir.File("note.pdf");
    ASSERT_EQ(Render("--markup " + Dir.File("note.tag") + " -o " + file), 0);
    // Justified, the words stand apart; each is there, in order.
    const std::string text = PdfText(file, 1);
    size_t at = 0;
    for (const char* word : {"Линза", "собирает", "лучи"}) {
        at = text.find(word, at);
        ASSERT_NE(at, std::string::npos) << word;
    }
    EXPECT_EQ(PdfOutline(file)[0].Title, "note.tag");
}

TEST_F(RenderPdf, WrongRequestsAreRefused) {
    const std::string out = Dir.File("x.pdf");
    EXPECT_EQ(Render(kSample + " --all -o " + Dir.File("x.png")), 2);
    EXPECT_EQ(Render(kSample + " --page 1 --no-background -o " + Dir.File("x.png")), 2);
    EXPECT_EQ(Render(kSample + " --all --page 1 -o " + out), 2);
    EXPECT_EQ(Render(kSample + " --page 1 --zoom 2 -o " + out), 2);
    EXPECT_EQ(Render("--markup x.tag --all -o " + out), 2);
    EXPECT_EQ(Render(kSample + " --page 9999 -o " + out), 1);
    EXPECT_EQ(Render(kSample + " --all -o " + Dir.File("no/such/folder/x.pdf")), 1);
    EXPECT_EQ(Render(Dir.File("missing.plb") + " --all -o " + out), 1);
    // Upper-case extensions are PDF too.
    EXPECT_EQ(Render(kSample + " --page 2 -o " + Dir.File("X.PDF")), 0);
    EXPECT_EQ(PdfPageCount(Dir.File("X.PDF")), 1);
}
