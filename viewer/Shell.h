#pragma once

#include "platform/base/Types.h"

#include <functional>

// Opens a reaction's shell file with the desktop's default application: a
// text with a URL scheme (http:, https:, mailto:, file:) as that URL, any
// other as a Windows or local file name relative to the current folder.
void ShellOpen(const AnsiString& File);

// Replaces what ShellOpen does (tests intercept it); an empty handler
// restores the desktop.
using TShellHandler = std::function<void(const AnsiString& File)>;
void SetShellHandler(TShellHandler Handler);
