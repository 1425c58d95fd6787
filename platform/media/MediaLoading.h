#pragma once

#include <string>

class QMediaPlayer;

// Runs the message loop until the clip just given to Player has loaded, has
// failed or has taken more than TimeoutMs; false with a one-line reason
// unless it loaded. User input waits meanwhile, so no click reaches a player
// that is opening.
bool WaitUntilLoaded(QMediaPlayer& Player, int TimeoutMs, std::string& Error);
