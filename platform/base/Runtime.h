#pragma once

#include <functional>

// Lets the platform process pending window messages (nothing without a GUI
// application object). Long work calls this between its steps.
void ProcessMessages();

// The runtime's pseudo-random generator: a value in 0 .. Range - 1.
int Random(int Range);

// Runs Call from the message loop once the current message is handled (at
// once when there is no application object). Work that may wait for events,
// such as opening a media clip, is posted from painting this way.
void PostToMessageLoop(std::function<void()> Call);
