#pragma once

#include <cstdint>

// The parameters each command of the vector picture language takes.
namespace vpic {

// Parameter kinds of a signature: a 32-bit integer, a byte (stored as its
// low 8 bits), a string, or a digit naming the value table of the position
// (stored as a 32-bit integer).
constexpr char pkInteger = 'i';
constexpr char pkByte = 'b';
constexpr char pkString = 's';

// Group size of commands whose parameters do not repeat.
constexpr uint8_t kNoGroup = 255;

struct TVectorSignature {
    uint8_t Group;     // parameters per repetition after the signature, or kNoGroup
    const char* Kinds; // one kind per fixed parameter
    int Length() const;
};

// The signature of a command (0 to 44).
const TVectorSignature& Signature(int Command);

// The value table that word parameters of a command are looked up in, or -1
// when any value word of the whole list is accepted.
int CommandTable(int Command);

} // namespace vpic
