// The player's own logic against a recording back end.
#include "RecordingBackend.h"
#include "platform/base/HeadlessControls.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

// A player over a recording back end, with a clip file to open and the
// messages it reported.
struct TPlayerFixture : ::testing::Test {
    TTempDir Dir;
    std::vector<std::string> Log;
    std::vector<AnsiString> Errors;
    TRecordingBackend* Backend = nullptr;
    std::unique_ptr<TMediaPlayer> Player;

    void SetUp() override {
        auto backend = std::make_unique<TRecordingBackend>(Log);
        Backend = backend.get();
        Player = std::make_unique<TMediaPlayer>(std::move(backend));
        Player->OnError = [this](TMediaPlayer*, const AnsiString& M) { Errors.push_back(M); };
        WriteFileBytes(Dir.File("a.wav"), "a");
        WriteFileBytes(Dir.File("b.wav"), "b");
    }
    bool OpenFile(const std::string& Name) {
        Player->SetFileName(Dir.File(Name));
        return Player->Open();
    }
};

using MediaPlayerClip = TPlayerFixture;

TEST_F(MediaPlayerClip, OperationsReachTheBackEndInOrder) {
    ASSERT_TRUE(OpenFile("a.wav"));
    EXPECT_TRUE(Player->IsOpen());
    Backend->ModeValue = mpPaused;
    EXPECT_EQ(Player->Mode(), mpPaused);
    Player->Play();
    Player->Pause();
    Player->Close();
    EXPECT_THAT(Log, ElementsAre("Open " + Dir.File("a.wav"), "Play", "Pause", "Close"));
    EXPECT_FALSE(Player->IsOpen());
    EXPECT_EQ(Player->Mode(), mpNotReady);
    EXPECT_THAT(Errors, IsEmpty());
}

TEST_F(MediaPlayerClip, OpeningAgainClosesTheOpenClipFirst) {
    ASSERT_TRUE(OpenFile("a.wav"));
    ASSERT_TRUE(OpenFile("b.wav"));
    EXPECT_THAT(Log,
                ElementsAre("Open " + Dir.File("a.wav"), "Close", "Open " + Dir.File("b.wav")));
}

TEST_F(MediaPlayerClip, WithoutAClipNothingReachesTheBackEnd) {
    Backend->LengthValue = 1000;
    Backend->PositionValue = 500;
    Backend->ModeValue = mpPlaying;
    Player->Play();
    Player->Pause();
    Player->Seek(100);
    Player->Close();
    EXPECT_THAT(Log, IsEmpty());
    EXPECT_EQ(Player->Mode(), mpNotReady);
    EXPECT_EQ(Player->Length(), 0);
    EXPECT_EQ(Player->Position(), 0);

    // Nor after a clip was closed.
    ASSERT_TRUE(OpenFile("a.wav"));
    Player->Close();
    Log.clear();
    Player->Play();
    Player->Close();
    EXPECT_THAT(Log, IsEmpty());
}

TEST_F(MediaPlayerClip, PlayAtTheEndRewindsOnlyWithAutoRewind) {
    ASSERT_TRUE(OpenFile("a.wav"));
    Backend->LengthValue = 1000;
    Backend->PositionValue = 1000;
    Log.clear();
    Player->Play();
    EXPECT_THAT(Log, IsEmpty());
    Player->SetAutoRewind(true);
    Player->Play();
    EXPECT_THAT(Log, ElementsAre("Seek 0", "Play"));
    // Before the end the clip goes on where it is.
    Backend->PositionValue = 999;
    Log.clear();
    Player->Play();
    EXPECT_THAT(Log, ElementsAre("Play"));
}

using MediaPlayerName = TPlayerFixture;

TEST_F(MediaPlayerName, AMissingClipIsReportedAndLeavesThePlayerClosed) {
    ASSERT_TRUE(OpenFile("a.wav"));
    EXPECT_FALSE(OpenFile("missing.wav"));
    EXPECT_FALSE(Player->IsOpen());
    // The open clip was closed; the back end never saw the missing one.
    EXPECT_THAT(Log, ElementsAre("Open " + Dir.File("a.wav"), "Close"));
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_THAT(Errors[0], HasSubstr("missing.wav"));
    // A folder is no clip either.
    std::filesystem::create_directory(Dir.File("folder"));
    EXPECT_FALSE(OpenFile("folder"));
    EXPECT_EQ(Errors.size(), 2u);
    Player->SetFileName("");
    EXPECT_FALSE(Player->Open());
    EXPECT_EQ(Errors.size(), 3u);
    EXPECT_EQ(Log.size(), 2u);
}

TEST_F(MediaPlayerName, BackEndFailureIsReportedInOneLine) {
    Backend->OpenSucceeds = false;
    Backend->FailReason = "no decoder\r\nfor this stream";
    EXPECT_FALSE(OpenFile("a.wav"));
    EXPECT_FALSE(Player->IsOpen());
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_THAT(Errors[0], HasSubstr("a.wav"));
    EXPECT_THAT(Errors[0], HasSubstr("no decoder"));
    EXPECT_EQ(Errors[0].find_first_of("\r\n"), AnsiString::npos);
    // The player is closed: nothing more reaches the back end.
    Player->Play();
    EXPECT_EQ(Log.size(), 1u);
    EXPECT_FALSE(Player->IsOpen());
}

TEST_F(MediaPlayerName, WindowsNamesInCodePage1251Resolve) {
    std::filesystem::create_directory(Dir.File("Clips"));
    // "Звук.wav" on disk (UTF-8); the book names it in code page 1251 with
    // another letter case and backslashes.
    const std::string native = Dir.File("Clips/\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA.wav");
    WriteFileBytes(native, "x");
    Player->SetFileName(Dir.Path() + "\\CLIPS\\\xE7\xE2\xF3\xEA.WAV");
    ASSERT_TRUE(Player->Open());
    EXPECT_THAT(Log, ElementsAre("Open " + native));
}

using MediaPlayerTime = TPlayerFixture;

TEST_F(MediaPlayerTime, LengthAndPositionAreKeptWithinInt32) {
    ASSERT_TRUE(OpenFile("a.wav"));
    Backend->LengthValue = int64_t{5} << 32;
    Backend->PositionValue = int64_t{3} << 31;
    EXPECT_EQ(Player->Length(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Player->Position(), std::numeric_limits<int32_t>::max());
    Backend->LengthValue = 90'000;
    Backend->PositionValue = 1'234;
    EXPECT_EQ(Player->Length(), 90'000);
    EXPECT_EQ(Player->Position(), 1'234);
    Backend->LengthValue = -1;
    Backend->PositionValue = -(int64_t{1} << 40);
    EXPECT_EQ(Player->Length(), 0);
    EXPECT_EQ(Player->Position(), 0);
}

TEST_F(MediaPlayerTime, SeekIsKeptWithinTheClip) {
    ASSERT_TRUE(OpenFile("a.wav"));
    Backend->LengthValue = 1000;
    Log.clear();
    Player->Seek(400);
    Player->Seek(5000);
    Player->Seek(-5);
    // A length not known yet does not hold the position at 0.
    Backend->LengthValue = 0;
    Player->Seek(700);
    EXPECT_THAT(Log, ElementsAre("Seek 400", "Seek 1000", "Seek 0", "Seek 700"));
}

using MediaPlayerLinks = TPlayerFixture;

TEST_F(MediaPlayerLinks, DisplayAndRectangleArePassedOn) {
    THeadlessControl panel;
    Player->SetDisplay(&panel);
    Player->SetDisplayRect(Rect(1, 2, 30, 40));
    EXPECT_EQ(Player->Display(), &panel);
    EXPECT_EQ(Backend->LastDisplay, &panel);
    Player->SetDisplay(nullptr);
    EXPECT_EQ(Backend->LastDisplay, nullptr);
    EXPECT_EQ(Player->DisplayRect(), Rect(1, 2, 30, 40));
    EXPECT_THAT(Log, ElementsAre("Display 0,0,0,0", "Display 1,2,30,40", "Display 1,2,30,40"));
}

TEST_F(MediaPlayerLinks, DestructionNotifiesTheRegisteredUsersAndCloses) {
    int first = 0, second = 0, replaced = 0;
    const int a = 0, b = 0;
    Player->FreeNotification(&a, [&] { ++replaced; });
    Player->FreeNotification(&a, [&] { ++first; });
    Player->FreeNotification(&b, [&] { ++second; });
    Player->RemoveFreeNotification(&b);
    ASSERT_TRUE(OpenFile("a.wav"));
    Player.reset();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(Log.back(), "Close");
}

TEST_F(MediaPlayerLinks, ANotificationMayRemoveAnother) {
    int calls = 0;
    const int a = 0, b = 0;
    TMediaPlayer* player = Player.get();
    // The list at the time of destruction is called whole.
    player->FreeNotification(&a, [&] {
        ++calls;
        player->RemoveFreeNotification(&b);
    });
    Player->FreeNotification(&b, [&] { ++calls; });
    Player.reset();
    EXPECT_EQ(calls, 2);
}

} // namespace
