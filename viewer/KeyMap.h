#pragma once

#include <Qt>

// What a released key asks the main window for.
enum class TKeyCommand {
    None,
    First,
    Prev,
    Mark,
    Next,
    Last,
    Backward,
    Forward,
    Contents,
    ZoomOut,
    ZoomIn,
    Information,
    MediaPause, // pause when playing, play when paused
    MediaBack,  // back by a tenth of the clip
    MediaAhead, // forward by a tenth of the clip
    Close,
};

// The main window's key map, acted on when a key is released. Modifiers must
// be exactly the set a key is mapped with (Ctrl with Shift matches nothing);
// the numeric pad's minus and plus zoom, the main keyboard's do not.
TKeyCommand KeyCommand(int Key, Qt::KeyboardModifiers Modifiers);

// The keys readers know from other programs, acted on when pressed: Alt+Left
// and Alt+Right step through the history, Ctrl with the main keyboard's plus
// (or "=", or Shift and plus) and minus zooms. None for every other key,
// the numeric pad's among them; none of these is in KeyCommand's map.
TKeyCommand DesktopKeyCommand(int Key, Qt::KeyboardModifiers Modifiers);

// Where a clip moves from Position by a tenth of Length (back or ahead),
// kept within 0 .. Length - 1.
int MediaStepPosition(int Position, int Length, bool Ahead);
