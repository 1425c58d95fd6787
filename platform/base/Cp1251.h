#pragma once

#include "platform/base/Types.h"

#include <string>

// Conversion between code page 1251 byte strings and Unicode. Every byte has a
// Unicode image (the one unassigned byte, 0x98, maps to U+0098), so a 1251 text
// survives a round trip through UTF-8 unchanged.

char32_t Cp1251ToUnicode(unsigned char Byte);
// The 1251 byte of a code point; false when the code point has none.
bool UnicodeToCp1251(char32_t CodePoint, unsigned char& Byte);

std::string Cp1251ToUtf8(const AnsiString& Text);
// Converts UTF-8 to 1251. Characters without a 1251 byte, and malformed UTF-8,
// become '?' and clear *Exact when it is given.
AnsiString Utf8ToCp1251(const std::string& Text, bool* Exact = nullptr);

// The text of a file as code page 1251: UTF-8 text (with or without a byte
// order mark) is converted when it is valid UTF-8 that code page 1251 can
// hold; any other bytes are taken as code page 1251 already.
AnsiString TextFileToCp1251(const std::string& Bytes);
