#include "publish/EpubIdentifier.h"

#include <cstdio>

namespace {

uint32_t RotateLeft(uint32_t Value, int Bits) {
    return Value << Bits | Value >> (32 - Bits);
}

// The URL namespace of name-based UUIDs (6ba7b811-9dad-11d1-80b4-00c04fd430c8).
constexpr uint8_t kUrlNamespace[16] = {0x6b, 0xa7, 0xb8, 0x11, 0x9d, 0xad, 0x11, 0xd1,
                                       0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};

} // namespace

TSha1::TSha1() : FState{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

void TSha1::Block(const uint8_t* Data) {
    uint32_t w[80];
    for (int i = 0; i < 16; ++i)
        w[i] = uint32_t{Data[4 * i]} << 24 | uint32_t{Data[4 * i + 1]} << 16 |
               uint32_t{Data[4 * i + 2]} << 8 | Data[4 * i + 3];
    for (int i = 16; i < 80; ++i)
        w[i] = RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    uint32_t a = FState[0], b = FState[1], c = FState[2], d = FState[3], e = FState[4];
    for (int i = 0; i < 80; ++i) {
        uint32_t f, k;
        if (i < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999;
        } else if (i < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (i < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        const uint32_t t = RotateLeft(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = RotateLeft(b, 30);
        b = a;
        a = t;
    }
    FState[0] += a;
    FState[1] += b;
    FState[2] += c;
    FState[3] += d;
    FState[4] += e;
}

void TSha1::Update(std::string_view Data) {
    FLength += Data.size();
    for (const char c : Data) {
        FBuffer[FBuffered++] = static_cast<uint8_t>(c);
        if (FBuffered == FBuffer.size()) {
            Block(FBuffer.data());
            FBuffered = 0;
        }
    }
}

std::array<uint8_t, 20> TSha1::Finish() {
    const uint64_t bits = FLength * 8;
    Update(std::string_view("\x80", 1));
    while (FBuffered != 56)
        Update(std::string_view("\0", 1));
    char length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<char>(bits >> (56 - 8 * i));
    Update(std::string_view(length, 8));
    std::array<uint8_t, 20> digest;
    for (size_t i = 0; i < digest.size(); ++i)
        digest[i] = static_cast<uint8_t>(FState[i / 4] >> (24 - 8 * (i % 4)));
    return digest;
}

std::string NameBasedUrnUuid(std::string_view Name) {
    TSha1 sha;
    sha.Update(std::string_view(reinterpret_cast<const char*>(kUrlNamespace), 16));
    sha.Update(Name);
    std::array<uint8_t, 20> d = sha.Finish();
    d[6] = static_cast<uint8_t>((d[6] & 0x0F) | 0x50); // version 5
    d[8] = static_cast<uint8_t>((d[8] & 0x3F) | 0x80); // RFC 4122 variant
    std::string text = "urn:uuid:";
    char hex[3];
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        std::snprintf(hex, sizeof hex, "%02x", d[static_cast<size_t>(i)]);
        text += hex;
    }
    return text;
}
