// The page's media clips: one at a time is opened in the attached player,
// its pictures shown in the player's display panel over the clip's frame.
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperText.h"
#include "hypertext/MacrosWalk.h"
#include "platform/base/Control.h"
#include "platform/base/Runtime.h"
#include "platform/media/MediaPlayer.h"

void THyperText::SetMediaPlayer(TMediaPlayer* Value) {
    if (Value == FMediaPlayer) return;
    if (FMediaPlayer) FMediaPlayer->RemoveFreeNotification(this);
    FMediaPlayer = Value;
    if (Value) Value->FreeNotification(this, [this] { FMediaPlayer = nullptr; });
}

void THyperText::SetAutoPlayMedia(bool Value) {
    if (Value == FAutoPlayMedia) return;
    FAutoPlayMedia = Value;
    Update();
}

AnsiString THyperText::GetMediaFile(int Index) const {
    return Index >= 0 && Index < FMediaList.Count() ? FMediaList[Index] : AnsiString();
}

void THyperText::AddMediaMacros(THyperMacros& Macros) {
    Macros.Kind = mkMedia;
    Macros.Placement = mpMedia;
    FMediaList.Add(Macros.FileName);
}

// A new text closes the clip of the old one. Its display panel is hidden as
// well: left visible, it would cover the next page with a black box.
void THyperText::DropMedia() {
    FCurrentMediaItem = -1;
    FMediaList.Clear();
    FMediaStartPosted = false;
    if (!FMediaPlayer) return;
    FMediaPlayer->Close();
    FMediaPlayer->SetEnabled(false);
    FMediaPlayer->SetFileName("");
    if (TControl* display = FMediaPlayer->Display()) display->SetVisible(false);
}

void THyperText::SetMediaItem(int Index) {
    if (Index == FCurrentMediaItem) return;
    FCurrentMediaItem = Index;
    if (!FMediaPlayer) return;
    TMediaPlayer& player = *FMediaPlayer;
    if (Index == -1) {
        player.Close();
        player.SetEnabled(false);
        player.SetFileName("");
        return;
    }
    if (Index < 0 || Index >= FMediaList.Count()) return;
    int counter = -1;
    THyperMacros* macros = nullptr;
    if (!GetMediaMacros(counter, FTextLines, macros)) return;
    player.Close();
    TControl* display = player.Display();
    if (display) display->SetVisible(false);
    player.SetFileName(FMediaList[Index]);
    // A clip that cannot be opened leaves its frame empty; the player has
    // told its listener why.
    if (!player.Open()) return;
    ResizeMediaRect(macros->Rect);
    if (display) {
        display->SetVisible(true);
        display->BringToFront();
    }
    if (FAutoPlayMedia) {
        player.Play();
        player.SetEnabled(true);
    }
}

bool THyperText::GetMediaMacros(int& Counter, const THyperLines& Lines,
                                THyperMacros*& Macros) const {
    return !WalkMacros(Lines, [&](THyperMacros& M) {
        if (M.Placement != mpMedia || ++Counter != FCurrentMediaItem) return true;
        Macros = &M;
        return false;
    });
}

void THyperText::ResizeMediaRect(const TRect& R) {
    if (!FMediaPlayer || !FMediaPlayer->Display() || RealWidth() == 0 || RealHeight() == 0) return;
    const int64_t w = Width(), h = Height();
    const TRect scaled = Rect(
        static_cast<int>(R.Left * w / RealWidth()), static_cast<int>(R.Top * h / RealHeight()),
        static_cast<int>(R.Right * w / RealWidth()), static_cast<int>(R.Bottom * h / RealHeight()));
    FMediaPlayer->SetDisplayRect(Rect(0, 0, scaled.Width(), scaled.Height()));
    FMediaPlayer->Display()->SetBoundsRect(scaled.Offset(Left(), Top()));
}

// Painting reaches the clip's frame: the first frame painted after an
// interpretation starts the clip (or moves the display over it). Opening a
// clip waits for the media back end, so it is done from the message loop once
// painting is over.
void THyperText::MediaPainted() {
    if (!FMediaStartPending || !FMediaPlayer) return;
    FMediaStartPending = false;
    FMediaStartPosted = true;
    std::weak_ptr<THyperText*> alive = FAlive;
    PostToMessageLoop([alive] {
        if (auto self = alive.lock()) (*self)->StartPendingMedia();
    });
}

// A new text since the posting cancels the start.
void THyperText::StartPendingMedia() {
    if (!FMediaStartPosted) return;
    FMediaStartPosted = false;
    if (FCurrentMediaItem < 0) {
        SetMediaItem(0);
        return;
    }
    int counter = -1;
    THyperMacros* macros = nullptr;
    if (GetMediaMacros(counter, FTextLines, macros)) ResizeMediaRect(macros->Rect);
}

void THyperText::Resize() {
    THyperControl::Resize();
    if (!Stretch() || !FMediaPlayer || !FMediaPlayer->Display() ||
        !FMediaPlayer->Display()->Visible())
        return;
    int counter = -1;
    THyperMacros* macros = nullptr;
    if (GetMediaMacros(counter, FTextLines, macros)) ResizeMediaRect(macros->Rect);
}
