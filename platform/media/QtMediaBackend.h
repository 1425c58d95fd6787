#pragma once

#include "platform/media/MediaPlayer.h"

#include <QPointer>
#include <QUrl>
#include <memory>
#include <string>
#include <vector>

class QAudioOutput;
class QMediaPlayer;
class QObject;
class QVideoWidget;
class QWidget;
class TVideoSurface;

// Plays clips through Qt Multimedia: a QMediaPlayer with the default audio
// output, its pictures in a video widget on the display panel. Without a sound
// device the media framework plays into a silent sink at the clip's pace, so
// positions advance as with a device. The Qt player exists only while a clip
// is open or opening.
class TQtMediaBackend : public TMediaBackend {
public:
    // Open waits at most OpenTimeoutMs for a clip to load.
    explicit TQtMediaBackend(int OpenTimeoutMs = 10000);
    ~TQtMediaBackend() override;
    TQtMediaBackend(const TQtMediaBackend&) = delete;
    TQtMediaBackend& operator=(const TQtMediaBackend&) = delete;

    bool Open(const std::string& Path, std::string& Error) override;
    void Close() override;
    void Play() override;
    void Pause() override;
    TMPModes Mode() const override;
    int64_t Length() const override;
    int64_t Position() const override;
    void Seek(int64_t Position) override;
    void SetDisplay(TControl* Display, const TRect& Rect) override;

private:
    bool Load(std::string& Error);
    bool Reload();
    void MoveClipTo(QWidget* Panel, const TRect& Rect);
    bool AtEnd() const;
    void CheckFalseEnd(int Status);
    void DropPlayer();
    void RetirePlayer();
    void DropRetired();
    void UpdateVideo();

    // A closed clip's player, silenced and hidden, with what it plays into;
    // stopping and freeing a media pipeline takes long, so that waits for
    // the message loop and the page that closed the clip shows first.
    struct TRetired {
        std::unique_ptr<QMediaPlayer> Player;
        std::unique_ptr<QAudioOutput> Audio;
        QPointer<QVideoWidget> Video;
    };
    std::vector<TRetired> FRetired;

    int FOpenTimeoutMs;
    QUrl FSource;
    std::unique_ptr<TVideoSurface> FSurface;
    std::unique_ptr<QObject> FContext; // for calls posted to the message loop
    std::unique_ptr<QAudioOutput> FAudio;
    std::unique_ptr<QMediaPlayer> FPlayer;
    bool FOpen = false;
    bool FOpening = false;
    int FFalseEndRestarts = 0; // how often a false end may still restart the clip
};
