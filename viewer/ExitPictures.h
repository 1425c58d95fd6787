#pragma once

#include <QPixmap>

// The pictures of the exit dialog and the information window, drawn by the
// program itself with transparent backgrounds.

// 32 x 32: a blue disc with a white question mark.
QPixmap QuestionIcon();
// 19 x 19: a red cross (the "no" panel; the "yes" panel shows the green tick).
QPixmap NoPicture();
// Size x Size (64 unless asked): an open book, the program's icon.
QPixmap BookIcon(int Size = 64);
