#pragma once

#include "platform/base/Cp1251.h"
#include "platform/base/StringList.h"
#include "platform/base/Types.h"

// The texts of the information window, in code page 1251.

// The about text (page markup), decoded from the program's coded lines.
void AboutText(TStringList& Lines);
// The address a click on the about text opens, decoded.
AnsiString MailLink();
// The fixed markup of the shortcut table: the keys, their toolbar pictures
// (named "N.bmp" after the picture's index) and their descriptions, laid out
// as three columns side by side.
void HotKeysText(TStringList& Lines);
