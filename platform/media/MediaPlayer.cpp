#include "platform/media/MediaPlayer.h"

#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/media/QtMediaBackend.h"

#include <algorithm>
#include <limits>

namespace {

int32_t ClampToInt32(int64_t Value) {
    return static_cast<int32_t>(std::clamp<int64_t>(Value, 0, std::numeric_limits<int32_t>::max()));
}

// A back end's reason as one line of code page 1251 text.
AnsiString OneLine(const std::string& Utf8) {
    AnsiString line = Utf8ToCp1251(Utf8);
    std::replace_if(
        line.begin(), line.end(), [](char C) { return C == '\r' || C == '\n'; }, ' ');
    return line;
}

} // namespace

TMediaPlayer::TMediaPlayer(std::unique_ptr<TMediaBackend> Backend)
    : FBackend(Backend ? std::move(Backend) : std::make_unique<TQtMediaBackend>()) {}

TMediaPlayer::~TMediaPlayer() {
    // A notification may remove others (or itself): call a detached list.
    auto notify = std::move(FFreeNotify);
    FFreeNotify.clear();
    for (auto& entry : notify)
        entry.second();
    Close();
}

bool TMediaPlayer::Open() {
    Close();
    const std::string path = ResolveWindowsName(FFileName);
    if (!FileExists(path)) {
        Fail("Cannot find the clip " + FFileName);
        return false;
    }
    std::string error;
    if (!FBackend->Open(path, error)) {
        Fail("Cannot play " + FFileName + ": " + OneLine(error));
        return false;
    }
    FOpen = true;
    return true;
}

void TMediaPlayer::Close() {
    if (!FOpen) return;
    FOpen = false;
    FBackend->Close();
}

void TMediaPlayer::Play() {
    if (!FOpen) return;
    const int32_t length = Length();
    if (length > 0 && Position() >= length) {
        if (!FAutoRewind) return;
        FBackend->Seek(0);
    }
    FBackend->Play();
}

void TMediaPlayer::Pause() {
    if (FOpen) FBackend->Pause();
}

TMPModes TMediaPlayer::Mode() const {
    return FOpen ? FBackend->Mode() : mpNotReady;
}

int32_t TMediaPlayer::Length() const {
    return FOpen ? ClampToInt32(FBackend->Length()) : 0;
}

int32_t TMediaPlayer::Position() const {
    return FOpen ? ClampToInt32(FBackend->Position()) : 0;
}

void TMediaPlayer::Seek(int32_t Position) {
    if (!FOpen) return;
    // A clip whose length is not known yet (0) is not held at 0.
    const int32_t length = Length();
    int32_t target = std::max(Position, 0);
    if (length > 0) target = std::min(target, length);
    FBackend->Seek(target);
}

void TMediaPlayer::SetDisplay(TControl* Value) {
    FDisplay = Value;
    FBackend->SetDisplay(FDisplay, FDisplayRect);
}

void TMediaPlayer::SetDisplayRect(const TRect& Value) {
    FDisplayRect = Value;
    FBackend->SetDisplay(FDisplay, FDisplayRect);
}

void TMediaPlayer::FreeNotification(const void* Owner, std::function<void()> Notify) {
    RemoveFreeNotification(Owner);
    FFreeNotify.emplace_back(Owner, std::move(Notify));
}

void TMediaPlayer::RemoveFreeNotification(const void* Owner) {
    std::erase_if(FFreeNotify, [Owner](const auto& Entry) { return Entry.first == Owner; });
}

void TMediaPlayer::Fail(const AnsiString& Reason) {
    if (OnError) OnError(this, Reason);
}
