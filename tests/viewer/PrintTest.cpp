// Printing from the viewer: the print path onto a printer writing PDF, the
// dialog's choices, and Ctrl+P opening the dialog.
#include "SampleBook.h"
#include "hypertext/HyperControl.h"
#include "hypertext/HyperText.h"
#include "publish/BookPrint.h"
#include "publish/PrintPdfChecks.h"
#include "viewer/Viewpage.h"
#include "viewer/Viewprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Titles(const std::vector<const TPLBDataItem*>& Pages) {
    std::vector<std::string> titles;
    for (const TPLBDataItem* page : Pages)
        titles.push_back(OutlineTitle(*page));
    return titles;
}

std::vector<std::string> Titles(const std::vector<TPdfOutlineEntry>& Outline) {
    std::vector<std::string> titles;
    for (const auto& entry : Outline)
        titles.push_back(entry.Title);
    return titles;
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (SampleBookPath().empty()) GTEST_SKIP() << "the sample book is not built";
        if (!HavePdfTools()) GTEST_SKIP() << "qpdf, pdftotext or pdfimages is not installed";
    }

    // Prints Choice of the sample book into a PDF file; returns its path.
    std::string PrintToPdf(TfrmPage& Page, const TPrintChoice& Choice,
                           QPrinter::PageOrder Order = QPrinter::FirstPageFirst) {
        const std::string file = Dir.File("print" + std::to_string(++FCount) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        printer.setPageOrder(Order);
        const THyperControl& view = *Page.PageView;
        std::string error;
        EXPECT_TRUE(PrintBook(printer, *Page.Data, Page.Pictures, view.RealWidth(),
                              view.RealHeight(), Choice, error))
            << error;
        return file;
    }

    TTempDir Dir;

private:
    int FCount = 0;
};

TEST_F(PrintTest, TheWholeBookPrintsEveryOrdinaryPageWithItsOutline) {
    TSampleBookWindow window(1);
    TfrmPage& page = window.Page();
    const std::string file = PrintToPdf(page, TPrintChoice{});
    const auto pages = BookOrderPages(*page.Data);
    ASSERT_GT(pages.size(), 10u);
    EXPECT_EQ(PdfPageCount(file), static_cast<int>(pages.size()));
    const auto outline = PdfOutline(file);
    EXPECT_EQ(Titles(outline), Titles(pages));
    for (size_t i = 0; i < outline.size(); ++i)
        EXPECT_EQ(outline[i].Page, static_cast<int>(i) + 1);
    EXPECT_NE(PdfText(file, 1).find("Основы оптики"), std::string::npos);
    // The vector picture's page: drawn with curves, no image in it.
    for (size_t i = 0; i < pages.size(); ++i) {
        if (OutlineTitle(*pages[i]) != "4.5. Векторный рисунок") continue;
        const int number = static_cast<int>(i) + 1;
        EXPECT_TRUE(PdfImages(file, number).empty());
        EXPECT_TRUE(HasVectorCurves(PdfPageContent(file, number)));
    }
}

TEST_F(PrintTest, ARangeAndTheCurrentPageCountInBookOrder) {
    TSampleBookWindow window(1);
    TfrmPage& page = window.Page();
    const auto pages = BookOrderPages(*page.Data);
    TPrintChoice range;
    range.Range.Kind = TPrintRange::PageRange;
    range.Range.From = 3;
    range.Range.To = 5;
    const std::string three = PrintToPdf(page, range);
    EXPECT_EQ(Titles(PdfOutline(three)), Titles({pages[2], pages[3], pages[4]}));
    // The dialog's "reverse" box: the last page first.
    const std::string reversed = PrintToPdf(page, range, QPrinter::LastPageFirst);
    EXPECT_EQ(Titles(PdfOutline(reversed)), Titles({pages[4], pages[3], pages[2]}));

    TPrintChoice current;
    current.Range.Kind = TPrintRange::CurrentPage;
    current.Range.Current = pages[6]->Number;
    EXPECT_EQ(Titles(PdfOutline(PrintToPdf(page, current))), Titles({pages[6]}));

    // Nothing in the range: an error, not an empty print reported as done.
    range.Range.From = range.Range.To = static_cast<int>(pages.size()) + 1;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Dir.File("none.pdf")));
    std::string error;
    EXPECT_FALSE(PrintBook(printer, *page.Data, page.Pictures, 762, 463, range, error));
    EXPECT_FALSE(error.empty());
}

TEST(PrintChoice, TheDialogsRangeBecomesTheBooksPages) {
    QPrinter printer;
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 4);
    TPrintChoice choice = PrinterChoice(printer, 17, true);
    EXPECT_EQ(choice.Range.Kind, TPrintRange::PageRange);
    EXPECT_EQ(choice.Range.From, 2);
    EXPECT_EQ(choice.Range.To, 4);
    EXPECT_TRUE(choice.Background);
    printer.setPrintRange(QPrinter::CurrentPage);
    choice = PrinterChoice(printer, 17, false);
    EXPECT_EQ(choice.Range.Kind, TPrintRange::CurrentPage);
    EXPECT_EQ(choice.Range.Current, 17);
    EXPECT_FALSE(choice.Background);
    printer.setPrintRange(QPrinter::AllPages);
    EXPECT_EQ(PrinterChoice(printer, 17, false).Range.Kind, TPrintRange::WholeBook);
}

TEST(PrintKey, CtrlPOpensTheDialogAndItsClosingKeyStaysInIt) {
    if (SampleBookPath().empty()) GTEST_SKIP() << "the sample book is not built";
    TSampleBookWindow window(1);
    TfrmPage& page = window.Page();
    const auto pages = BookOrderPages(*page.Data);
    ASSERT_TRUE(page.ShowPage(pages[4]->Number));
    QString title;
    bool hasBox = false;
    int maxPage = 0;
    TModalAction close([&](QWidget* Dialog) {
        auto* print = qobject_cast<QPrintDialog*>(Dialog);
        if (!print) return;
        title = print->windowTitle();
        hasBox = print->findChild<QCheckBox*>(QStringLiteral("PrintBackground")) != nullptr;
        maxPage = print->maxPage();
        // Esc closes it on its press, as a dialog does.
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(print, &esc);
    });
    page.activateWindow();
    // P alone and Ctrl+Shift+P are not the print key.
    QTest::keyClick(&page, Qt::Key_P);
    QTest::keyClick(&page, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(close.Ran());
    QTest::keyPress(&page, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(close.Ran());
    EXPECT_EQ(title, QStringLiteral("Печать"));
    EXPECT_TRUE(hasBox);
    EXPECT_EQ(maxPage, static_cast<int>(pages.size()));
    // Neither the P's release nor Esc's, arriving now, acts in the window.
    QKeyEvent releaseP(QEvent::KeyRelease, Qt::Key_P, Qt::ControlModifier);
    QApplication::sendEvent(&page, &releaseP);
    QKeyEvent releaseEsc(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&page, &releaseEsc);
    EXPECT_EQ(page.Page.CurrentNumber(), pages[4]->Number);
}

} // namespace
