// Start-up of the main window: settings file, data path, the load with its
// progress box, and the frame the textbook asks for.
#include "ViewerTestSupport.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/Gauge.h"
#include "viewer/Settings.h"
#include "viewer/Viewpage.h"

#include <QLabel>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

std::string Canonical(const std::string& Path) {
    return std::filesystem::weakly_canonical(Path).string();
}

TEST(Settings, FileIsNamedAfterTheProgram) {
    EXPECT_EQ(SettingsFileName("/opt/books/plbviewer"), "/opt/books/plbviewer.ini");
    EXPECT_EQ(SettingsFileName("/opt/books/viewer.exe"), "/opt/books/viewer.ini");
    EXPECT_EQ(SettingsFileName("/opt/my.books/plbviewer"), "/opt/my.books/plbviewer.ini");
}

TEST(Settings, DefaultDataFileIsUnderTheProgramFolder) {
    TProgramFolder folder;
    const std::string book = folder.WriteBook("data/TextBook.plb", "Книга");
    EXPECT_EQ(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()), book);
}

TEST(Settings, FirstLineNamesTheBookAsAWindowsName) {
    TProgramFolder folder;
    const std::string book = folder.WriteBook("Books/Physics/Book.plb", "Физика");
    folder.WriteSettings("books\\PHYSICS\\book.PLB\r\nignored\\other.plb\r\n");
    EXPECT_EQ(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()), book);

    folder.WriteSettings(book + "\n"); // absolute
    EXPECT_EQ(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()), book);

    const std::string cyrillic = folder.WriteBook("Учебники/Книга.plb", "Книга");
    folder.WriteSettings(Utf8ToCp1251("учебники\\книга.plb") + "\r\n"); // code page 1251
    EXPECT_EQ(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()), cyrillic);
    folder.WriteSettings("Учебники/Книга.plb\n"); // UTF-8, as typed here
    EXPECT_EQ(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()), cyrillic);
}

TEST(Settings, UnresolvedNameStaysAPathForTheLoadToFailOn) {
    TProgramFolder folder;
    folder.WriteSettings("data\\Missing.plb\r\n");
    EXPECT_EQ(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()),
              folder.Dir.Path() + "/data/Missing.plb");
}

TEST(Settings, FileWithoutLinesGivesTheListIndexError) {
    TProgramFolder folder;
    folder.WriteSettings("");
    EXPECT_THROW(DataFileName(folder.Dir.Path() + "/", folder.SettingsFile()), std::out_of_range);
}

TEST(Startup, LoadsTheDefaultBookWithTheProgressBox) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Учебник физики", true);
    TShowWatcher box(QStringLiteral("pnlProgressBox"));
    TfrmPage page(folder.ExeName());

    EXPECT_TRUE(page.DataLoaded);
    EXPECT_FALSE(page.LoadFailed);
    ASSERT_NE(page.Data, nullptr);
    EXPECT_EQ(page.Data->Title, Utf8ToCp1251("Учебник физики"));
    EXPECT_EQ(Application().Title(), Utf8ToCp1251("Учебник физики"));
    EXPECT_FALSE(Application().Terminated());
    // The first page's caption: its prefix (none here) and title.
    EXPECT_EQ(page.Caption(), QStringLiteral("Учебник физики"));

    // The box was shown centred in the window, over a disabled window, and
    // the gauge ran to its end.
    EXPECT_GE(box.Shows, 1);
    EXPECT_FALSE(box.WindowEnabled);
    EXPECT_EQ(box.Geometry.size(), QSize(320, 80));
    EXPECT_EQ(box.Geometry.x(), (box.ParentSize.width() - 320) >> 1);
    EXPECT_EQ(box.Geometry.y(), (box.ParentSize.height() - 80) >> 1);
    EXPECT_EQ(page.lblWait->text(),
              QStringLiteral("Пожалуйста, подождите, идет загрузка ресурсов..."));
    EXPECT_GT(page.cgGauge->MaxValue(), 0);
    EXPECT_EQ(page.cgGauge->Progress(), page.cgGauge->MaxValue());

    // Afterwards the box is gone and the window usable.
    EXPECT_TRUE(page.pnlProgressBox->isHidden());
    EXPECT_TRUE(page.isEnabled());
    EXPECT_TRUE(page.isVisible());
    EXPECT_EQ(page.mpMediaPlayer->geometry(), QRect(516, -30, 253, 30));
    // The page display works from the data file's folder.
    EXPECT_EQ(Canonical(GetCurrentDir()), Canonical(folder.Dir.File("data")));
}

TEST(Startup, RunsOnlyOnce) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга");
    TfrmPage page(folder.ExeName());
    TShowWatcher box(QStringLiteral("pnlProgressBox"));
    page.StartViewer();
    EXPECT_EQ(box.Shows, 0);
    EXPECT_EQ(page.mpMediaPlayer->y(), -30);
}

TEST(Startup, FindsTheBookFromAnyStartingFolder) {
    TProgramFolder folder;
    const std::string book = folder.WriteBook("data/TextBook.plb", "Книга");
    TTempDir elsewhere;
    SetCurrentDir(elsewhere.Path());
    TfrmPage page(folder.ExeName());
    EXPECT_TRUE(page.DataLoaded);
    EXPECT_EQ(page.DataFile, book);
}

TEST(Startup, SettingsFileNamesAnotherBookRelativeToTheProgram) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга по умолчанию");
    folder.WriteBook("other/Second.plb", "Другая книга");
    folder.WriteSettings("Other\\second.plb\r\n");
    TTempDir elsewhere;
    SetCurrentDir(elsewhere.Path());
    TfrmPage page(folder.ExeName());
    ASSERT_TRUE(page.DataLoaded);
    EXPECT_EQ(page.Data->Title, Utf8ToCp1251("Другая книга"));
}

TEST(Startup, SettingsFileWithoutLinesEscapesTheStartUp) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга");
    folder.WriteSettings("");
    EXPECT_THROW(TfrmPage page(folder.ExeName()), std::out_of_range);
}

TEST(Startup, SizeableBookGetsASizeableFrame) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга", true);
    TfrmPage page(folder.ExeName());
    EXPECT_EQ(page.BorderStyle(), bsSizeable);
    EXPECT_TRUE(page.UserResizable());
    EXPECT_TRUE(page.UserMaximizable());
    EXPECT_TRUE(page.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(page.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(page.size(), QSize(772, 523));
    EXPECT_LE(page.minimumWidth(), 320);
    EXPECT_LE(page.minimumHeight(), 200);
    // Resizable, the window then snaps to the page's proportions.
    page.resize(900, 600);
    EXPECT_EQ(page.height(), 600);
    EXPECT_NEAR(page.width(), 900, 4);
    page.resize(100, 100);
    EXPECT_GE(page.width(), 320 - (page.frameGeometry().width() - page.width()));
}

TEST(Startup, FixedBookCannotBeResizedOrMaximised) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга", false);
    TfrmPage page(folder.ExeName());
    EXPECT_EQ(page.BorderStyle(), bsSingle);
    EXPECT_FALSE(page.UserResizable());
    EXPECT_FALSE(page.UserMaximizable());
    EXPECT_FALSE(page.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(page.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(page.minimumSize(), QSize(772, 523));
    EXPECT_EQ(page.maximumSize(), QSize(772, 523));
    EXPECT_TRUE(page.isVisible());
}

} // namespace
