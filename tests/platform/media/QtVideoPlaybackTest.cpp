// Pictures through Qt Multimedia: the video widget on the display panel.
#include "MediaClips.h"
#include "platform/media/MediaPlayer.h"
#include "platform/widgets/WidgetControls.h"
#include "support/TestFiles.h"

#include <QPointer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const MotionJpegAvi = "videotestsrc num-buffers=30 ! "
                                  "video/x-raw,width=160,height=120,framerate=15/1 ! "
                                  "jpegenc ! avimux";

// The video widgets the player put on Panel.
QList<QVideoWidget*> VideoOn(const QWidget& Panel) {
    return Panel.findChildren<QVideoWidget*>(Qt::FindDirectChildrenOnly);
}

// Adds each picture Video shows to Frames.
void CountFrames(QVideoWidget& Video, int& Frames) {
    QObject::connect(Video.videoSink(), &QVideoSink::videoFrameChanged,
                     [&Frames](const QVideoFrame& Frame) { Frames += Frame.isValid(); });
}

// A window holding a display panel, and a player showing its clips there.
struct QtVideo : ::testing::Test {
    TTempDir Dir;
    QWidget Window;
    QWidget* PanelWidget = new QWidget(&Window);
    TWidgetControl Panel{*PanelWidget};
    std::vector<AnsiString> Errors;
    std::unique_ptr<TMediaPlayer> Player = std::make_unique<TMediaPlayer>();

    void SetUp() override {
        Window.resize(400, 300);
        PanelWidget->setGeometry(20, 20, 300, 200);
        Window.show();
        Player->OnError = [this](TMediaPlayer*, const AnsiString& M) { Errors.push_back(M); };
        Player->SetDisplay(&Panel);
    }
    std::string Clip(const std::string& Pipeline, const std::string& Name) {
        const std::string path = Dir.File(Name);
        EXPECT_TRUE(MakeClip(Pipeline, path)) << Pipeline;
        return path;
    }
    bool OpenFile(const std::string& Path) {
        Player->SetFileName(Path);
        return Player->Open();
    }
};

TEST_F(QtVideo, AClipPlaysInItsPanelAtTheDisplayRect) {
    Player->SetDisplayRect(Rect(10, 20, 170, 140));
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "clip.avi"))) << testing::PrintToString(Errors);
    EXPECT_NEAR(Player->Length(), 2000, 30);
    ASSERT_EQ(VideoOn(*PanelWidget).size(), 1);
    QVideoWidget* video = VideoOn(*PanelWidget).front();
    EXPECT_TRUE(video->isVisible());
    EXPECT_EQ(video->geometry(), QRect(10, 20, 160, 120));

    int frames = 0;
    CountFrames(*video, frames);
    Player->Play();
    EXPECT_TRUE(WaitUntil([&] { return Player->Position() >= 200 && frames > 0; }))
        << Player->Position() << " ms, " << frames << " frames";

    // The engine moves the rectangle while the clip plays.
    Player->SetDisplayRect(Rect(0, 0, 80, 60));
    EXPECT_EQ(video->geometry(), QRect(0, 0, 80, 60));

    Player->Close();
    EXPECT_FALSE(video->isVisibleTo(PanelWidget));
}

TEST_F(QtVideo, AnEmptyRectangleFillsThePanel) {
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "clip.avi")));
    QVideoWidget* video = VideoOn(*PanelWidget).value(0);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->geometry(), QRect(0, 0, 300, 200));
    PanelWidget->resize(240, 180);
    EXPECT_EQ(video->geometry(), QRect(0, 0, 240, 180));
}

TEST_F(QtVideo, SoundAloneShowsNoPicture) {
    // A display without a clip has no video widget: making one starts the
    // media framework, which a window opening without clips need not wait for.
    EXPECT_TRUE(VideoOn(*PanelWidget).isEmpty());
    const std::string wav = Dir.File("tone.wav");
    WriteToneWav(wav, 500);
    ASSERT_TRUE(OpenFile(wav));
    for (QVideoWidget* video : VideoOn(*PanelWidget))
        EXPECT_FALSE(video->isVisibleTo(PanelWidget));
}

// A playing clip moved to another panel goes on from where it was there;
// a paused one stays paused, and without a display the clip still plays.
TEST_F(QtVideo, TheVideoFollowsTheDisplayToAnotherPanel) {
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "clip.avi")));
    Player->Play();
    ASSERT_TRUE(WaitUntil([&] { return Player->Position() >= 300; }));
    QWidget* other = new QWidget(&Window);
    TWidgetControl otherPanel(*other);
    const int32_t before = Player->Position();
    Player->SetDisplay(&otherPanel);
    EXPECT_TRUE(VideoOn(*PanelWidget).isEmpty());
    ASSERT_EQ(VideoOn(*other).size(), 1);
    QVideoWidget* video = VideoOn(*other).front();
    EXPECT_TRUE(video->isVisibleTo(other));
    EXPECT_EQ(Player->Mode(), mpPlaying);
    EXPECT_GE(Player->Position(), before - 70) << "started again";
    int frames = 0;
    CountFrames(*video, frames);
    EXPECT_TRUE(WaitUntil([&] { return frames > 0 && Player->Position() > before; }))
        << Player->Position() << " ms after " << before << " ms, " << frames << " frames";

    Player->Pause();
    const int32_t paused = Player->Position();
    Player->SetDisplay(&Panel);
    EXPECT_EQ(Player->Mode(), mpPaused);
    EXPECT_TRUE(WaitUntil([&] { return Player->Position() >= paused - 70; }))
        << Player->Position() << " ms, paused at " << paused << " ms";

    Player->SetDisplay(nullptr);
    EXPECT_TRUE(VideoOn(*PanelWidget).isEmpty());
    Player->Play();
    const int32_t hidden = Player->Position();
    EXPECT_TRUE(WaitUntil([&] { return Player->Position() > hidden; }));
}

TEST_F(QtVideo, AFailedClipDoesNotSpoilTheNextOne) {
    WriteFileBytes(Dir.File("junk.avi"), "RIFF\x10\0\0\0AVI LIST" + std::string(3000, 'x'));
    EXPECT_FALSE(OpenFile(Dir.File("junk.avi")));
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "clip.avi"))) << testing::PrintToString(Errors);
    QVideoWidget* video = VideoOn(*PanelWidget).value(0);
    ASSERT_NE(video, nullptr);
    EXPECT_TRUE(video->isVisible());
    int frames = 0;
    CountFrames(*video, frames);
    Player->Play();
    EXPECT_TRUE(WaitUntil([&] { return frames > 0; }));
}

TEST_F(QtVideo, APanelDestroyedWhilePlayingLeavesThePlayerWorking) {
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "clip.avi")));
    Player->Play();
    ASSERT_TRUE(WaitUntil([&] { return Player->Position() > 0; }));
    delete PanelWidget;
    const int32_t position = Player->Position();
    EXPECT_TRUE(WaitUntil([&] { return Player->Position() > position; }));
    Player->Pause();
    Player->Close();
    Player.reset();
}

// Closing leaves stopping the clip to the message loop: the page that closed
// it shows first. The old widget stays hidden until its player is gone, and
// the next clip plays in a widget of its own.
TEST_F(QtVideo, AClosedClipIsFreedFromTheMessageLoop) {
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "clip.avi")));
    Player->Play();
    ASSERT_TRUE(WaitUntil([&] { return Player->Position() > 0; }));
    QPointer<QVideoWidget> old = VideoOn(*PanelWidget).value(0);
    Player->Close();
    ASSERT_FALSE(old.isNull());
    EXPECT_FALSE(old->isVisibleTo(PanelWidget));
    EXPECT_EQ(Player->Mode(), mpNotReady);
    EXPECT_TRUE(WaitUntil([&] { return old.isNull(); }));

    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "again.avi")));
    ASSERT_EQ(VideoOn(*PanelWidget).size(), 1);
    QVideoWidget* video = VideoOn(*PanelWidget).front();
    EXPECT_TRUE(video->isVisible());
    int frames = 0;
    CountFrames(*video, frames);
    Player->Play();
    EXPECT_TRUE(WaitUntil([&] { return frames > 0; }));

    // A player closed and gone before the loop runs frees its clip at once,
    // and so does a move to another panel.
    Player->Close();
    QWidget* other = new QWidget(&Window);
    TWidgetControl otherPanel(*other);
    Player->SetDisplay(&otherPanel);
    EXPECT_TRUE(VideoOn(*PanelWidget).isEmpty());
    ASSERT_TRUE(OpenFile(Clip(MotionJpegAvi, "third.avi")));
    Player->Close();
    Player.reset();
    EXPECT_EQ(VideoOn(*other).size(), 0);
}

// The clip formats of textbooks: each opens, plays and knows its length.
struct TFormat {
    const char* Name;
    const char* Pipeline;
};

class QtMediaFormats : public QtVideo, public ::testing::WithParamInterface<TFormat> {};

TEST_P(QtMediaFormats, OpensAndPlays) {
    const TFormat& format = GetParam();
    ASSERT_TRUE(OpenFile(Clip(format.Pipeline, std::string("clip.") + format.Name)))
        << testing::PrintToString(Errors);
    Player->Play();
    EXPECT_TRUE(WaitUntil([&] { return Player->Position() > 0 && Player->Length() > 0; }))
        << Player->Position() << " of " << Player->Length();
}

INSTANTIATE_TEST_SUITE_P(
    Clips, QtMediaFormats,
    ::testing::Values(
        TFormat{"wav", "audiotestsrc num-buffers=20 ! audioconvert ! wavenc"},
        // Constant bit rate: the encoder writes no length header, and a short
        // variable-rate file gets a wrong length estimate that ends it at once.
        TFormat{"mp3", "audiotestsrc num-buffers=40 ! audioconvert ! "
                       "lamemp3enc target=bitrate cbr=true bitrate=64"},
        TFormat{"ogg", "audiotestsrc num-buffers=20 ! audioconvert ! vorbisenc ! oggmux"},
        TFormat{"ogv", "videotestsrc num-buffers=15 ! video/x-raw,width=64,height=48 ! "
                       "theoraenc ! oggmux"},
        TFormat{"avi", "videotestsrc num-buffers=15 ! video/x-raw,width=64,height=48 ! "
                       "jpegenc ! avimux"},
        TFormat{"rawavi", "videotestsrc num-buffers=15 ! "
                          "video/x-raw,format=I420,width=64,height=48 ! avimux"}),
    [](const ::testing::TestParamInfo<TFormat>& Info) { return std::string(Info.param.Name); });

} // namespace
