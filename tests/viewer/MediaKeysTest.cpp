// The clip keys on the sample book's sound page, with the real clip played
// headless: Ctrl+Space pauses and resumes, Ctrl+PgUp and Ctrl+PgDn step by a
// tenth of the clip within 0 .. length - 1, and the same keys with other
// modifiers leave the clip alone.
#include "SampleBook.h"
#include "hypertext/HyperText.h"
#include "platform/media/MediaPlayer.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kSoundPage = 46;
constexpr int kTolerance = 40; // milliseconds a seek may land off its mark

class MediaKeys : public ::testing::Test {
protected:
    void SetUp() override {
        if (SampleBookPath().empty()) GTEST_SKIP() << "the sample book is not built";
        Window = std::make_unique<TSampleBookWindow>(kSoundPage);
        View = Window->Page().PageView.get();
        ASSERT_NE(View, nullptr);
        Player = View->MediaPlayer();
        ASSERT_NE(Player, nullptr);
        ASSERT_TRUE(WaitUntil([&] {
            return View->CurrentMediaItem() >= 0 && Player->IsOpen() && Player->Length() > 0;
        })) << "the sound page's clip did not open";
        // Halt the clip at a known place; the keys' work is then all that moves it.
        Player->Pause();
        ASSERT_TRUE(WaitUntil([&] { return Player->Mode() == mpPaused; }));
        Length = Player->Length();
        ASSERT_GT(Length, 500);
    }

    void Release(int Key, Qt::KeyboardModifiers Modifiers) {
        QKeyEvent event(QEvent::KeyRelease, Key, Modifiers);
        QApplication::sendEvent(&Window->Page(), &event);
    }
    void SeekAndWait(int Position) {
        Player->Seek(Position);
        ASSERT_TRUE(WaitUntil([&] {
            return std::abs(Player->Position() - Position) <= kTolerance;
        })) << Player->Position();
    }
    bool SettlesAt(int Position) {
        return WaitUntil([&] { return std::abs(Player->Position() - Position) <= kTolerance; });
    }

    std::unique_ptr<TSampleBookWindow> Window;
    THyperText* View = nullptr;
    TMediaPlayer* Player = nullptr;
    int Length = 0;
};

TEST_F(MediaKeys, CtrlSpacePlaysAndPauses) {
    Release(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return Player->Mode() == mpPlaying; }));
    const int before = Player->Position();
    EXPECT_TRUE(WaitUntil([&] { return Player->Position() > before; })) << "not playing";
    Release(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return Player->Mode() == mpPaused; }));
    EXPECT_EQ(Window->Page().BookMarks.size(), 0u) << "Ctrl+Space is not the bookmark key";
}

TEST_F(MediaKeys, CtrlPageKeysStepByATenthWithinTheClip) {
    const int step = Length / 10;
    SeekAndWait(2 * step + 50);
    Release(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_TRUE(SettlesAt(3 * step + 50)) << Player->Position();
    Release(Qt::Key_PageUp, Qt::ControlModifier);
    Release(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_TRUE(SettlesAt(step + 50)) << Player->Position();

    SeekAndWait(step / 2); // less than a step from the start: stops at 0
    Release(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_TRUE(SettlesAt(0)) << Player->Position();
    Release(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_TRUE(SettlesAt(0)) << Player->Position();

    SeekAndWait(Length - step / 2); // less than a step from the end: stops before it
    Release(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_TRUE(SettlesAt(Length - 1)) << Player->Position();
    EXPECT_LT(Player->Position(), Length);
    EXPECT_EQ(Player->Mode(), mpPaused);
    EXPECT_EQ(Window->Page().Page.CurrentItem->Number, kSoundPage) << "no history step";
}

TEST_F(MediaKeys, OtherModifiersLeaveTheClipAlone) {
    const int place = Length / 2;
    SeekAndWait(place);
    auto moved = [&] {
        return Player->Mode() != mpPaused || std::abs(Player->Position() - place) > kTolerance;
    };
    for (Qt::KeyboardModifiers modifiers :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier,
          Qt::KeyboardModifiers(Qt::ShiftModifier)})
        for (int key : {Qt::Key_Space, Qt::Key_PageUp, Qt::Key_PageDown}) {
            Release(key, modifiers);
            EXPECT_FALSE(WaitUntil(moved, 100))
                << "key " << key << " modifiers " << modifiers.toInt() << ": mode "
                << Player->Mode() << " at " << Player->Position();
        }
    EXPECT_EQ(Window->Page().Page.CurrentItem->Number, kSoundPage);
    EXPECT_TRUE(Window->Page().BookMarks.empty());
}

} // namespace
