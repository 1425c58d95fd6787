#include "common/HexBytes.h"

std::string HexBytes(const std::vector<uint8_t>& Bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(Bytes.size() * 3);
    for (size_t i = 0; i < Bytes.size(); ++i) {
        if (i) hex += ' ';
        hex += digits[Bytes[i] >> 4];
        hex += digits[Bytes[i] & 15];
    }
    return hex;
}
