#include "platform/base/Cp1251.h"

namespace {

// Unicode images of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns false for a malformed one.
bool NextCodePoint(const std::string& text, size_t& i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        ++i;
        return false;
    }
    ++i;
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    return true;
}

} // namespace

char32_t Cp1251ToUnicode(unsigned char Byte) {
    if (Byte < 0x80) return Byte;
    if (Byte >= 0xC0) return 0x0410 + (Byte - 0xC0);
    return kUpperHalf[Byte - 0x80];
}

bool UnicodeToCp1251(char32_t CodePoint, unsigned char& Byte) {
    if (CodePoint < 0x80) {
        Byte = static_cast<unsigned char>(CodePoint);
        return true;
    }
    if (CodePoint >= 0x0410 && CodePoint <= 0x044F) {
        Byte = static_cast<unsigned char>(0xC0 + (CodePoint - 0x0410));
        return true;
    }
    for (int i = 0; i < 64; ++i) {
        if (kUpperHalf[i] == CodePoint) {
            Byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string Cp1251ToUtf8(const AnsiString& Text) {
    std::string out;
    out.reserve(Text.size() * 2);
    for (const char c : Text)
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

AnsiString Utf8ToCp1251(const std::string& Text, bool* Exact) {
    AnsiString out;
    out.reserve(Text.size());
    size_t i = 0;
    while (i < Text.size()) {
        char32_t cp = 0;
        unsigned char byte = '?';
        if (!NextCodePoint(Text, i, cp) || !UnicodeToCp1251(cp, byte)) {
            byte = '?';
            if (Exact) *Exact = false;
        }
        out += static_cast<char>(byte);
    }
    return out;
}

AnsiString TextFileToCp1251(const std::string& Bytes) {
    std::string text = Bytes;
    const bool bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (bom) text.erase(0, 3);
    bool multibyte = false;
    size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        const size_t start = i;
        unsigned char byte = 0;
        if (!NextCodePoint(text, i, cp) || !UnicodeToCp1251(cp, byte)) return bom ? text : Bytes;
        multibyte = multibyte || i - start > 1;
    }
    return multibyte ? Utf8ToCp1251(text) : text;
}
