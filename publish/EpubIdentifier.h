#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// SHA-1 of a stream of bytes, fed in pieces.
class TSha1 {
public:
    TSha1();
    void Update(std::string_view Data);
    std::array<uint8_t, 20> Finish();

private:
    void Block(const uint8_t* Data);

    std::array<uint32_t, 5> FState;
    std::array<uint8_t, 64> FBuffer{};
    size_t FBuffered = 0;
    uint64_t FLength = 0;
};

// A name-based (version 5) UUID of Name in the URL namespace, as
// "urn:uuid:xxxxxxxx-xxxx-5xxx-yxxx-xxxxxxxxxxxx": the same name always gives
// the same identifier, different names practically never do.
std::string NameBasedUrnUuid(std::string_view Name);
