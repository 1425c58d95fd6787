#pragma once

#include <string>

class TfrmPage;

// The main window of the run (not owned here); none outside the run.
extern TfrmPage* frmPage;

// The viewer program under an existing GUI application: creates the main
// window (which loads the textbook), the bookmark list and the information
// window, runs the message loop and frees the windows. An exception escaping
// the start-up is shown in the standard error box. Returns the exit status, 0.
int RunViewer(const std::string& ExeName);
