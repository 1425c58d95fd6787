#pragma once

#include "platform/base/StringList.h"
#include "platform/base/Types.h"

#include <cstdint>

// Stored texts are coded: each byte becomes two upper-case hexadecimal digits,
// chained to the previous plain byte and mixed with one key byte that is
// stored beside the text.
enum class TCodingType : uint8_t {
    ctChained = 0,   // the one coding that transforms text
    ctRandomKey = 1, // writer only: ctChained with a freshly chosen key; never stored
};

namespace myDefines {

// Number of key bytes of a coding kind: 1 for kind 0, otherwise 0.
int CodeParams(TCodingType Kind);

// Codes Plain into Coded (which may be the same string). Kinds other than 0
// leave the output untouched. Returns true on success.
bool CodeText(TCodingType Kind, AnsiString Plain, AnsiString& Coded, const unsigned char* Key);
bool DecodeText(TCodingType Kind, AnsiString Coded, AnsiString& Plain, const unsigned char* Key);
// Decodes Length coded characters straight into Plain (kind 0 only).
void DecodeChained(const char* Coded, size_t Length, AnsiString& Plain, unsigned char Key);

// Line by line; stops at the first failing line, keeping the lines done so far.
bool CodeText(TCodingType Kind, const TStringList& Source, TStringList& Dest,
              const unsigned char* Key);
bool DecodeText(TCodingType Kind, const TStringList& Source, TStringList& Dest,
                const unsigned char* Key);

} // namespace myDefines
