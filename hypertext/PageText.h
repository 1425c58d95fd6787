#pragma once

#include "platform/base/Types.h"

// The text a reader sees on a page, without its markup: the text runs in
// page order, with every break and run of white space (paragraphs, lines,
// tabs, spaces) as one space and no space at either end. The bodies of
// macros (pictures, clips, drawings) and tag values (hints, fonts) are not
// text. Read through the page compiler, so it agrees with what is shown.
AnsiString PageText(const AnsiString& Markup);
