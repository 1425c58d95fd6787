// A textbook that cannot be read: the data error dialog, its layout and the
// ways to end it, after which the program ends.
#include "ViewerTestSupport.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/PanelButton.h"
#include "platform/widgets/WidgetControls.h"
#include "viewer/Viewerror.h"
#include "viewer/Viewpage.h"

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// Starts the viewer on a program folder whose book fails to load, runs
// Action on the dialog and checks what the failed start-up leaves.
void StartFailing(TProgramFolder& Folder, const std::function<void(TfrmError&)>& Action,
                  int ExpectedResult) {
    int result = -1;
    TModalAction onDialog([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmError*>(modal);
        ASSERT_NE(dialog, nullptr);
        Action(*dialog);
        result = dialog->ModalResult();
        if (dialog->Modal() && result == mrNone) dialog->SetModalResult(mrCancel);
    });
    TfrmPage page(Folder.ExeName());
    EXPECT_TRUE(onDialog.Ran());
    EXPECT_EQ(result, ExpectedResult);
    EXPECT_TRUE(page.LoadFailed);
    EXPECT_FALSE(page.DataLoaded);
    EXPECT_EQ(page.Data, nullptr);
    EXPECT_TRUE(Application().Terminated());
    EXPECT_TRUE(page.pnlProgressBox->isHidden());
    EXPECT_TRUE(page.isEnabled());
}

void PressEnter(TfrmError& Dialog) {
    QTest::keyClick(&Dialog, Qt::Key_Return);
}

class ErrorDialog : public ::testing::Test {
protected:
    TProgramFolder Folder;
    std::string Book = Folder.Dir.File("data/TextBook.plb");
};

TEST_F(ErrorDialog, MissingFile) {
    StartFailing(Folder, PressEnter, mrYes);
}

TEST_F(ErrorDialog, TruncatedFile) {
    Folder.WriteBook("data/TextBook.plb", "Книга");
    const std::string bytes = ReadFileBytes(Book);
    WriteFileBytes(Book, bytes.substr(0, bytes.size() - 7));
    StartFailing(Folder, PressEnter, mrYes);
}

TEST_F(ErrorDialog, WrongVersion) {
    Folder.WriteBook("data/TextBook.plb", "Книга");
    std::string bytes = ReadFileBytes(Book);
    const size_t at = bytes.find("v.3.1");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 5, "v.3.2");
    WriteFileBytes(Book, bytes);
    StartFailing(Folder, PressEnter, mrYes);
}

TEST_F(ErrorDialog, SettingsFileNamingAMissingBook) {
    Folder.WriteBook("data/TextBook.plb", "Книга");
    Folder.WriteSettings("data\\Missing.plb\r\n");
    StartFailing(Folder, PressEnter, mrYes);
}

TEST_F(ErrorDialog, LayoutAndTexts) {
    StartFailing(
        Folder,
        [](TfrmError& d) {
            EXPECT_EQ(d.Caption(), QStringLiteral("Ошибка"));
            EXPECT_EQ(d.BorderStyle(), bsDialog);
            EXPECT_FALSE(d.UserResizable());
            EXPECT_EQ(d.font().family(), QStringLiteral("Tahoma"));
            EXPECT_EQ(d.font().pixelSize(), 13);
            // 352 x 91 as designed, wider only when the texts need it.
            EXPECT_GE(d.ClientWidth(), 352);
            EXPECT_EQ(d.ClientHeight(), 91);
            EXPECT_EQ(d.imgError->geometry(), QRect(12, 12, 32, 32));
            EXPECT_FALSE(d.imgError->pixmap().isNull());
            EXPECT_EQ(d.lblError1->text(), QStringLiteral("Ошибка чтения файла данных!"));
            EXPECT_EQ(d.lblError1->pos(), QPoint(100, 12));
            EXPECT_EQ(d.lblError2->text(),
                      QStringLiteral("Продолжение работы программы невозможно."));
            EXPECT_EQ(d.lblError2->pos(), QPoint(60, 28));
            for (QLabel* label : {d.lblError1, d.lblError2}) {
                EXPECT_LE(label->geometry().right(), d.ClientWidth() - 12);
                EXPECT_GE(label->width(), label->sizeHint().width());
            }
            EXPECT_EQ(d.pnlOk->size(), QSize(73, 25));
            EXPECT_EQ(d.pnlOk->y(), 56);
            EXPECT_EQ(d.pnlOk->x(), (d.ClientWidth() - 73) >> 1);
            EXPECT_EQ(d.pnlOk->Caption(), QStringLiteral("OK   "));
            EXPECT_EQ(d.pnlOk->Alignment(), taRightJustify);
            EXPECT_EQ(d.pnlOk->BevelOuter(), bvRaised);
            EXPECT_EQ(d.imgOk->geometry(), QRect(12, 3, 19, 19));

            // Centred over the main window.
            const TRect window = WidgetBounds(*d.Owner());
            const TRect dialog = WidgetBounds(d);
            EXPECT_EQ(dialog.Left, window.Left + ((window.Width() - dialog.Width()) >> 1));
            EXPECT_EQ(dialog.Top, window.Top + ((window.Height() - dialog.Height()) >> 1));
            QTest::keyClick(&d, Qt::Key_Escape);
        },
        mrNo);
}

TEST_F(ErrorDialog, EnterEndsWithYesAndSkipsTheNextKeyRelease) {
    bool skip = false;
    StartFailing(
        Folder,
        [&](TfrmError& d) {
            QTest::keyClick(&d, Qt::Key_Enter); // the numeric pad's Enter too
            skip = static_cast<TfrmPage*>(d.Owner())->SkipKeyUp;
        },
        mrYes);
    EXPECT_TRUE(skip);
}

TEST_F(ErrorDialog, EscEndsWithNo) {
    StartFailing(
        Folder, [](TfrmError& d) { QTest::keyClick(&d, Qt::Key_Escape); }, mrNo);
}

TEST_F(ErrorDialog, OtherKeysDoNotEndIt) {
    StartFailing(
        Folder,
        [](TfrmError& d) {
            QTest::keyClick(&d, Qt::Key_A);
            QTest::keyClick(&d, Qt::Key_Space);
            EXPECT_EQ(d.ModalResult(), mrNone);
            QTest::keyClick(&d, Qt::Key_Escape);
        },
        mrNo);
}

TEST_F(ErrorDialog, PanelLooksPressedWhileHeldAndAnswersOnRelease) {
    StartFailing(
        Folder,
        [](TfrmError& d) {
            QTest::mousePress(d.pnlOk, Qt::LeftButton, {}, QPoint(40, 12));
            EXPECT_EQ(d.pnlOk->BevelOuter(), bvLowered);
            EXPECT_EQ(d.ModalResult(), mrNone);
            QTest::mouseRelease(d.pnlOk, Qt::LeftButton, {}, QPoint(40, 12));
            EXPECT_EQ(d.pnlOk->BevelOuter(), bvRaised);
        },
        mrNo);
}

TEST_F(ErrorDialog, PressOnThePictureAndReleaseOutsideStillAnswers) {
    StartFailing(
        Folder,
        [](TfrmError& d) {
            // Through the window, as a real pointer: the press lands on the
            // picture's place and the release far outside the panel.
            QWindow* window = d.windowHandle();
            ASSERT_NE(window, nullptr);
            const QPoint onPicture = d.imgOk->mapTo(&d, QPoint(9, 9));
            QTest::mousePress(window, Qt::LeftButton, {}, onPicture);
            EXPECT_EQ(d.pnlOk->BevelOuter(), bvLowered);
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(2, 2));
        },
        mrNo);
}

TEST_F(ErrorDialog, ClosingThroughTheTitleBarStillEndsTheProgram) {
    StartFailing(
        Folder, [](TfrmError& d) { d.close(); }, mrCancel);
}

} // namespace
