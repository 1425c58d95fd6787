// The main window's page display: the first page, the page buttons with their
// enabled states, the history they record, links with their reactions and
// the key map, on a small textbook of four pages.
#include "ViewerTestSupport.h"
#include "data/Writer.h"
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "viewer/CommandLine.h"
#include "viewer/Shell.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TPLBNavPoints Nav(int32_t First, int32_t Last, int32_t Prev, int32_t Next, int32_t Contents) {
    return {First, Last, Prev, Next, Contents};
}

void AddPage(TPLBData& Book, int32_t Number, const char* Title, const TPLBNavPoints& Nav0,
             std::vector<TPLBReaction> Reactions = {}) {
    auto page = std::make_unique<TPLBDataItem>();
    page->Number = Number;
    page->Title = Utf8ToCp1251(Title);
    page->ShortTitle = page->Title;
    page->CaptionPrefix[0] = Utf8ToCp1251("Глава: ");
    page->CaptionPrefix[1] = Utf8ToCp1251("Обзор: ");
    page->NavPoints[0] = Nav0;
    page->NavPoints[1] = Nav(0, 0, 0, 0, 1);
    page->Color = static_cast<TColor>(0x00E0F0F0 + Number); // red in the low byte
    page->FontColor = static_cast<TColor>(0x000080);
    page->Lines.Add("<p>" + page->Title);
    for (const TPLBReaction& r : Reactions)
        page->Reactions.push_back(std::make_unique<TPLBReaction>(r));
    Book.Items.push_back(std::move(page));
}

TPLBReaction Reaction(int32_t Link, int32_t Target, TPLBNavStart NavStart = 2,
                      const char* Shell = "") {
    TPLBReaction r;
    r.LinkNumber = Link;
    r.Target = Target;
    r.NavStart = NavStart;
    r.ShellFile = Shell;
    return r;
}

// Contents (1), a section of pages 2 and 3, and page 12 beyond it.
void WriteSectionBook(TProgramFolder& Folder, int32_t StartPage = 2, bool Empty = false) {
    TPLBData book(nullptr);
    book.Title = Utf8ToCp1251("Учебник");
    book.Sizeable = true;
    book.StartPage = StartPage;
    if (!Empty) {
        AddPage(book, 1, "Содержание", Nav(0, 0, 0, 2, 0),
                {Reaction(1, 3), Reaction(2, 0, 2, "notes\\readme.txt"), Reaction(3, 2, 1),
                 Reaction(4, 1), Reaction(4, 3)});
        AddPage(book, 2, "Начало", Nav(2, 3, 1, 3, 1));
        AddPage(book, 3, "Конец", Nav(2, 3, 2, 12, 1));
        AddPage(book, 12, "Дальше", Nav(0, 0, 3, 0, 1));
    }
    std::string error;
    if (!SaveTextbook(book, Folder.Dir.File("data/TextBook.plb"), error))
        throw std::runtime_error(error);
}

std::vector<int32_t> HistoryNumbers(const TfrmPage& Page) {
    std::vector<int32_t> numbers;
    for (const TPageEntry& e : Page.History.Entries())
        numbers.push_back(e.Number);
    return numbers;
}

struct TArgument {
    explicit TArgument(const std::string& Value) { SetFirstArgument(Value); }
    ~TArgument() { SetFirstArgument(std::nullopt); }
};

void ReleaseKey(TfrmPage& Page, int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyRelease, Key, Modifiers);
    QApplication::sendEvent(&Page, &event);
}

class Navigation : public ::testing::Test {
protected:
    Navigation() { std::filesystem::create_directories(Folder.Dir.File("data")); }
    TProgramFolder Folder;
};

TEST_F(Navigation, OpensTheStartPageAndRecordsIt) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    ASSERT_NE(page.PageView, nullptr);
    ASSERT_NE(page.Page.CurrentItem, nullptr);
    EXPECT_EQ(page.Page.CurrentItem->Number, 2);
    EXPECT_EQ(page.Caption(), QStringLiteral("Глава: Начало"));
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{2}));
    EXPECT_EQ(page.PageView->Lines().Text(), page.Page.CurrentItem->Lines.Text());
    EXPECT_TRUE(page.PageView->Stretch());
    EXPECT_TRUE(page.tbFirst->isEnabled());
    EXPECT_TRUE(page.tbPrev->isEnabled());
    EXPECT_TRUE(page.tbNext->isEnabled());
    EXPECT_TRUE(page.tbLast->isEnabled());
    EXPECT_TRUE(page.tbContents->isEnabled());
    EXPECT_TRUE(page.tbZoomIn->isEnabled());
    // The page's colour behind the text, the bars in the button face, the
    // page's colour for the status line's text.
    EXPECT_EQ(page.palette().color(QPalette::Window), QColor(0xF2, 0xF0, 0xE0));
    EXPECT_EQ(
        page.findChild<QWidget*>(QStringLiteral("pnlStatusBar"))->palette().color(QPalette::Window),
        QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(page.lblHints->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    page.tbNext->Click();
    EXPECT_EQ(page.palette().color(QPalette::Window), QColor(0xF3, 0xF0, 0xE0));
    page.tbPrev->Click();
    // The data file's folder is current: relative names in the book start there.
    EXPECT_TRUE(std::filesystem::equivalent(GetCurrentDir(), ExtractFilePath(page.DataFile)));
}

TEST_F(Navigation, ButtonsPageThroughTheSectionAndTheHistory) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    page.tbNext->Click();
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    page.tbNext->Click(); // Last is set, so Next may leave the section
    EXPECT_EQ(page.Page.CurrentNumber(), 12);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{2, 3, 12}));

    // Page 12 has no First target: Prev only across sections.
    EXPECT_FALSE(page.tbFirst->isEnabled());
    EXPECT_FALSE(page.tbPrev->isEnabled());
    EXPECT_FALSE(page.tbNext->isEnabled());
    page.tbAcross->SetDown(true);
    page.tbAcross->Click();
    EXPECT_TRUE(page.tbPrev->isEnabled());

    page.tbBackward->Click();
    page.tbBackward->Click();
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    EXPECT_EQ(page.History.Index(), 0);
    page.tbForward->Click();
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{2, 3, 12})); // steps record nothing

    page.tbContents->Click(); // a new page drops what lay ahead
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{2, 3, 1}));
    EXPECT_FALSE(page.tbContents->isEnabled());
}

TEST_F(Navigation, CommandLineChoosesTheFirstPage) {
    WriteSectionBook(Folder);
    {
        TArgument argument("12abc");
        TfrmPage page(Folder.ExeName());
        EXPECT_EQ(page.Page.CurrentNumber(), 12);
        EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{12}));
    }
    for (const char* fallback : {"abc", "77", "0"}) {
        TArgument argument(fallback);
        TfrmPage page(Folder.ExeName());
        EXPECT_EQ(page.Page.CurrentNumber(), 2) << fallback;
    }
}

TEST_F(Navigation, StartPageThatNamesNoItemLeadsToTheFirstItem) {
    WriteSectionBook(Folder, 99);
    TArgument argument("55");
    TfrmPage page(Folder.ExeName());
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{1}));
}

TEST_F(Navigation, TextbookWithoutItemsShowsNothingAndDisablesThePageButtons) {
    WriteSectionBook(Folder, 1, true);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    ASSERT_TRUE(page.DataLoaded);
    ASSERT_NE(page.PageView, nullptr);
    EXPECT_EQ(page.Page.CurrentItem, nullptr);
    EXPECT_TRUE(page.History.Entries().empty());
    EXPECT_EQ(page.History.Index(), -1);
    for (TToolButton* b : {page.tbFirst, page.tbPrev, page.tbNext, page.tbLast, page.tbContents})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    page.tbMark->SetDown(true);
    page.tbMark->Click(); // nothing to mark
    EXPECT_TRUE(page.BookMarks.empty());
    ReleaseKey(page, Qt::Key_Right);
    EXPECT_EQ(page.Page.CurrentItem, nullptr);
}

class Links : public Navigation {
protected:
    Links() {
        SetShellHandler([this](const AnsiString& File) { Opened.push_back(File); });
        WriteSectionBook(Folder);
    }
    ~Links() override { SetShellHandler(nullptr); }
    std::vector<AnsiString> Opened;
    TArgument Argument{"1"};
};

TEST_F(Links, ReactionJumpsAndRecords) {
    TfrmPage page(Folder.ExeName());
    page.LinkClick(1);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{1, 3}));
    EXPECT_TRUE(Opened.empty());
}

TEST_F(Links, LinkToTheShownPageRecordsItOnceMore) {
    TfrmPage page(Folder.ExeName());
    page.LinkClick(4); // the first reaction of link 4 wins
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{1, 1}));
}

TEST_F(Links, ShellFileOnlyOpensTheFileAndUnknownLinksDoNothing) {
    TfrmPage page(Folder.ExeName());
    page.LinkClick(2);
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], "notes\\readme.txt");
    page.LinkClick(99);
    page.LinkClick(0);
    EXPECT_EQ(Opened.size(), 1u);
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    EXPECT_EQ(HistoryNumbers(page), (std::vector<int32_t>{1}));
}

TEST_F(Links, NavStartOfAReactionChoosesTheSecondSet) {
    TfrmPage page(Folder.ExeName());
    page.LinkClick(3);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    EXPECT_EQ(page.Caption(), QStringLiteral("Обзор: Начало"));
    EXPECT_FALSE(page.tbFirst->isEnabled());
    EXPECT_FALSE(page.tbNext->isEnabled());
    EXPECT_TRUE(page.tbContents->isEnabled());
}

TEST_F(Navigation, KeysClickEnabledButtonsOnRelease) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    ReleaseKey(page, Qt::Key_Right);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    ReleaseKey(page, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier); // no such row
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    ReleaseKey(page, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    ReleaseKey(page, Qt::Key_PageUp);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);

    page.SkipKeyUp = true; // a dialog took the key: ignored once
    ReleaseKey(page, Qt::Key_Escape);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    EXPECT_FALSE(page.SkipKeyUp);
    ReleaseKey(page, Qt::Key_Escape);
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    ReleaseKey(page, Qt::Key_Escape); // Contents disabled on the contents page
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
}

TEST_F(Navigation, SpaceTogglesTheBookmarkOfThePage) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    ReleaseKey(page, Qt::Key_Space);
    EXPECT_TRUE(page.tbMark->Down());
    ASSERT_EQ(page.BookMarks.size(), 1u);
    EXPECT_EQ(page.BookMarks[0].Number, 2);
    ReleaseKey(page, Qt::Key_Right);
    EXPECT_FALSE(page.tbMark->Down());
    ReleaseKey(page, Qt::Key_Space);
    EXPECT_EQ(page.BookMarks.front().Number, 3); // newest first
    ReleaseKey(page, Qt::Key_Left);
    EXPECT_TRUE(page.tbMark->Down());
    ReleaseKey(page, Qt::Key_Space);
    EXPECT_EQ(page.BookMarks.size(), 1u);
    EXPECT_FALSE(page.tbMark->Down());
}

} // namespace

namespace {

TEST_F(Navigation, ZoomStepsScaleTheViewAndReturnToTheRealSize) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    const THyperControl& view = *page.PageView;
    const QSize real(view.RealWidth(), view.RealHeight());
    ASSERT_EQ(real, QSize(762, 463));
    const QSize client = page.size();

    page.tbZoomOut->Click();
    EXPECT_EQ(page.ZoomStep, -1);
    // 16/17 of the real size; the view keeps the page's proportions.
    EXPECT_EQ(page.PageView->Height(), 16 * 463 / 17);
    EXPECT_NEAR(page.PageView->Width(), 16 * 762 / 17, 2);
    EXPECT_EQ(page.size(), QSize(16 * 762 / 17 + 10, client.height() - 463 + 16 * 463 / 17));
    // The layout stays at the real size; only the rendering scales.
    EXPECT_EQ(QSize(view.RealWidth(), view.RealHeight()), real);

    page.tbZoomIn->Click();
    EXPECT_EQ(page.ZoomStep, 0);
    EXPECT_EQ(QSize(page.PageView->Width(), page.PageView->Height()), real);
    EXPECT_EQ(page.size(), client);

    // A window that would no longer fit the screen does not grow.
    const QRect screen = page.screen()->geometry();
    const int grown = 18 * 762 / 17 + 10 + page.frameGeometry().width() - page.width();
    if (grown >= screen.width()) {
        page.tbZoomIn->Click();
        EXPECT_EQ(page.ZoomStep, 0);
        EXPECT_EQ(page.size(), client);
    }
    // Shrinking below the window's minimum of 320 by 200 stops.
    for (int i = 0; i < 20; ++i)
        page.tbZoomOut->Click();
    EXPECT_GE(page.width(), 320);
    EXPECT_GE(page.height(), 200);
    EXPECT_GT(page.ZoomStep, -17);
}

TEST_F(Navigation, FixedBookCannotZoom) {
    TPLBData book(nullptr);
    book.Sizeable = false;
    book.StartPage = 1;
    AddPage(book, 1, "Страница", Nav(0, 0, 0, 0, 0));
    std::string error;
    ASSERT_TRUE(SaveTextbook(book, Folder.Dir.File("data/TextBook.plb"), error)) << error;
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    EXPECT_FALSE(page.tbZoomIn->isEnabled());
    EXPECT_FALSE(page.tbZoomOut->isEnabled());
    ReleaseKey(page, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(page.ZoomStep, 0);
}

} // namespace

namespace {

TEST_F(Navigation, ButtonSizeTwiceRestoresBarsFontsAndWindow) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    auto* navigator = page.findChild<QWidget*>(QStringLiteral("pnlNavigatorBar"));
    auto* status = page.findChild<QWidget*>(QStringLiteral("pnlStatusBar"));
    const QSize window = page.size();
    const int navigatorHeight = navigator->height();
    const int statusHeight = status->height();
    const int font = page.font().pixelSize();
    const int label = page.lblHints->font().pixelSize();

    page.tbButtonSize->SetDown(true);
    page.tbButtonSize->Click();
    EXPECT_EQ(page.tbNavigatorBar->ButtonHeight(), 29);
    EXPECT_EQ(page.tbNavigatorBar->ButtonWidth(), 29);
    EXPECT_EQ(navigator->height(), navigatorHeight + 8);
    EXPECT_EQ(page.font().pixelSize(), font + 2); // 10 pt against 8 pt
    const int f = page.font().pixelSize() - font;
    EXPECT_EQ(status->height(), statusHeight + f);
    EXPECT_EQ(page.height(), window.height() + f + 8);
    EXPECT_EQ(page.tbNavigatorBar->y(), 4);
    // The page view keeps its size.
    EXPECT_EQ(page.PageView->Height(), 463);

    page.tbButtonSize->SetDown(false);
    page.tbButtonSize->Click();
    EXPECT_EQ(page.size(), window);
    EXPECT_EQ(navigator->height(), navigatorHeight);
    EXPECT_EQ(status->height(), statusHeight);
    EXPECT_EQ(page.font().pixelSize(), font);
    EXPECT_EQ(page.lblHints->font().pixelSize(), label);
    // Small buttons now measure their pictures and 5 more.
    EXPECT_EQ(page.tbNavigatorBar->ButtonHeight(), 21);
    EXPECT_EQ(page.tbNavigatorBar->ButtonWidth(), 21);
}

} // namespace

namespace {

TEST_F(Navigation, PointerOnThePageReleasesTheDropDownButtons) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    for (TToolButton* b : {page.tbBackward, page.tbForward, page.tbBookMarks})
        b->SetDown(true);
    page.tbAcross->SetDown(true);
    ASSERT_TRUE(page.PageView->OnMouseMove);
    page.PageView->OnMouseMove(page.PageView.get(), {}, 10, 10);
    for (TToolButton* b : {page.tbBackward, page.tbForward, page.tbBookMarks})
        EXPECT_FALSE(b->Down()) << b->objectName().toStdString();
    EXPECT_TRUE(page.tbAcross->Down());
}

} // namespace

namespace {

TEST_F(Navigation, StatusLineShowsTheLongHintOfTheButtonUnderThePointer) {
    WriteSectionBook(Folder);
    TArgument none("");
    TfrmPage page(Folder.ExeName());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(page.tbNext, &enter);
    EXPECT_EQ(page.lblHints->text(), QStringLiteral("Перейти к следующей странице (Right)"));
    QApplication::sendEvent(page.tbAcross, &enter); // a hint without a long part
    EXPECT_EQ(page.lblHints->text(), QStringLiteral("Сквозное пролистывание"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page.tbAcross, &leave);
    EXPECT_EQ(page.lblHints->text(), QString());
}

} // namespace
