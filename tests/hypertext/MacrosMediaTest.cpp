// Inline vector pictures in a page, and the page's media clips against a
// recording back end.
#include "LayoutTestPage.h"

#include "hypertext/HyperMacros.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/Control.h"
#include "platform/base/FileNames.h"
#include "platform/media/MediaPlayer.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

int LinkCount(const THyperControl& Control, int32_t Id) {
    int n = 0;
    for (const THyperLink* l = Control.Links(); l; l = l->Next())
        n += l->Id() == Id;
    return n;
}

} // namespace

TEST(MacrosVectorPicture, LinksAreHitTestedThroughThePageAfterRepaintsAndZooms) {
    TLayoutPage page(300, 200);
    QWidget host;
    TVectorPicture renderer(&host);
    renderer.SetVisible(false);
    page.View().SetVectorPicture(&renderer);
    page.Show("word <macros=vector_picture>100;60;RECTANGLE(0,0,100,60) "
              "LINKOUT(10,10,60,30,42,\"go\")</macros> end");
    const THyperMacros* object = nullptr;
    for (const auto& line : page.Lines())
        for (const auto& w : line->Words)
            if (w->Macros) object = w->Macros.get();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Kind, mkPicture);
    ASSERT_NE(object->Links, nullptr);
    EXPECT_EQ(object->Links->Rects().at(0), Rect(10, 10, 60, 30)) << "in the picture's own place";
    const TRect at = object->Rect;
    THyperLink found(0, "");
    EXPECT_TRUE(page.View().CheckLink(at.Left + 20, at.Top + 15, found));
    EXPECT_EQ(found.Id(), 42);
    EXPECT_EQ(found.Hint(), "go");
    EXPECT_FALSE(page.View().CheckLink(at.Left + 80, at.Top + 50, found)) << "outside the link";
    page.Relayout();
    page.View().MarkDirty();
    page.View().RenderIfDirty();
    EXPECT_EQ(LinkCount(page.View(), 42), 1) << "merged, not duplicated";
    // Zoomed: the page is stretched, its links stay in page coordinates.
    page.View().SetStretch(true);
    page.View().SetBoundsRect(Bounds(0, 0, 600, 400));
    page.View().RenderIfDirty();
    EXPECT_TRUE(page.View().CheckLink(2 * (at.Left + 20), 2 * (at.Top + 15), found));
    EXPECT_EQ(found.Id(), 42);
    EXPECT_EQ(LinkCount(page.View(), 42), 1);
    // Without a renderer the slot is used and stays blank, without links.
    page.View().SetVectorPicture(nullptr);
    page.Show("<macros=vector_picture>30;20;LINKOUT(1,1,9,9,5,\"x\")</macros>");
    EXPECT_EQ(page.View().PictureCount(), 1);
    EXPECT_EQ(LinkCount(page.View(), 5), 0);
}

TEST(MacrosVectorPicture, TheRendererIsForgottenWhenItGoes) {
    TLayoutPage page;
    auto renderer = std::make_unique<TVectorPicture>();
    page.View().SetVectorPicture(renderer.get());
    renderer.reset();
    EXPECT_EQ(page.View().VectorPicture(), nullptr);
    page.Show("<macros=vector_picture>30;20;RECTANGLE(0,0,5,5)</macros>");
    EXPECT_EQ(page.View().PictureCount(), 1);
}

namespace {

// A back end that plays nothing and records what it is asked.
class TRecordingBackend : public TMediaBackend {
public:
    explicit TRecordingBackend(std::vector<std::string>& Log) : FLog(Log) {}
    bool Open(const std::string& Path, std::string& Error) override {
        FLog.push_back("open " + Path.substr(Path.rfind('/') + 1));
        if (Path.find("bad") != std::string::npos) {
            Error = "cannot play";
            return false;
        }
        FOpen = true;
        return true;
    }
    void Close() override {
        if (FOpen) FLog.push_back("close");
        FOpen = false;
    }
    void Play() override { FLog.push_back("play"); }
    void Pause() override { FLog.push_back("pause"); }
    TMPModes Mode() const override { return FOpen ? mpStopped : mpNotReady; }
    int64_t Length() const override { return 1000; }
    int64_t Position() const override { return 0; }
    void Seek(int64_t) override {}
    void SetDisplay(TControl*, const TRect& R) override {
        FLog.push_back("rect " + std::to_string(R.Width()) + "x" + std::to_string(R.Height()));
    }

private:
    std::vector<std::string>& FLog;
    bool FOpen = false;
};

// A display panel without a widget.
class TPanelDouble : public TControl {
public:
    TRect BoundsRect() const override { return FBounds; }
    void SetBoundsRect(const TRect& B) override { FBounds = B; }
    TRect ParentClientRect() const override { return {}; }
    bool HasParent() const override { return true; }
    bool Visible() const override { return FVisible; }
    void SetVisible(bool V) override { FVisible = V; }
    bool Enabled() const override { return true; }
    void SetEnabled(bool) override {}
    void BringToFront() override { ++Raised; }
    int Raised = 0;

private:
    TRect FBounds;
    bool FVisible = false;
};

class MacrosMedia : public ::testing::Test {
protected:
    MacrosMedia() : page(400, 300), player(std::make_unique<TRecordingBackend>(log)) {
        for (const char* name : {"clip.avi", "second.wav", "bad.avi"})
            WriteFileBytes(dir.File(name), "RIFF");
        SetCurrentDir(dir.Path());
        player.SetDisplay(&panel);
        player.OnError = [this](TMediaPlayer*, const AnsiString& message) {
            errors.push_back(message);
        };
        page.View().SetMediaPlayer(&player);
    }
    ~MacrosMedia() override { SetCurrentDir(cwd); }
    void ShowAndSettle(const AnsiString& Markup) {
        log.clear();
        page.Show(Markup);
        QCoreApplication::processEvents(); // the clip starts from the message loop
    }
    const THyperMacros& CurrentClip() {
        int counter = -1;
        THyperMacros* macros = nullptr;
        EXPECT_TRUE(page.View().GetMediaMacros(counter, page.Lines(), macros));
        return *macros;
    }

    const std::string cwd = GetCurrentDir();
    TTempDir dir;
    TLayoutPage page;
    std::vector<std::string> log, errors;
    TPanelDouble panel;
    TMediaPlayer player;
};

const char* const TwoClips = "text <leftborder=80>boxed words</leftborder> "
                             "<macros=media_file>160;120;Clip.AVI</macros> more "
                             "<macros=media_file> 50;40;second.wav </macros>";

} // namespace

TEST_F(MacrosMedia, TheFirstClipOpensOverItsFrameAndPlays) {
    ShowAndSettle(TwoClips);
    EXPECT_EQ(page.View().GetMediaCount(), 2);
    EXPECT_EQ(page.View().GetMediaFile(1), "second.wav");
    EXPECT_EQ(page.View().GetMediaFile(2), "");
    EXPECT_EQ(page.View().CurrentMediaItem(), 0) << "found after the side box";
    EXPECT_EQ(log, (std::vector<std::string>{"open clip.avi", "rect 160x120", "play"}));
    EXPECT_TRUE(panel.Visible());
    EXPECT_EQ(panel.Raised, 1);
    EXPECT_EQ(panel.BoundsRect(), CurrentClip().Rect) << "unscaled: the control is its real size";
    EXPECT_TRUE(player.Enabled());
    // Relayouts keep the clip; the display follows the frame.
    log.clear();
    page.Relayout();
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (std::vector<std::string>{"rect 160x120"}));
    // The next clip replaces it.
    log.clear();
    page.View().SetMediaItem(1);
    EXPECT_EQ(log, (std::vector<std::string>{"close", "open second.wav", "rect 50x40", "play"}));
    page.View().SetMediaItem(1);
    EXPECT_EQ(log.size(), 4u) << "the same item does nothing";
}

TEST_F(MacrosMedia, TheDisplayFollowsTheStretchedPage) {
    ShowAndSettle(TwoClips);
    const TRect frame = CurrentClip().Rect;
    page.View().SetStretch(true);
    page.View().SetBoundsRect(Bounds(0, 0, 800, 600));
    EXPECT_EQ(panel.BoundsRect(),
              Rect(2 * frame.Left, 2 * frame.Top, 2 * frame.Right, 2 * frame.Bottom));
    EXPECT_EQ(player.DisplayRect(), Rect(0, 0, 2 * frame.Width(), 2 * frame.Height()));
}

TEST_F(MacrosMedia, ANewTextDropsTheClipAndHidesItsDisplay) {
    ShowAndSettle(TwoClips);
    ShowAndSettle("no clips here");
    EXPECT_EQ(log, (std::vector<std::string>{"close"}));
    EXPECT_FALSE(panel.Visible());
    EXPECT_FALSE(player.Enabled());
    EXPECT_EQ(player.FileName(), "");
    EXPECT_EQ(page.View().CurrentMediaItem(), -1);
    EXPECT_EQ(page.View().GetMediaCount(), 0);
}

TEST_F(MacrosMedia, WithoutAutoPlayTheClipIsOpenedButNotPlayed) {
    page.View().SetAutoPlayMedia(false);
    ShowAndSettle(TwoClips);
    EXPECT_EQ(page.View().CurrentMediaItem(), -1) << "nothing starts by itself";
    page.View().SetMediaItem(0);
    EXPECT_EQ(log, (std::vector<std::string>{"open clip.avi", "rect 160x120"}));
}

TEST_F(MacrosMedia, AClipThatCannotBeOpenedLeavesAnEmptyFrame) {
    ShowAndSettle(
        "<macros=media_file>80;60;bad.avi</macros><macros=media_file>8;6;none.avi</macros>");
    EXPECT_EQ(log, (std::vector<std::string>{"open bad.avi"}));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_FALSE(panel.Visible());
    EXPECT_FALSE(player.IsOpen());
    page.View().SetMediaItem(1);
    EXPECT_EQ(errors.size(), 2u) << "a file that does not exist is reported too";
    EXPECT_EQ(log.size(), 1u) << "and never reaches the back end";
}

TEST_F(MacrosMedia, ThePlayerIsForgottenWhenItGoes) {
    auto other = std::make_unique<TMediaPlayer>(std::make_unique<TRecordingBackend>(log));
    page.View().SetMediaPlayer(other.get());
    other.reset();
    EXPECT_EQ(page.View().MediaPlayer(), nullptr);
    ShowAndSettle(TwoClips);
    EXPECT_EQ(page.View().GetMediaCount(), 2) << "laid out and framed, not played";
}
