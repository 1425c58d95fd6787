#include "platform/base/AnsiText.h"

#include "platform/base/Cp1251.h"

#include <array>

namespace {

// Upper-case bytes of 1251 below 0xC0 with their lower-case partners.
constexpr unsigned char kCasePairs[][2] = {
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
};

struct CaseTables {
    std::array<unsigned char, 256> lower{};
    std::array<unsigned char, 256> upper{};
    std::array<unsigned, 256> order{}; // sort key of the lower-case byte

    CaseTables() {
        for (int c = 0; c < 256; ++c)
            lower[c] = upper[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c) {
            lower[c] = static_cast<unsigned char>(c + 32);
            upper[c + 32] = static_cast<unsigned char>(c);
        }
        for (int c = 0xC0; c <= 0xDF; ++c) {
            lower[c] = static_cast<unsigned char>(c + 32);
            upper[c + 32] = static_cast<unsigned char>(c);
        }
        for (const auto& pair : kCasePairs) {
            lower[pair[0]] = pair[1];
            upper[pair[1]] = pair[0];
        }
        // Unicode order, except that ё (U+0451) sorts right after е.
        for (int c = 0; c < 256; ++c) {
            const char32_t cp = Cp1251ToUnicode(static_cast<unsigned char>(c));
            order[c] = static_cast<unsigned>(cp) * 2;
            if (cp == 0x0451) order[c] = 0x0435 * 2 + 1;
        }
    }
};

const CaseTables& Tables() {
    static const CaseTables tables;
    return tables;
}

} // namespace

unsigned char AnsiLowerChar(unsigned char C) {
    return Tables().lower[C];
}
unsigned char AnsiUpperChar(unsigned char C) {
    return Tables().upper[C];
}

AnsiString AnsiLowerCase(const AnsiString& S) {
    AnsiString out(S);
    for (auto& c : out)
        c = static_cast<char>(AnsiLowerChar(static_cast<unsigned char>(c)));
    return out;
}

AnsiString AnsiUpperCase(const AnsiString& S) {
    AnsiString out(S);
    for (auto& c : out)
        c = static_cast<char>(AnsiUpperChar(static_cast<unsigned char>(c)));
    return out;
}

int AnsiCompareText(const AnsiString& S1, const AnsiString& S2) {
    const auto& t = Tables();
    const size_t n = S1.size() < S2.size() ? S1.size() : S2.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned a = t.order[t.lower[static_cast<unsigned char>(S1[i])]];
        const unsigned b = t.order[t.lower[static_cast<unsigned char>(S2[i])]];
        if (a != b) return a < b ? -1 : 1;
    }
    if (S1.size() == S2.size()) return 0;
    return S1.size() < S2.size() ? -1 : 1;
}

bool AnsiSameText(const AnsiString& S1, const AnsiString& S2) {
    if (S1.size() != S2.size()) return false;
    const auto& t = Tables();
    for (size_t i = 0; i < S1.size(); ++i)
        if (t.lower[static_cast<unsigned char>(S1[i])] !=
            t.lower[static_cast<unsigned char>(S2[i])])
            return false;
    return true;
}
