// Finding text in the viewer: Ctrl+F opens the find window, a search lists
// the pages, choosing one shows it with the found words marked and records
// it in the history, F3 goes on to the next page found.
#include "ViewerTestSupport.h"
#include "data/Writer.h"
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "viewer/CommandLine.h"
#include "viewer/FoundWords.h"
#include "viewer/Viewfind.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

void AddPage(TPLBData& Book, int32_t Number, const std::string& Utf8Markup) {
    auto item = std::make_unique<TPLBDataItem>();
    item->Number = Number;
    item->Title = Utf8ToCp1251("Страница " + std::to_string(Number));
    item->ShortTitle = item->Title;
    item->NavPoints[0] = {1, 3, 1, 3, 1};
    item->Color = static_cast<TColor>(0x00FFFFFF);
    item->Lines.Add(Utf8ToCp1251(Utf8Markup));
    Book.Items.push_back(std::move(item));
}

void WriteBook(TProgramFolder& Folder) {
    std::filesystem::create_directories(Folder.Dir.File("data"));
    TPLBData book(nullptr);
    book.Sizeable = true;
    book.StartPage = 1;
    AddPage(book, 1, "<p>Начало книги");
    AddPage(book, 2, "<p>Про <b>линзы</b> и свет");
    AddPage(book, 3, "<p>Ещё одна ЛИНЗА, <macros=picture>1;1;линза.bmp</macros> конец");
    std::string error;
    if (!SaveTextbook(book, Folder.Dir.File("data/TextBook.plb"), error))
        throw std::runtime_error(error);
}

class Find : public ::testing::Test {
protected:
    Find() { SetFirstArgument(""); }
    ~Find() override { SetFirstArgument(std::nullopt); }
    TProgramFolder Folder;
};

TEST_F(Find, CtrlFSearchesAndChoosingAPageShowsItMarkedAndRecordsIt) {
    WriteBook(Folder);
    TfrmPage page(Folder.ExeName());
    page.show();
    page.activateWindow();
    QTest::keyClick(&page, Qt::Key_F, Qt::ControlModifier);
    TfrmFind* find = page.FindWindow();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());

    find->edText->setText(QStringLiteral("линз"));
    QTest::keyClick(find->edText, Qt::Key_Return);
    ASSERT_EQ(find->lbPages->count(), 2);
    EXPECT_TRUE(find->lbPages->item(0)->text().startsWith(QStringLiteral("2. Страница 2 — ")));
    EXPECT_TRUE(find->lbPages->item(1)->text().contains(QStringLiteral("ЛИНЗА")));

    // Choosing the second page shows it, records it and marks its word.
    find->lbPages->setCurrentRow(1);
    QTest::keyClick(find->lbPages, Qt::Key_Return);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    EXPECT_EQ(page.History.Entries().back().Number, 3);
    ASSERT_NE(page.FoundWords(), nullptr);
    EXPECT_EQ(page.FoundWords()->Marks().size(), 1u); // the picture's name is no word

    // F3 goes on, round to the first page found.
    QTest::keyClick(&page, Qt::Key_F3);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    EXPECT_EQ(page.FoundWords()->Marks().size(), 1u);
    EXPECT_EQ(find->lbPages->currentRow(), 0);
    QTest::keyClick(&page, Qt::Key_F3);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    EXPECT_EQ(page.History.Entries().size(), 4u);

    // Paging on by other means clears the marks.
    page.tbFirst->Click();
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    EXPECT_TRUE(page.FoundWords()->Marks().empty());
    EXPECT_FALSE(page.FoundWords()->isVisible());
}

TEST_F(Find, NothingFoundSaysSoAndF3WithoutASearchOpensTheWindow) {
    WriteBook(Folder);
    TfrmPage page(Folder.ExeName());
    page.show();
    QTest::keyClick(&page, Qt::Key_F3);
    ASSERT_NE(page.FindWindow(), nullptr);
    TfrmFind& find = *page.FindWindow();
    find.edText->setText(QStringLiteral("кошка"));
    QTest::keyClick(find.edText, Qt::Key_Return);
    ASSERT_EQ(find.lbPages->count(), 1);
    EXPECT_EQ(find.lbPages->item(0)->text(), QStringLiteral("Ничего не найдено"));
    EXPECT_FALSE(find.lbPages->isEnabled());
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    // Esc in the text line closes the window.
    find.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&find));
    QTest::keyClick(find.edText, Qt::Key_Escape);
    EXPECT_FALSE(find.isVisible());
}

} // namespace
