// A textbook named on the command line (--book) stands in for the one the
// settings file names; the page argument still picks its first page, and a
// book that cannot be read ends in the data error dialog.
#include "ViewerTestSupport.h"
#include "platform/base/Cp1251.h"
#include "platform/widgets/Application.h"
#include "viewer/CommandLine.h"
#include "viewer/Viewerror.h"
#include "viewer/Viewpage.h"

#include <gtest/gtest.h>

namespace {

class BookArgument : public ::testing::Test {
protected:
    BookArgument() {
        Folder.WriteBook("data/TextBook.plb", "По умолчанию");
        Folder.WriteSettings("data\\TextBook.plb\r\n");
        SetFirstArgument("");
    }
    ~BookArgument() override {
        SetBookArgument(std::nullopt);
        SetFirstArgument(std::nullopt);
    }
    TProgramFolder Folder;
    TTempDir Elsewhere;
};

TEST_F(BookArgument, OpensTheNamedBookInsteadOfTheSettingsFilesOne) {
    const std::string book = Folder.WriteBook("elsewhere/Книга.plb", "Другая");
    SetBookArgument(book);
    TfrmPage page(Folder.ExeName());
    ASSERT_TRUE(page.DataLoaded);
    EXPECT_EQ(page.DataFile, book);
    EXPECT_EQ(Cp1251ToUtf8(page.Data->Title), "Другая");
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
}

TEST_F(BookArgument, WithoutOneTheSettingsFileDecides) {
    SetBookArgument("");
    TfrmPage page(Folder.ExeName());
    ASSERT_TRUE(page.DataLoaded);
    EXPECT_EQ(Cp1251ToUtf8(page.Data->Title), "По умолчанию");
}

TEST_F(BookArgument, UnreadableBookShowsTheDataErrorDialog) {
    const std::string missing = Elsewhere.File("missing.plb");
    SetBookArgument(missing);
    bool errorShown = false;
    TModalAction onDialog([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmError*>(modal);
        errorShown = dialog != nullptr;
        if (dialog) dialog->SetModalResult(mrYes);
    });
    TfrmPage page(Folder.ExeName());
    EXPECT_TRUE(errorShown);
    EXPECT_TRUE(page.LoadFailed);
    EXPECT_EQ(page.DataFile, missing);
    EXPECT_TRUE(Application().Terminated());
}

} // namespace
