#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes JSON text. Strings are given in UTF-8. Objects and arrays of scalars
// that fit on one line are written on one line; others one member per line.
class TJsonWriter {
public:
    TJsonWriter& BeginObject();
    TJsonWriter& EndObject();
    TJsonWriter& BeginArray();
    TJsonWriter& EndArray();
    TJsonWriter& Key(const std::string& Name);
    TJsonWriter& String(const std::string& Utf8);
    TJsonWriter& Int(int64_t Value);
    TJsonWriter& UInt(uint64_t Value);
    TJsonWriter& Bool(bool Value);
    TJsonWriter& Null();

    // The text written so far, ending with a line break once complete.
    std::string Text() const;

private:
    struct Level {
        bool object;
        bool empty = true;
        size_t start; // index of the opening bracket in FOut
        bool nested = false;
    };
    void BeforeValue();
    void Close(char Bracket);

    std::string FOut;
    std::vector<Level> FLevels;
    bool FAfterKey = false;
};

// A string as a JSON literal, quotes included.
std::string JsonQuote(const std::string& Utf8);
