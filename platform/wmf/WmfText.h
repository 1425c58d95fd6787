#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Text of metafile records as Unicode. Single-byte strings are in the code
// page of the selected font's character set: RUSSIAN_CHARSET (204) is code
// page 1251, the others are read as code page 1252 (the Western page that
// ANSI_CHARSET and DEFAULT_CHARSET mean on the systems that write them).

std::u16string DecodeAnsiText(const uint8_t* Bytes, size_t Count, uint8_t CharSet);

// UTF-16LE code units from a record, read byte by byte (records need not be
// aligned for char16_t).
std::u16string DecodeUtf16Text(const uint8_t* Bytes, size_t Count);

// A NUL-terminated face name of at most MaxUnits units, as UTF-8.
std::string FaceNameFromUtf16(const uint8_t* Bytes, size_t MaxUnits);
std::string FaceNameFromAnsi(const uint8_t* Bytes, size_t MaxBytes, uint8_t CharSet);
