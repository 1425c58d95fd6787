#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <vector>

// Compiles page markup into its flat record form (see MarkupKeywords.h for the
// record tags). A table-driven lexer reads the text once; tags it cannot use
// compile to nothing. The record buffer grows as needed, so a page of any
// length compiles whole.
std::vector<uint8_t> CompileMarkup(const AnsiString& Text);
