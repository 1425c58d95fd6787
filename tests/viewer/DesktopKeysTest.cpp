// The keys and mouse buttons readers know from other programs, added to the
// viewer's own: Alt+Left/Right and the mouse's back and forward buttons for
// the history, Ctrl+Plus/Minus for the zoom.
#include "ViewerTestSupport.h"
#include "data/Writer.h"
#include "platform/base/Cp1251.h"
#include "platform/widgets/BevelPanel.h"
#include "viewer/CommandLine.h"
#include "viewer/KeyMap.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(DesktopKeyMap, AltArrowsStepThroughTheHistory) {
    using enum TKeyCommand;
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Left, Qt::AltModifier), Backward);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Right, Qt::AltModifier), Forward);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Left, Qt::AltModifier | Qt::KeypadModifier), Backward);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Right, Qt::AltModifier | Qt::ControlModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Left, Qt::NoModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_F4, Qt::AltModifier), None);
    // The release-time map is unchanged.
    EXPECT_EQ(KeyCommand(Qt::Key_Left, Qt::AltModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_F4, Qt::AltModifier), Close);
    EXPECT_EQ(KeyCommand(Qt::Key_Left, Qt::ControlModifier), First);
}

TEST(DesktopKeyMap, CtrlWithTheMainKeyboardsPlusAndMinusZooms) {
    using enum TKeyCommand;
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Plus, Qt::ControlModifier), ZoomIn);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier), ZoomIn);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Equal, Qt::ControlModifier), ZoomIn);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Minus, Qt::ControlModifier), ZoomOut);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Minus, Qt::ControlModifier | Qt::ShiftModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Equal, Qt::ControlModifier | Qt::ShiftModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Minus, Qt::NoModifier), None);
    // The numeric pad's keys zoom alone (on release), never with Ctrl.
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier), None);
    EXPECT_EQ(DesktopKeyCommand(Qt::Key_Plus, Qt::KeypadModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_Plus, Qt::KeypadModifier), ZoomIn);
    EXPECT_EQ(KeyCommand(Qt::Key_Minus, Qt::ControlModifier), None);
}

// Three pages in a row, each leading to the next.
void WriteRowBook(const std::string& Path) {
    std::filesystem::create_directories(std::filesystem::path(Path).parent_path());
    TPLBData book(nullptr);
    book.Title = Utf8ToCp1251("Ряд");
    book.Sizeable = true;
    book.StartPage = 1;
    for (int32_t number = 1; number <= 3; ++number) {
        auto page = std::make_unique<TPLBDataItem>();
        page->Number = number;
        page->Title = Utf8ToCp1251("Страница ") + std::to_string(number);
        page->NavPoints[0] = {1, 3, number > 1 ? number - 1 : 0, number < 3 ? number + 1 : 0, 0};
        page->Lines.Add("<p>" + page->Title);
        book.Items.push_back(std::move(page));
    }
    std::string error;
    if (!SaveTextbook(book, Path, error)) throw std::runtime_error(error);
}

void SendKey(QWidget& Target, QEvent::Type Type, int Key, Qt::KeyboardModifiers Modifiers,
             bool AutoRepeat = false) {
    QKeyEvent event(Type, Key, Modifiers, QString(), AutoRepeat);
    QApplication::sendEvent(&Target, &event);
}

void ReleaseKey(TfrmPage& Page, int Key, Qt::KeyboardModifiers Modifiers) {
    SendKey(Page, QEvent::KeyRelease, Key, Modifiers);
}

// A key typed as quickly as a script types it: the modifier may be let go
// before the key's release is read, so the release arrives without it.
void TypeKey(QWidget& Target, int Key, Qt::KeyboardModifiers Modifiers) {
    SendKey(Target, QEvent::KeyPress, Key, Modifiers);
    SendKey(Target, QEvent::KeyRelease, Key, Qt::NoModifier);
}

class DesktopKeys : public ::testing::Test {
protected:
    DesktopKeys() {
        WriteRowBook(Folder.Dir.File("data/TextBook.plb"));
        SetFirstArgument("");
    }
    ~DesktopKeys() override { SetFirstArgument(std::nullopt); }
    TProgramFolder Folder;
};

TEST_F(DesktopKeys, AltArrowsMoveThroughTheHistoryWhenPressed) {
    TfrmPage page(Folder.ExeName());
    ReleaseKey(page, Qt::Key_Right, Qt::NoModifier);
    ReleaseKey(page, Qt::Key_Right, Qt::NoModifier);
    ASSERT_EQ(page.Page.CurrentNumber(), 3);
    SendKey(page, QEvent::KeyPress, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    // Its release, Alt already up, is not also the previous-page key.
    SendKey(page, QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    TypeKey(*page.pnlTextPanel, Qt::Key_Left, Qt::AltModifier); // from a child widget
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    TypeKey(page, Qt::Key_Left, Qt::AltModifier); // the history's start
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    TypeKey(page, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    // Held down, the key repeats the step; only the last release is taken.
    SendKey(page, QEvent::KeyPress, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    SendKey(page, QEvent::KeyRelease, Qt::Key_Right, Qt::AltModifier, true);
    SendKey(page, QEvent::KeyPress, Qt::Key_Left, Qt::AltModifier); // another key: a new press
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    SendKey(page, QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    // The plain keys still act on their release.
    ReleaseKey(page, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
}

TEST_F(DesktopKeys, ReleaseThatWentElsewhereIsNotWaitedFor) {
    TfrmPage page(Folder.ExeName());
    ReleaseKey(page, Qt::Key_Right, Qt::NoModifier);
    ReleaseKey(page, Qt::Key_Right, Qt::NoModifier);
    SendKey(page, QEvent::KeyPress, Qt::Key_Left, Qt::AltModifier);
    ASSERT_EQ(page.Page.CurrentNumber(), 2);
    // The release went to another window; the next Left is an ordinary one.
    TypeKey(page, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
}

TEST_F(DesktopKeys, MouseBackAndForwardButtonsMoveThroughTheHistory) {
    TfrmPage page(Folder.ExeName());
    ReleaseKey(page, Qt::Key_Right, Qt::NoModifier);
    ReleaseKey(page, Qt::Key_Right, Qt::NoModifier);
    ASSERT_EQ(page.Page.CurrentNumber(), 3);
    // Anywhere in the window: over the page and over the toolbar.
    QTest::mouseClick(page.pnlTextPanel, Qt::BackButton);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    QTest::mouseClick(page.tbNavigatorBar, Qt::BackButton);
    EXPECT_EQ(page.Page.CurrentNumber(), 1);
    QTest::mouseClick(page.pnlTextPanel, Qt::ForwardButton);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    // A press alone does nothing; the step comes with the release.
    QTest::mousePress(page.pnlTextPanel, Qt::ForwardButton);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    QTest::mouseRelease(page.pnlTextPanel, Qt::ForwardButton);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
    // Other windows' buttons are theirs.
    QWidget other;
    QTest::mouseClick(&other, Qt::BackButton);
    EXPECT_EQ(page.Page.CurrentNumber(), 3);
}

TEST_F(DesktopKeys, CtrlPlusAndMinusClickTheZoomButtons) {
    TfrmPage page(Folder.ExeName());
    TypeKey(page, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(page.ZoomStep, -1);
    TypeKey(page, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(page.ZoomStep, -2);
    TypeKey(page, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(page.ZoomStep, -1);
    TypeKey(page, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(page.ZoomStep, 0);
    TypeKey(page, Qt::Key_Minus, Qt::NoModifier); // the main keyboard's minus alone
    EXPECT_EQ(page.ZoomStep, 0);
}

} // namespace
