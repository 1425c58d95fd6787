#include "platform/media/QtMediaBackend.h"

#include "platform/media/MediaLoading.h"
#include "platform/media/VideoSurface.h"
#include "platform/widgets/WidgetControls.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QTimer>
#include <QVideoWidget>
#include <filesystem>

TQtMediaBackend::TQtMediaBackend(int OpenTimeoutMs)
    : FOpenTimeoutMs(OpenTimeoutMs), FSurface(std::make_unique<TVideoSurface>()),
      FContext(std::make_unique<QObject>()) {}

TQtMediaBackend::~TQtMediaBackend() {
    Close();
    DropRetired();
}

bool TQtMediaBackend::Open(const std::string& Path, std::string& Error) {
    // Opening runs the message loop, which may call back into the player.
    if (FOpening) {
        Error = "another clip is being opened";
        return false;
    }
    Close();
    // Reading a pipe or a device could block the media framework for good.
    std::error_code error;
    if (!std::filesystem::is_regular_file(Path, error)) {
        Error = "not a regular file";
        return false;
    }
    FSource = QUrl::fromLocalFile(QString::fromStdString(Path));
    if (!Load(Error)) return false;
    FOpen = true;
    UpdateVideo();
    return true;
}

void TQtMediaBackend::Close() {
    if (!FOpen) return;
    FOpen = false;
    RetirePlayer();
    UpdateVideo();
}

void TQtMediaBackend::Play() {
    if (!FOpen || (AtEnd() && !Reload())) return;
    FFalseEndRestarts = 3;
    FPlayer->play();
}

// A clip at its end is stopped already (and pausing it there would seek).
void TQtMediaBackend::Pause() {
    if (FOpen && !AtEnd()) FPlayer->pause();
}

TMPModes TQtMediaBackend::Mode() const {
    if (!FOpen) return mpNotReady;
    switch (FPlayer->playbackState()) {
    case QMediaPlayer::PlayingState:
        return mpPlaying;
    case QMediaPlayer::PausedState:
        return mpPaused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return mpStopped;
}

int64_t TQtMediaBackend::Length() const {
    if (!FOpen) return 0;
    // A stream that does not state its length (an MP3 file without a length
    // header) may tell none up to its end; there the position is the length.
    const qint64 duration = FPlayer->duration();
    return duration <= 0 && AtEnd() ? FPlayer->position() : duration;
}

int64_t TQtMediaBackend::Position() const {
    return FOpen ? FPlayer->position() : 0;
}

void TQtMediaBackend::Seek(int64_t Position) {
    if (!FOpen || (AtEnd() && !Reload())) return;
    if (Position != FPlayer->position()) FPlayer->setPosition(Position);
}

// Changing the video output of a clip's live media pipeline relinks it
// while it streams, which now and then stalls it for good (it never plays
// again). A move to another panel loads the clip afresh into the new panel
// instead, at the same position and playing if it played.
void TQtMediaBackend::SetDisplay(TControl* Display, const TRect& Rect) {
    QWidget* panel = ControlWidget(Display);
    const bool newPanel = panel != FSurface->Panel();
    if (newPanel && FOpen) {
        MoveClipTo(panel, Rect);
        return;
    }
    // The players let go of the old video widgets before the surface deletes them.
    if (newPanel) DropRetired();
    if (newPanel && FPlayer) FPlayer->setVideoOutput(nullptr);
    FSurface->SetPanel(panel, Rect);
    if (newPanel && FPlayer) FPlayer->setVideoOutput(FSurface->Output());
    UpdateVideo();
}

// Changing the video output of a clip's live media pipeline relinks it while
// it streams, which now and then stalls it for good: it never plays again.
// An open clip is loaded afresh into the new panel instead, at the same
// position and in the same state.
void TQtMediaBackend::MoveClipTo(QWidget* Panel, const TRect& Rect) {
    const QMediaPlayer::PlaybackState state = FPlayer->playbackState();
    const qint64 position = AtEnd() ? 0 : FPlayer->position();
    RetirePlayer();
    DropRetired();
    FSurface->SetPanel(Panel, Rect);
    if (!Reload()) return;
    if (position > 0) FPlayer->setPosition(position);
    if (state == QMediaPlayer::PlayingState) FPlayer->play();
    if (state == QMediaPlayer::PausedState) FPlayer->pause();
}

// A new player for every load: a clip's media pipeline posts its last
// messages after the clip has gone (a second error of a file that failed,
// say), which must not reach the next clip.
bool TQtMediaBackend::Load(std::string& Error) {
    DropPlayer();
    FAudio = std::make_unique<QAudioOutput>();
    FPlayer = std::make_unique<QMediaPlayer>();
    FPlayer->setAudioOutput(FAudio.get());
    FPlayer->setVideoOutput(FSurface->Output());
    QObject::connect(FPlayer.get(), &QMediaPlayer::hasVideoChanged, FPlayer.get(),
                     [this] { UpdateVideo(); });
    QObject::connect(FPlayer.get(), &QMediaPlayer::mediaStatusChanged, FPlayer.get(),
                     [this](QMediaPlayer::MediaStatus Status) { CheckFalseEnd(Status); });
    FPlayer->setSource(FSource);
    FOpening = true;
    const bool loaded = WaitUntilLoaded(*FPlayer, FOpenTimeoutMs, Error);
    FOpening = false;
    if (!loaded) DropPlayer();
    return loaded;
}

// Starting or seeking a clip that has reached its end makes the GStreamer
// media back end seek while it prepares the clip anew, which can deadlock
// its threads; a clip loaded afresh starts at its beginning instead.
bool TQtMediaBackend::Reload() {
    std::string error;
    if (!Load(error)) FOpen = false;
    UpdateVideo();
    return FOpen;
}

bool TQtMediaBackend::AtEnd() const {
    return FPlayer->mediaStatus() == QMediaPlayer::EndOfMedia;
}

// Now and then the GStreamer media back end ends an MP3 clip the moment it
// starts playing: the end of the clip at position 0. The clip is loaded
// afresh and started once more (from the message loop, not inside the
// player's own notification).
void TQtMediaBackend::CheckFalseEnd(int Status) {
    if (Status != QMediaPlayer::EndOfMedia || FFalseEndRestarts == 0) return;
    if (FPlayer->position() != 0) return;
    --FFalseEndRestarts;
    QTimer::singleShot(0, FContext.get(), [this] {
        if (FOpen && !FOpening && AtEnd() && Reload()) FPlayer->play();
    });
}

void TQtMediaBackend::DropPlayer() {
    // The player goes before its audio output.
    FPlayer.reset();
    FAudio.reset();
}

void TQtMediaBackend::RetirePlayer() {
    if (!FPlayer) return;
    QObject::disconnect(FPlayer.get(), nullptr, nullptr, nullptr);
    FAudio->setMuted(true);
    TRetired retired{std::move(FPlayer), std::move(FAudio), FSurface->Release()};
    FRetired.push_back(std::move(retired));
    if (FRetired.size() == 1) QTimer::singleShot(0, FContext.get(), [this] { DropRetired(); });
}

void TQtMediaBackend::DropRetired() {
    // Each player goes before its audio output and its video widget.
    for (TRetired& retired : FRetired) {
        retired.Player.reset();
        retired.Audio.reset();
        delete retired.Video.data();
    }
    FRetired.clear();
}

void TQtMediaBackend::UpdateVideo() {
    FSurface->SetShown(FOpen && FPlayer && FPlayer->hasVideo());
}
