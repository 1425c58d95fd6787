#include "platform/graphics/PdfOutput.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/PdfOutline.h"
#include "publish/PrintPdfChecks.h"
#include "support/TestFiles.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Writes a PDF of the given page titles, each page drawn by Draw(index, output).
template <class TDraw>
void WritePdf(const std::string& File, const std::vector<std::string>& Titles, TDraw Draw) {
    TPdfOutput pdf(File, "Проба", true, 300);
    for (size_t i = 0; i < Titles.size(); ++i) {
        ASSERT_TRUE(pdf.BeginPage(Titles[i]));
        Draw(i, pdf);
        pdf.EndPage();
    }
    std::string error;
    ASSERT_TRUE(pdf.Finish(error)) << error;
}

#define REQUIRE_PDF_TOOLS()                                                                        \
    if (!HavePdfTools()) GTEST_SKIP() << "qpdf, pdftotext or pdfimages is not installed"

} // namespace

TEST(PdfOutputTest, TextStaysTextVectorsStayVectorsImagesKeepTheirPixels) {
    REQUIRE_PDF_TOOLS();
    TTempDir dir;
    const std::string file = dir.File("kinds.pdf");
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    int width = 0, height = 0, resolution = 0;
    WritePdf(file, {"Текст", "Рисунок", "Снимок"}, [&](size_t Page, TPdfOutput& Pdf) {
        TCanvas& canvas = Pdf.Canvas();
        width = Pdf.PageWidth();
        height = Pdf.PageHeight();
        resolution = Pdf.Resolution();
        // Page pixels scaled up, as a printed page is.
        canvas.SetTransform(TXForm{4, 0, 0, 4, 0, 0});
        if (Page == 0) {
            canvas.Font().SetHeight(-16);
            canvas.TextOut(20, 20, Utf8ToCp1251("Свет падает на линзу"));
        } else if (Page == 1) {
            canvas.Pen().SetColor(clBlue);
            canvas.Ellipse(10, 10, 200, 120);
            canvas.Polyline({{10, 150}, {100, 170}, {200, 150}});
        } else {
            // Drawn small: the file still holds every pixel.
            canvas.DrawImage(Rect(10, 10, 70, 50), image);
        }
    });
    // A4 landscape less 10 mm margins at 300 dpi.
    EXPECT_EQ(resolution, 300);
    EXPECT_NEAR(width, 277 / 25.4 * 300, 3);
    EXPECT_NEAR(height, 190 / 25.4 * 300, 3);
    ASSERT_EQ(PdfPageCount(file), 3);
    EXPECT_NE(PdfText(file, 1).find("Свет падает на линзу"), std::string::npos);
    EXPECT_TRUE(PdfImages(file, 1).empty());
    EXPECT_TRUE(PdfImages(file, 2).empty());
    EXPECT_TRUE(HasVectorCurves(PdfPageContent(file, 2)));
    const auto images = PdfImages(file, 3);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].Width, 300);
    EXPECT_EQ(images[0].Height, 200);
}

TEST(PdfOutputTest, OutlineNamesEveryPageInOrder) {
    REQUIRE_PDF_TOOLS();
    TTempDir dir;
    const std::string file = dir.File("outline.pdf");
    const std::vector<std::string> titles = {"Титульный лист", "(скобки) и \\ косая черта",
                                             "Ёжик — «кавычки»", "", "Last page"};
    WritePdf(file, titles, [](size_t, TPdfOutput&) {});
    EXPECT_EQ(RunCommand("qpdf --check '" + file + "' >/dev/null 2>&1"), 0);
    const auto outline = PdfOutline(file);
    ASSERT_EQ(outline.size(), titles.size());
    for (size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(outline[i].Title, titles[i]);
        EXPECT_EQ(outline[i].Page, static_cast<int>(i) + 1);
    }
}

TEST(PdfOutputTest, NoPagesOrAnUnwritableFileIsAnError) {
    TTempDir dir;
    std::string error;
    {
        TPdfOutput pdf(dir.File("empty.pdf"), "", false);
        EXPECT_FALSE(pdf.Finish(error));
        EXPECT_FALSE(error.empty());
    }
    TPdfOutput pdf(dir.File("missing/folder/out.pdf"), "", false);
    EXPECT_FALSE(pdf.BeginPage("Страница") && (pdf.EndPage(), pdf.Finish(error)));
}

TEST(PdfOutlineTest, DamagedFilesAreRefusedAndLeftAsTheyWere) {
    TTempDir dir;
    std::string error;
    EXPECT_FALSE(AddPdfOutline(dir.File("absent.pdf"), {"a"}, error));

    const std::string good = dir.File("good.pdf");
    WritePdf(good, {"Один", "Два"}, [](size_t, TPdfOutput&) {});
    const std::string bytes = ReadFileBytes(good);
    std::vector<std::string> damaged = {
        "",
        "%PDF-1.4\nstartxref\n999999999\n%%EOF\n",
        "%PDF-1.4\nxref\n0 99999999999\ntrailer\n<< >>\nstartxref\n9\n%%EOF\n",
        bytes.substr(0, bytes.size() / 2),
        bytes.substr(bytes.size() / 3),
    };
    // The page tree naming itself as its first kid, or every kid.
    const size_t kids = bytes.find("/Kids \n[\n");
    const size_t root = bytes.find("/Pages ", bytes.find("/Catalog"));
    ASSERT_NE(kids, std::string::npos);
    ASSERT_NE(root, std::string::npos);
    const std::string self = bytes.substr(root + 7, bytes.find(' ', root + 7) - (root + 7));
    std::string looped = bytes;
    looped.replace(kids + 9, looped.find(' ', kids + 9) - (kids + 9), self);
    damaged.push_back(looped);
    looped = bytes;
    const size_t kidsEnd = looped.find(']', kids);
    looped.replace(kids + 9, kidsEnd - (kids + 9), self + " 0 R " + self + " 0 R\n");
    damaged.push_back(looped);
    for (const std::string& content : damaged) {
        const std::string file = dir.File("damaged.pdf");
        WriteFileBytes(file, content);
        error.clear();
        EXPECT_FALSE(AddPdfOutline(file, {"Один", "Два"}, error)) << content.size();
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(ReadFileBytes(file), content);
    }
    // Every byte of the cross-reference table and trailer changed in turn:
    // read or refused, never read past the file.
    for (size_t at = bytes.find("\nxref"); at < bytes.size(); ++at) {
        std::string changed = bytes;
        changed[at] = "9 <"[at % 3];
        const std::string file = dir.File("changed.pdf");
        WriteFileBytes(file, changed);
        AddPdfOutline(file, {"Один", "Два"}, error);
    }
    // Titles that do not match the pages, or a second outline.
    std::string before = ReadFileBytes(good);
    EXPECT_FALSE(AddPdfOutline(good, {"Один"}, error));
    EXPECT_NE(error.find("2 pages but 1 titles"), std::string::npos) << error;
    EXPECT_FALSE(AddPdfOutline(good, {"Один", "Два"}, error));
    EXPECT_EQ(ReadFileBytes(good), before);
}
