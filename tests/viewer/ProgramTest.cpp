// The program entry: windows of the run, the message loop and the
// exception box.
#include "viewer/Program.h"
#include "ViewerTestSupport.h"
#include "platform/widgets/Application.h"
#include "viewer/Viewerror.h"
#include "viewer/Viewinfo.h"
#include "viewer/Viewmarks.h"
#include "viewer/Viewpage.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Program, RunsTheLoopWithTheWindowsOfTheRun) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга");
    bool sawWindows = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!frmInfo) return;
        sawWindows = frmPage && frmPage->DataLoaded && frmBookMarks && frmInfo &&
                     frmInfo->isHidden() && frmBookMarks->isHidden();
        Application().Terminate();
    });
    poll.start();
    EXPECT_EQ(RunViewer(folder.ExeName()), 0);
    EXPECT_TRUE(sawWindows);
    EXPECT_EQ(frmPage, nullptr);
    EXPECT_EQ(frmInfo, nullptr);
    EXPECT_EQ(frmBookMarks, nullptr);
}

TEST(Program, FailedLoadEndsWithoutEnteringTheLoop) {
    TProgramFolder folder;
    TModalAction onDialog([](QWidget* modal) {
        ASSERT_NE(qobject_cast<TfrmError*>(modal), nullptr);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(RunViewer(folder.ExeName()), 0); // returns: the loop never ran
    EXPECT_TRUE(onDialog.Ran());
}

TEST(Program, ExceptionDuringStartUpIsShownInTheStandardBox) {
    TProgramFolder folder;
    folder.WriteBook("data/TextBook.plb", "Книга");
    folder.WriteSettings("");
    QString caption, text;
    TModalAction onBox([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(RunViewer(folder.ExeName()), 0);
    EXPECT_TRUE(onBox.Ran());
    EXPECT_EQ(caption, QStringLiteral("Пожалуйста, ждите..."));
    EXPECT_EQ(text, QStringLiteral("List index out of bounds (0)"));
    EXPECT_EQ(frmPage, nullptr);
}

TEST(Program, ExceptionMessageEndsWithAFullStop) {
    EXPECT_EQ(TApplication::ExceptionMessage(std::runtime_error("Cannot open file")),
              "Cannot open file.");
    EXPECT_EQ(TApplication::ExceptionMessage(std::runtime_error("Done.")), "Done.");
    EXPECT_EQ(TApplication::ExceptionMessage(std::runtime_error("Stop!")), "Stop!");
    EXPECT_EQ(TApplication::ExceptionMessage(std::runtime_error("")), "");
}

} // namespace
