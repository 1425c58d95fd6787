#pragma once

#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TControl;

// The states of a media player, as its Mode reports them.
enum TMPModes : uint8_t {
    mpNotReady,
    mpStopped,
    mpPlaying,
    mpRecording,
    mpSeeking,
    mpPaused,
    mpOpen
};

// The units of Length, Position and Seek. Pages use milliseconds only.
enum TMPTimeFormats : uint8_t { tfMilliseconds };

// What plays the clips: Qt Multimedia in the program, a recording double in
// tests that must not depend on a device. Open is synchronous and bounded in
// time: when it returns true the clip is loaded and, where its file tells it,
// its length is known (a stream without a stated length, such as an MP3 file
// without a length header, may tell it only as it plays or at its end).
class TMediaBackend {
public:
    virtual ~TMediaBackend() = default;
    // Opens the file (a native UTF-8 path) after closing any open clip; false
    // with a one-line reason (UTF-8) when it cannot be played, leaving nothing
    // open.
    virtual bool Open(const std::string& Path, std::string& Error) = 0;
    virtual void Close() = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual TMPModes Mode() const = 0;
    // Milliseconds.
    virtual int64_t Length() const = 0;
    virtual int64_t Position() const = 0;
    virtual void Seek(int64_t Position) = 0;
    // Where a clip's pictures are shown: Rect within Display (all of it when
    // Rect is empty), or no display. Called whenever either changes, with or
    // without an open clip.
    virtual void SetDisplay(TControl* Display, const TRect& Rect) = 0;
};

// The media player control of a window: one clip at a time, opened from
// FileName, its pictures shown in the Display panel within DisplayRect. The
// control itself is never seen. Operations on a player without an open clip
// do nothing; a clip that cannot be opened leaves the player closed and
// reports its reason through OnError.
class TMediaPlayer : public TObject {
public:
    // Without a back end the player plays through Qt Multimedia.
    explicit TMediaPlayer(std::unique_ptr<TMediaBackend> Backend = nullptr);
    ~TMediaPlayer() override;
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    const AnsiString& FileName() const { return FFileName; }
    void SetFileName(const AnsiString& Value) { FFileName = Value; }

    // Opens FileName (a Windows or local name, code page 1251, relative to the
    // current folder) after closing any open clip; false when it cannot be
    // played (then OnError has been told why).
    bool Open();
    void Close();
    // Plays from the position. At the end of the clip Play starts it again
    // from the beginning when AutoRewind is set, and does nothing otherwise.
    void Play();
    void Pause();
    bool IsOpen() const { return FOpen; }

    TMPModes Mode() const;
    TMPTimeFormats TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(TMPTimeFormats Value) { FTimeFormat = Value; }
    // In TimeFormat units, 0 without an open clip; longer clips report the
    // largest int32_t.
    int32_t Length() const;
    int32_t Position() const;
    // Moves to Position, kept within 0 .. Length.
    void Seek(int32_t Position);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool AutoRewind() const { return FAutoRewind; }
    void SetAutoRewind(bool Value) { FAutoRewind = Value; }

    // The panel the clip's pictures appear in (not owned), or none.
    TControl* Display() const { return FDisplay; }
    void SetDisplay(TControl* Value);
    // The part of the display panel the clip fills.
    const TRect& DisplayRect() const { return FDisplayRect; }
    void SetDisplayRect(const TRect& Value);

    // Called when the player is destroyed, so that users forget it. A second
    // call for the same Owner replaces its notification.
    void FreeNotification(const void* Owner, std::function<void()> Notify);
    void RemoveFreeNotification(const void* Owner);

    // Told why a clip cannot be played, in one line of code page 1251 text.
    std::function<void(TMediaPlayer* Sender, const AnsiString& Message)> OnError;

private:
    void Fail(const AnsiString& Reason);

    std::unique_ptr<TMediaBackend> FBackend;
    AnsiString FFileName;
    bool FOpen = false;
    bool FEnabled = true;
    bool FAutoRewind = false;
    TMPTimeFormats FTimeFormat = tfMilliseconds;
    TControl* FDisplay = nullptr;
    TRect FDisplayRect;
    std::vector<std::pair<const void*, std::function<void()>>> FFreeNotify;
};
