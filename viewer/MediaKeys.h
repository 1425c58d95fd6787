#pragma once

#include "viewer/KeyMap.h"

class THyperText;

// The media keys on View's selected clip: pause a playing clip or play a
// paused one, or seek back or ahead by a tenth of its length. False (nothing
// done) for other commands; nothing happens without a selected clip.
bool RunMediaKey(THyperText& View, TKeyCommand Command);
