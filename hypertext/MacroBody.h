#pragma once

#include "platform/base/Types.h"

// Readers of a macro's body, with the rules of the C library's scanf formats
// the markup has always used: %d skips white space and reads an optional sign
// and decimal digits (values beyond 32 bits are clamped), a literal ';' must
// follow at once, and %Ns skips white space and reads at most N characters
// up to the next white space.

// "%d;%d;%255s": width, height and a file token. The count of values read
// (0 to 3); the outputs hold what was read.
int ScanSizeAndFile(const AnsiString& Body, int& Width, int& Height, AnsiString& File);
// "%d;%d;": width and height. The count of values read (0 to 2).
int ScanSize(const AnsiString& Body, int& Width, int& Height);
// "%s": the first token of the body; empty when it holds only white space.
AnsiString ScanToken(const AnsiString& Body);
// Text without white space (space, tab, line breaks, control characters) at
// either end.
AnsiString TrimText(const AnsiString& Text);
