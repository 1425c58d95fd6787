// The history and bookmark menus and the list dialog, used through the main
// window as a reader would: the toolbar, the keys and the menu items.
#include "ViewerTestSupport.h"
#include "data/Writer.h"
#include "platform/base/Cp1251.h"
#include "viewer/Viewmarks.h"
#include "viewer/Viewpage.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Pages 1..12 in one section, each leading to the next; dark pages with
// light text.
void WriteChainBook(TProgramFolder& Folder) {
    TPLBData book(nullptr);
    book.Title = Utf8ToCp1251("Учебник");
    book.Sizeable = true;
    book.StartPage = 1;
    for (int32_t n = 1; n <= 12; ++n) {
        auto page = std::make_unique<TPLBDataItem>();
        page->Number = n;
        page->Title = Utf8ToCp1251("Страница ") + std::to_string(n);
        page->ShortTitle = "s" + std::to_string(n);
        page->NavPoints[0] = {1, 12, n > 1 ? n - 1 : 0, n < 12 ? n + 1 : 0, 1};
        page->Color = static_cast<TColor>(0x00402010);     // dark blue
        page->FontColor = static_cast<TColor>(0x0080F0F8); // light yellow
        page->Lines.Add("<p>" + page->Title);
        book.Items.push_back(std::move(page));
    }
    std::string error;
    std::filesystem::create_directories(Folder.Dir.File("data"));
    if (!SaveTextbook(book, Folder.Dir.File("data/TextBook.plb"), error))
        throw std::runtime_error(error);
}

void ReleaseKey(TfrmPage& Page, int Key) {
    QKeyEvent event(QEvent::KeyRelease, Key, Qt::NoModifier);
    QApplication::sendEvent(&Page, &event);
}

std::vector<int32_t> HistoryNumbers(const TfrmPage& Page) {
    std::vector<int32_t> numbers;
    for (const TPageEntry& e : Page.History.Entries())
        numbers.push_back(e.Number);
    return numbers;
}

std::vector<int32_t> MarkNumbers(const TfrmPage& Page) {
    std::vector<int32_t> numbers;
    for (const TPageEntry& e : Page.BookMarks)
        numbers.push_back(e.Number);
    return numbers;
}

QStringList ListTitles(const TfrmBookMarks& Dialog) {
    QStringList titles;
    for (int i = 0; i < Dialog.lbMarksList->count(); ++i)
        titles << Dialog.lbMarksList->item(i)->text();
    return titles;
}

class HistoryMarks : public ::testing::Test {
protected:
    void SetUp() override {
        WriteChainBook(Folder);
        Page = std::make_unique<TfrmPage>(Folder.ExeName());
        Marks = std::make_unique<TfrmBookMarks>(Page.get());
        frmBookMarks = Marks.get();
    }
    void TearDown() override { frmBookMarks = nullptr; }

    int Shown() const { return Page->Page.CurrentNumber(); }
    // Goes forward page by page Count times with the toolbar.
    void Next(int Count) {
        for (int i = 0; i < Count; ++i)
            Page->tbNext->Click();
    }

    TProgramFolder Folder;
    std::unique_ptr<TfrmPage> Page;
    std::unique_ptr<TfrmBookMarks> Marks;
};

TEST_F(HistoryMarks, BackwardMenuOfSevenEntries) {
    TfrmPage& p = *Page;
    Next(6);
    ASSERT_EQ(HistoryNumbers(p), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(p.miNoBackward->isVisible());
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(p.miBackward[i]->isVisible());
        EXPECT_EQ(p.miBackward[i]->text(), QStringLiteral("&%1 s%2").arg(i + 1).arg(6 - i));
    }
    EXPECT_EQ(p.miBackward[0]->statusTip(), QStringLiteral("Перейти к \"s6\""));
    EXPECT_TRUE(p.miBackwardsSeparator->isVisible());
    EXPECT_TRUE(p.miBackwards->isVisible());
    EXPECT_EQ(p.miBackwards->text(), QStringLiteral("Список &переходов"));
    EXPECT_TRUE(p.miNoForward->isVisible());
    EXPECT_FALSE(p.miNoForward->isEnabled());
    for (QAction* item : p.miForward)
        EXPECT_FALSE(item->isVisible());
    EXPECT_FALSE(p.miForwards->isVisible());

    // One step back hides the list again and offers one page ahead.
    ReleaseKey(p, Qt::Key_PageUp);
    EXPECT_EQ(Shown(), 6);
    EXPECT_FALSE(p.miBackwards->isVisible());
    EXPECT_TRUE(p.miForward[0]->isVisible());
    EXPECT_EQ(p.miForward[0]->text(), QStringLiteral("&1 s7"));
    EXPECT_FALSE(p.miForward[1]->isVisible());
    EXPECT_EQ(p.History.Count(), 7);
}

TEST_F(HistoryMarks, MenuItemsStepSeveralEntries) {
    TfrmPage& p = *Page;
    Next(6);
    p.miBackward[3]->trigger(); // four back
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(p.History.Index(), 2);
    p.miForward[1]->trigger(); // two ahead
    EXPECT_EQ(Shown(), 5);
    EXPECT_EQ(p.History.Index(), 4);
    EXPECT_EQ(p.History.Count(), 7);
    // Back two, then a new page: the two entries ahead are gone.
    p.miBackward[1]->trigger();
    p.tbLast->Click();
    EXPECT_EQ(HistoryNumbers(p), (std::vector<int32_t>{1, 2, 3, 12}));
    EXPECT_TRUE(p.miNoForward->isVisible());
}

TEST_F(HistoryMarks, HistoryListFromEitherMenu) {
    TfrmPage& p = *Page;
    Next(7);
    p.miBackward[0]->trigger();
    QStringList titles;
    int selected = -2;
    QString caption;
    TModalAction choose([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmBookMarks*>(modal);
        ASSERT_NE(dialog, nullptr);
        caption = dialog->Caption();
        titles = ListTitles(*dialog);
        selected = dialog->lbMarksList->currentRow();
        dialog->lbMarksList->setCurrentRow(1);
        dialog->bbOk->click();
    });
    p.miForwards->trigger(); // index 6 < 8 - 6: the forward menu's list too
    EXPECT_TRUE(choose.Ran());
    EXPECT_EQ(caption, QStringLiteral("Переходы"));
    EXPECT_EQ(titles.size(), 8);
    EXPECT_EQ(titles.front(), QStringLiteral("s1"));
    EXPECT_EQ(selected, 6);
    EXPECT_EQ(p.History.Index(), 1);
    EXPECT_EQ(Shown(), 2);
    EXPECT_EQ(p.History.Count(), 8);
}

TEST_F(HistoryMarks, ChoosingTheCurrentEntryChangesNothing) {
    TfrmPage& p = *Page;
    Next(6);
    TModalAction confirm([](QWidget* modal) {
        static_cast<TfrmBookMarks*>(modal)->bbOk->click(); // the current entry is selected
    });
    p.miBackwards->trigger();
    EXPECT_TRUE(confirm.Ran());
    EXPECT_EQ(p.History.Index(), 6);
    EXPECT_EQ(p.History.Count(), 7);
    EXPECT_EQ(Shown(), 7);
}

TEST_F(HistoryMarks, OkWithoutASelectionKeepsTheDialogOpen) {
    TfrmPage& p = *Page;
    Next(6);
    bool stillOpen = false;
    TModalAction act([&](QWidget* modal) {
        auto* dialog = static_cast<TfrmBookMarks*>(modal);
        dialog->lbMarksList->clearSelection();
        dialog->bbOk->click();
        stillOpen = dialog->ModalResult() == mrNone && dialog->isVisible();
        // Enter does the same; then Esc leaves everything as it was.
        QTest::keyClick(dialog->lbMarksList, Qt::Key_Return);
        stillOpen = stillOpen && dialog->ModalResult() == mrNone;
        QTest::keyClick(dialog->lbMarksList, Qt::Key_Escape);
    });
    p.SkipKeyUp = false;
    p.miBackwards->trigger();
    EXPECT_TRUE(act.Ran());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(p.History.Index(), 6);
    EXPECT_TRUE(p.SkipKeyUp) << "the key release after the dialog is not the window's";
}

TEST_F(HistoryMarks, SpaceTogglesTheBookmarkAndTheMenuFollows) {
    TfrmPage& p = *Page;
    EXPECT_TRUE(p.miEmpty->isVisible());
    EXPECT_FALSE(p.miEmpty->isEnabled());
    ReleaseKey(p, Qt::Key_Space);
    EXPECT_TRUE(p.tbMark->Down());
    EXPECT_EQ(MarkNumbers(p), std::vector<int32_t>{1});
    EXPECT_FALSE(p.miEmpty->isVisible());
    EXPECT_TRUE(p.miBookMark[0]->isVisible());
    EXPECT_EQ(p.miBookMark[0]->text(), QStringLiteral("&1 s1"));
    EXPECT_EQ(p.miBookMark[0]->statusTip(), QStringLiteral("Перейти к \"s1\""));
    EXPECT_TRUE(p.miBookMark[0]->isChecked());
    Next(1);
    EXPECT_FALSE(p.tbMark->Down());
    EXPECT_FALSE(p.miBookMark[0]->isChecked()) << "not the page shown";
    ReleaseKey(p, Qt::Key_Space);
    EXPECT_EQ(MarkNumbers(p), (std::vector<int32_t>{2, 1}));
    EXPECT_TRUE(p.miBookMark[0]->isChecked());
    ReleaseKey(p, Qt::Key_Space);
    EXPECT_EQ(MarkNumbers(p), std::vector<int32_t>{1});
    EXPECT_FALSE(p.miBookMark[1]->isVisible());
    EXPECT_TRUE(p.miBookMark[1]->text().isEmpty());
}

TEST_F(HistoryMarks, TenBookmarksInTheMenuAndTheList) {
    TfrmPage& p = *Page;
    for (int i = 0; i < 10; ++i) {
        ReleaseKey(p, Qt::Key_Space);
        Next(1);
    }
    // Pages 1..10 marked, page 11 shown.
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_TRUE(p.miBookMark[i]->isVisible());
        EXPECT_EQ(p.miBookMark[i]->text(), QStringLiteral("&%1 s%2").arg(i + 1).arg(10 - i));
    }
    EXPECT_TRUE(p.miBookMarksSeparator->isVisible());
    EXPECT_TRUE(p.miBookMarks->isVisible());
    EXPECT_EQ(p.miBookMarks->text(), QStringLiteral("Список &закладок"));

    QStringList titles;
    int selected = -2;
    QString caption;
    TModalAction choose([&](QWidget* modal) {
        auto* dialog = static_cast<TfrmBookMarks*>(modal);
        caption = dialog->Caption();
        titles = ListTitles(*dialog);
        selected = dialog->lbMarksList->currentRow();
        dialog->lbMarksList->setCurrentRow(9); // page 1
        QTest::keyClick(dialog->lbMarksList, Qt::Key_Return);
    });
    p.tbBookMarks->Click();
    ASSERT_TRUE(choose.Ran());
    EXPECT_EQ(caption, QStringLiteral("Закладки"));
    EXPECT_EQ(titles.size(), 10);
    EXPECT_EQ(titles.front(), QStringLiteral("s10"));
    EXPECT_EQ(selected, 0) << "page 11 has none: the first";
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(MarkNumbers(p).front(), 1);
    EXPECT_EQ(HistoryNumbers(p).back(), 1) << "the jump is recorded";
    EXPECT_FALSE(p.tbBookMarks->Down());
}

TEST_F(HistoryMarks, JumpsMoveTheBookmarkFirst) {
    TfrmPage& p = *Page;
    for (int i = 0; i < 6; ++i) {
        ReleaseKey(p, Qt::Key_Space);
        Next(1);
    }
    ASSERT_EQ(MarkNumbers(p), (std::vector<int32_t>{6, 5, 4, 3, 2, 1}));
    const int entries = p.History.Count();
    p.miBookMark[4]->trigger(); // the fifth: page 2
    EXPECT_EQ(Shown(), 2);
    EXPECT_EQ(MarkNumbers(p), (std::vector<int32_t>{2, 6, 5, 4, 3, 1}));
    EXPECT_EQ(p.miBookMark[0]->text(), QStringLiteral("&1 s2"));
    EXPECT_EQ(p.miBookMark[1]->text(), QStringLiteral("&2 s6"));
    EXPECT_TRUE(p.miBookMark[0]->isChecked());
    EXPECT_TRUE(p.tbMark->Down());
    EXPECT_EQ(p.History.Count(), entries + 1);
    // The bookmark of the page shown only moves first.
    p.miBookMark[0]->trigger();
    p.miBookMark[0]->trigger();
    EXPECT_EQ(p.History.Count(), entries + 1);
    ReleaseKey(p, Qt::Key_Right); // page 3
    p.miBookMark[4]->trigger();   // page 3 again, from its place
    EXPECT_EQ(MarkNumbers(p), (std::vector<int32_t>{3, 2, 6, 5, 4, 1}));
    EXPECT_EQ(p.History.Count(), entries + 2);
    // Removing from the middle through tbMark.
    ReleaseKey(p, Qt::Key_Space);
    EXPECT_EQ(MarkNumbers(p), (std::vector<int32_t>{2, 6, 5, 4, 1}));
}

TEST_F(HistoryMarks, BookmarksButtonWithoutBookmarksOpensNothing) {
    TfrmPage& p = *Page;
    TShowWatcher shown(QStringLiteral("frmBookMarks"));
    p.tbBookMarks->SetDown(true);
    p.tbBookMarks->Click();
    EXPECT_EQ(shown.Shows, 0);
    EXPECT_FALSE(p.tbBookMarks->Down());
}

TEST_F(HistoryMarks, ListDialogLayout) {
    const TfrmBookMarks& d = *Marks;
    EXPECT_EQ(d.size(), QSize(310, 264));
    EXPECT_EQ(d.lbMarksList->geometry(), QRect(8, 8, 293, 213));
    EXPECT_EQ(d.bbOk->geometry(), QRect(140, 232, 75, 25));
    EXPECT_EQ(d.bbCancel->geometry(), QRect(224, 232, 75, 25));
    EXPECT_EQ(d.bbOk->text(), QStringLiteral("O&K"));
    EXPECT_EQ(d.bbCancel->text(), QStringLiteral("&Отмена"));
    // Anchored: the list grows with the window, the buttons keep to the corner.
    Marks->show();
    Marks->SetClientSize(410, 300);
    EXPECT_EQ(d.lbMarksList->geometry(), QRect(8, 8, 393, 249));
    EXPECT_EQ(d.bbCancel->geometry(), QRect(324, 268, 75, 25));
    Marks->hide();
}

TEST_F(HistoryMarks, KeysInAMenuHintAndEscClosesOnlyTheMenu) {
    TfrmPage& p = *Page;
    Next(3);
    QMenu& menu = *p.pmBackwardMenu;
    menu.popup(p.tbBackward->mapToGlobal(QPoint(0, p.tbBackward->height())));
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(p.lblHints->text(), QStringLiteral("Перейти к \"s3\""));
    EXPECT_FALSE(p.SkipKeyUp) << "the key went up in the menu";
    QTest::keyPress(&menu, Qt::Key_Escape);
    EXPECT_FALSE(menu.isVisible());
    ReleaseKey(p, Qt::Key_Escape); // the release reaches the window
    EXPECT_EQ(Shown(), 4) << "no jump to the contents";
    ReleaseKey(p, Qt::Key_Escape);
    EXPECT_EQ(Shown(), 1);
}

TEST_F(HistoryMarks, MenusPaintedInThePagesColours) {
    TfrmPage& p = *Page;
    ReleaseKey(p, Qt::Key_Space);
    const QColor dark(0x10, 0x20, 0x40);
    const QColor light(0xF8, 0xF0, 0x80);
    for (QMenu* menu : {p.pmBookMarksMenu, p.pmBackwardMenu}) {
        menu->ensurePolished();
        menu->adjustSize();
        const QImage image = menu->grab().toImage();
        int page = 0, text = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                page += c == dark;
                text += c == light;
            }
        SCOPED_TRACE(menu->objectName().toStdString());
        EXPECT_GT(page, image.width() * image.height() / 2);
        if (menu == p.pmBookMarksMenu) {
            EXPECT_GT(text, 10) << "the bookmark in the page's text colour";
        }
    }
}

} // namespace
