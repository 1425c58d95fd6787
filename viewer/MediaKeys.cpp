#include "viewer/MediaKeys.h"

#include "hypertext/HyperText.h"
#include "platform/media/MediaPlayer.h"

bool RunMediaKey(THyperText& View, TKeyCommand Command) {
    using enum TKeyCommand;
    if (Command != MediaPause && Command != MediaBack && Command != MediaAhead) return false;
    TMediaPlayer* player = View.MediaPlayer();
    if (!player || View.CurrentMediaItem() < 0) return true;
    if (Command == MediaPause) {
        if (player->Mode() == mpPlaying)
            player->Pause();
        else if (player->Mode() == mpPaused)
            player->Play();
        return true;
    }
    player->SetTimeFormat(tfMilliseconds);
    player->Seek(MediaStepPosition(player->Position(), player->Length(), Command == MediaAhead));
    return true;
}
