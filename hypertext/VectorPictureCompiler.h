#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <vector>

// Compiles a vector picture script into byte code. A statement is
// bcStatement and the command number, then one record per parameter; the
// code ends with bcEnd. Statements the compiler cannot use (lexical errors,
// unknown words, values outside their command's table, failed conversions)
// compile to nothing; the lexer resumes after the next ")" or ";".
//
// Choices where the language leaves room:
// - white space between the last parameter and ")" is accepted;
// - a string parameter is only ever a quoted string: without one it is
//   omitted;
// - an error on a statement's closing ")" drops that statement only;
// - the code grows as needed, so a script of any length compiles whole.
namespace vpic {

constexpr uint8_t bcEnd = 0x00;
constexpr uint8_t bcStatement = 0x70; // 'p', then the command number
constexpr uint8_t bcInteger = 0x69;   // 'i', then 4 bytes little-endian
constexpr uint8_t bcByte = 0x62;      // 'b', then 1 byte
constexpr uint8_t bcString = 0x73;    // 's', then a length byte and the characters
constexpr uint8_t bcDefault = 0x64;   // 'd': omitted, decided at paint time

// At most this many parameters of a statement are used.
constexpr int kMaxParameters = 128;
constexpr size_t kMaxToken = 255;

std::vector<uint8_t> CompileVectorPicture(const AnsiString& Text);

} // namespace vpic
