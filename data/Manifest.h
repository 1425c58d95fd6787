#pragma once

#include <string>
#include <vector>

// The line format of book manifests: "[section]" headers, "key = value"
// entries, comments starting with ';' or '#'. A value is a list of tokens:
// double-quoted strings (escapes \" \\ \n \r \t \xHH) or bare words.

struct TManifestEntry {
    std::string Section; // lower-cased section name
    std::string Key;
    std::string Value; // raw text after '=', trimmed
    int Line = 0;
};

// Splits a manifest into entries; false with Error (line number included)
// for a line that is neither a section, an entry, a comment nor blank.
bool ParseManifest(const std::string& Text, std::vector<TManifestEntry>& Entries,
                   std::string& Error);
// Splits a value into tokens; false for an unterminated string or a bad escape.
bool SplitTokens(const std::string& Value, std::vector<std::string>& Tokens, std::string& Error);
// A value that is one string: a single quoted token, or the bare text as is.
bool ParseStringValue(const std::string& Value, std::string& Text, std::string& Error);
// A string as a quoted token.
std::string QuoteToken(const std::string& Text);
// Integer tokens: decimal or 0x hexadecimal, optional sign; must fit in 32 bits.
bool ParseInt(const std::string& Token, long long Min, long long Max, long long& Value);
bool ParseBool(const std::string& Token, bool& Value);
