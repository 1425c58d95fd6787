#pragma once

// Lets the platform process pending window messages (nothing without a GUI
// application object). Long work calls this between its steps.
void ProcessMessages();

// The runtime's pseudo-random generator: a value in 0 .. Range - 1.
int Random(int Range);
