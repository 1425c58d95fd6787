#pragma once

#include <cstddef>

// The inner loop of chained decoding, many bytes at a time.
//
// Each plain byte comes from a pair of coded digits: a digit is worth x - 55
// above '9' and x - 48 otherwise (the byte compared as signed, so nothing is
// rejected), the pair is worth 16 * high + low modulo 256, and the plain byte
// is the previous plain byte (the key before the first) plus (pair XOR key).
// Both steps are data-parallel: the digits byte by byte, the chaining as a
// running sum modulo 256.
namespace myDefines {

// Decodes Count pairs of digits at Coded into Count bytes at Plain, chaining
// from Previous (the key for a text's first byte). Returns the last plain
// byte written, or Previous when Count is 0. Plain must not overlap Coded.
unsigned char DecodeChainedPairs(const char* Coded, size_t Count, char* Plain, unsigned char Key,
                                 unsigned char Previous);

// The same one byte at a time: the reference for the vector code, and its tail.
unsigned char DecodeChainedPairsScalar(const char* Coded, size_t Count, char* Plain,
                                       unsigned char Key, unsigned char Previous);

// Name of the instruction set DecodeChainedPairs uses on this build ("SSE2",
// "NEON" or "scalar"), for benchmarks and test names.
const char* ChainedDecodingVectorUnit();

} // namespace myDefines
