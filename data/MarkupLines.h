#pragma once

#include "platform/base/Types.h"

#include <string_view>
#include <vector>

// Splits a page's markup into its lines exactly as a string list splits text:
// at CR, LF or a CR LF pair, a final line break adding no empty line, the text
// ending at its first zero byte. Looks for the breaks many bytes at a time and
// sizes the list once, so a page costs one allocation per line and one for
// the list.
std::vector<AnsiString> MarkupLines(std::string_view Text);
