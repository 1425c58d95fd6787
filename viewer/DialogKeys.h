#pragma once

class QKeyEvent;
class TForm;

// A key pressed in a yes/no dialog: Enter answers Yes, Esc No. Every key is
// the dialog's own, so the main window skips its release (SkipKeyUp).
void AnswerDialogKey(TForm& Dialog, QKeyEvent& Key, bool& SkipKeyUp);
