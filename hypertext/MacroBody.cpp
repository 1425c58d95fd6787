#include "hypertext/MacroBody.h"

#include <climits>
#include <cstddef>

namespace {

bool IsSpace(char C) {
    return C == ' ' || C == '\t' || C == '\n' || C == '\r' || C == '\v' || C == '\f';
}

// Reads the body from a position, format item by format item.
class TBodyScanner {
public:
    explicit TBodyScanner(const AnsiString& Text) : FText(Text) {}

    bool Int(int& Value) {
        size_t p = FPos;
        while (p < FText.size() && IsSpace(FText[p]))
            ++p;
        bool negative = false;
        if (p < FText.size() && (FText[p] == '+' || FText[p] == '-')) negative = FText[p++] == '-';
        const size_t digits = p;
        long long v = 0;
        for (; p < FText.size() && FText[p] >= '0' && FText[p] <= '9'; ++p)
            if (v <= INT_MAX + 1LL) v = v * 10 + (FText[p] - '0');
        if (p == digits) return false;
        v = negative ? -v : v;
        Value = static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
        FPos = p;
        return true;
    }

    bool Literal(char C) {
        if (FPos >= FText.size() || FText[FPos] != C) return false;
        ++FPos;
        return true;
    }

    bool Token(AnsiString& Value, size_t MaxLength) {
        size_t p = FPos;
        while (p < FText.size() && IsSpace(FText[p]))
            ++p;
        const size_t start = p;
        while (p < FText.size() && !IsSpace(FText[p]) && p - start < MaxLength)
            ++p;
        if (p == start) return false;
        Value.assign(FText, start, p - start);
        FPos = p;
        return true;
    }

private:
    const AnsiString& FText;
    size_t FPos = 0;
};

} // namespace

int ScanSizeAndFile(const AnsiString& Body, int& Width, int& Height, AnsiString& File) {
    TBodyScanner s(Body);
    if (!s.Int(Width)) return 0;
    if (!s.Literal(';') || !s.Int(Height)) return 1;
    if (!s.Literal(';') || !s.Token(File, 255)) return 2;
    return 3;
}

int ScanSize(const AnsiString& Body, int& Width, int& Height) {
    TBodyScanner s(Body);
    if (!s.Int(Width)) return 0;
    return s.Literal(';') && s.Int(Height) ? 2 : 1;
}

AnsiString ScanToken(const AnsiString& Body) {
    TBodyScanner s(Body);
    AnsiString token;
    s.Token(token, Body.size());
    return token;
}

AnsiString TrimText(const AnsiString& Text) {
    size_t first = 0, last = Text.size();
    while (first < last && static_cast<unsigned char>(Text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(Text[last - 1]) <= ' ')
        --last;
    return Text.substr(first, last - first);
}
