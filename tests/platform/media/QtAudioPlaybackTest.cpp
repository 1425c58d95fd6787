// Sound through Qt Multimedia, headless and without a sound device: the
// player must open, play, pause and seek, and refuse what it cannot play
// without hanging.
#include "MediaClips.h"
#include "platform/media/MediaPlayer.h"
#include "platform/media/QtMediaBackend.h"
#include "support/TestFiles.h"

#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using ::testing::IsEmpty;
using ::testing::Not;

namespace {

struct QtAudio : ::testing::Test {
    TTempDir Dir;
    std::vector<AnsiString> Errors;
    TMediaPlayer Player;

    void SetUp() override {
        Player.OnError = [this](TMediaPlayer*, const AnsiString& M) { Errors.push_back(M); };
    }
    bool OpenFile(const std::string& Path) {
        Player.SetFileName(Path);
        return Player.Open();
    }
    std::string Tone(int Milliseconds) {
        const std::string path = Dir.File("tone" + std::to_string(Milliseconds) + ".wav");
        WriteToneWav(path, Milliseconds);
        return path;
    }
};

TEST_F(QtAudio, AToneOpensPlaysPausesAndSeeks) {
    ASSERT_TRUE(OpenFile(Tone(1500))) << testing::PrintToString(Errors);
    EXPECT_NEAR(Player.Length(), 1500, 30);
    EXPECT_EQ(Player.Position(), 0);
    EXPECT_EQ(Player.Mode(), mpStopped);

    Player.Play();
    EXPECT_EQ(Player.Mode(), mpPlaying);
    EXPECT_TRUE(WaitUntil([&] { return Player.Position() >= 100; }));

    Player.Pause();
    EXPECT_TRUE(WaitUntil([&] { return Player.Mode() == mpPaused; }));
    Player.Seek(1200);
    EXPECT_TRUE(WaitUntil([&] { return std::abs(Player.Position() - 1200) <= 30; }))
        << Player.Position();
    Player.Seek(100);
    EXPECT_TRUE(WaitUntil([&] { return std::abs(Player.Position() - 100) <= 30; }))
        << Player.Position();
    EXPECT_EQ(Player.Mode(), mpPaused);

    Player.Close();
    EXPECT_EQ(Player.Mode(), mpNotReady);
    EXPECT_EQ(Player.Length(), 0);
    EXPECT_THAT(Errors, IsEmpty());
}

TEST_F(QtAudio, AClipPlaysToItsEndAndRewindsOnlyWhenAsked) {
    ASSERT_TRUE(OpenFile(Tone(400))) << testing::PrintToString(Errors);
    Player.Play();
    ASSERT_TRUE(WaitUntil([&] { return Player.Mode() == mpStopped; }));
    EXPECT_EQ(Player.Position(), Player.Length());

    Player.Play();
    EXPECT_EQ(Player.Mode(), mpStopped);
    Player.SetAutoRewind(true);
    Player.Play();
    EXPECT_EQ(Player.Mode(), mpPlaying);
    EXPECT_TRUE(WaitUntil([&] { return Player.Position() < Player.Length(); }));
}

TEST_F(QtAudio, OpeningAnotherClipReplacesTheFirst) {
    ASSERT_TRUE(OpenFile(Tone(1500)));
    Player.Play();
    ASSERT_TRUE(OpenFile(Tone(700)));
    EXPECT_NEAR(Player.Length(), 700, 30);
    EXPECT_EQ(Player.Mode(), mpStopped);
    EXPECT_EQ(Player.Position(), 0);
}

// Opening runs the message loop; a clip opened from there is refused and the
// first one still opens.
TEST_F(QtAudio, AnOpenFromWithinAnOpenIsRefused) {
    const std::string first = Tone(600), second = Tone(300);
    bool nestedResult = true;
    QTimer::singleShot(0, [&] {
        Player.SetFileName(second);
        nestedResult = Player.Open();
    });
    ASSERT_TRUE(OpenFile(first)) << testing::PrintToString(Errors);
    EXPECT_FALSE(nestedResult);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_THAT(Errors[0], testing::HasSubstr("opened"));
    EXPECT_NEAR(Player.Length(), 600, 30);
}

TEST_F(QtAudio, GarbageFailsWithAReasonAndThePlayerStaysUsable) {
    std::string junk(4000, '\0');
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 7919 + 13) % 251);
    WriteFileBytes(Dir.File("junk.wav"), junk);
    WriteFileBytes(Dir.File("empty.wav"), "");
    for (const char* name : {"junk.wav", "empty.wav"}) {
        Errors.clear();
        EXPECT_FALSE(OpenFile(Dir.File(name))) << name;
        EXPECT_FALSE(Player.IsOpen());
        ASSERT_EQ(Errors.size(), 1u) << name;
        EXPECT_THAT(Errors[0], testing::HasSubstr(name));
        EXPECT_GT(Errors[0].size(), std::string("Cannot play ").size() + strlen(name) + 2);
        Player.Play();
        EXPECT_EQ(Player.Mode(), mpNotReady);
    }
    Errors.clear();
    ASSERT_TRUE(OpenFile(Tone(500))) << testing::PrintToString(Errors);
    Player.Play();
    EXPECT_TRUE(WaitUntil([&] { return Player.Position() > 0; }));
}

TEST_F(QtAudio, AMissingFileFailsWithAReason) {
    EXPECT_FALSE(OpenFile(Dir.File("missing.wav")));
    EXPECT_THAT(Errors, Not(IsEmpty()));
    // The back end on its own refuses it too.
    TQtMediaBackend backend;
    std::string error;
    EXPECT_FALSE(backend.Open(Dir.File("missing.wav"), error));
    EXPECT_THAT(error, Not(IsEmpty()));
    EXPECT_EQ(backend.Mode(), mpNotReady);
}

// Reading a pipe nobody writes to would block for ever.
TEST_F(QtAudio, APipeIsRefusedWithoutWaiting) {
    const std::string fifo = Dir.File("pipe.wav");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(OpenFile(fifo));
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_THAT(Errors[0], testing::HasSubstr("regular file"));
}

} // namespace
