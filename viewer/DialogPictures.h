#pragma once

#include <QPixmap>

// The pictures of the program's dialogs, drawn by the program itself, with
// transparent backgrounds.

// 32 x 32: a red disc with a white cross (an error that ends the program).
QPixmap ErrorIcon();
// 19 x 19: a green tick (the OK panel).
QPixmap OkPicture();
