// The sample book's page library on its own page in the main window: while
// page 47 is shown its parameter text stands in the status line, and leaving
// the page gives the status line back.
#include "SampleBook.h"
#include "platform/base/FileNames.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

const QString kLibraryText =
    QStringLiteral("Библиотека PageNote: эту строку поставила библиотека страницы 4.8");

bool SampleLibraryBuilt() {
    return !SampleBookPath().empty() &&
           FileExists(ExtractFilePath(SampleBookPath()) + "PageNote.so");
}

TEST(SampleLibrary, ItsPageShowsTheParameterTextUntilThePageIsLeft) {
    if (!SampleLibraryBuilt()) GTEST_SKIP() << "the sample book is not built";
    TSampleBookWindow window(46);
    TfrmPage& page = window.Page();
    const QString before = page.lblHints->text();
    EXPECT_FALSE(page.PageLibrary.Loaded());

    QKeyEvent right(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier); // 46 leads to 47
    QApplication::sendEvent(&page, &right);
    ASSERT_EQ(page.Page.CurrentItem->Number, 47);
    EXPECT_TRUE(page.PageLibrary.Loaded());
    EXPECT_EQ(page.lblHints->text(), kLibraryText);
    EXPECT_GE(page.lblHints->width(), page.lblHints->sizeHint().width()) << "text cut off";
    EXPECT_FALSE(page.tbNext->isEnabled()) << "47 ends the chapter";

    page.ShowPage(2);
    EXPECT_FALSE(page.PageLibrary.Loaded());
    EXPECT_EQ(page.lblHints->text(), before);

    page.ShowPage(47); // loaded afresh
    EXPECT_EQ(page.lblHints->text(), kLibraryText);
}

} // namespace
