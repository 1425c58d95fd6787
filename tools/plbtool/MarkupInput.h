#pragma once

#include "platform/base/Types.h"

#include <string>

// Reads a markup file as a page's text: its lines (in UTF-8 or code page 1251)
// joined by CR LF. False with Error when the file cannot be read.
bool ReadMarkupFile(const std::string& FileName, AnsiString& Text, std::string& Error);
