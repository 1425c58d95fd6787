#include "data/Manifest.h"

#include <cctype>
#include <cstdio>

namespace {

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Lower(std::string s) {
    for (auto& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Reads a quoted token starting at value[i] == '"'; leaves i after the closing quote.
bool ReadQuoted(const std::string& value, size_t& i, std::string& out, std::string& error) {
    ++i;
    while (i < value.size()) {
        const char c = value[i++];
        if (c == '"') return true;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i >= value.size()) break;
        const char e = value[i++];
        switch (e) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            const int h = i < value.size() ? HexValue(value[i]) : -1;
            const int l = i + 1 < value.size() ? HexValue(value[i + 1]) : -1;
            if (h < 0 || l < 0) {
                error = "bad \\x escape";
                return false;
            }
            out += static_cast<char>(h * 16 + l);
            i += 2;
            break;
        }
        default:
            error = std::string("unknown escape \\") + e;
            return false;
        }
    }
    error = "unterminated string";
    return false;
}

} // namespace

bool ParseManifest(const std::string& Text, std::vector<TManifestEntry>& Entries,
                   std::string& Error) {
    std::string section;
    size_t start = 0;
    int lineNo = 0;
    if (Text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
    while (start <= Text.size()) {
        size_t end = Text.find('\n', start);
        if (end == std::string::npos) end = Text.size();
        const std::string line = Trim(Text.substr(start, end - start));
        ++lineNo;
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') {
                Error = "line " + std::to_string(lineNo) + ": unterminated section header";
                return false;
            }
            section = Lower(Trim(line.substr(1, line.size() - 2)));
            Entries.push_back({section, "", "", lineNo});
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            Error = "line " + std::to_string(lineNo) + ": expected \"key = value\"";
            return false;
        }
        Entries.push_back({section, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), lineNo});
    }
    return true;
}

bool SplitTokens(const std::string& Value, std::vector<std::string>& Tokens, std::string& Error) {
    size_t i = 0;
    while (i < Value.size()) {
        const char c = Value[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == ';' || c == '#') break; // a trailing comment
        std::string token;
        if (c == '"') {
            if (!ReadQuoted(Value, i, token, Error)) return false;
        } else {
            while (i < Value.size() && !std::isspace(static_cast<unsigned char>(Value[i])))
                token += Value[i++];
        }
        Tokens.push_back(token);
    }
    return true;
}

bool ParseStringValue(const std::string& Value, std::string& Text, std::string& Error) {
    Text.clear();
    if (Value.empty() || Value[0] != '"') {
        Text = Value;
        return true;
    }
    size_t i = 0;
    if (!ReadQuoted(Value, i, Text, Error)) return false;
    const std::string rest = Trim(Value.substr(i));
    if (!rest.empty() && rest[0] != ';' && rest[0] != '#') {
        Error = "unexpected text after the string";
        return false;
    }
    return true;
}

std::string QuoteToken(const std::string& Text) {
    std::string out = "\"";
    for (const char c : Text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"')
            out += "\\\"";
        else if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (u < 0x20 || u == 0x7F) {
            char buffer[5];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

bool ParseInt(const std::string& Token, long long Min, long long Max, long long& Value) {
    size_t i = 0;
    bool negative = false;
    if (i < Token.size() && (Token[i] == '-' || Token[i] == '+')) negative = Token[i++] == '-';
    int base = 10;
    if (Token.size() > i + 1 && Token[i] == '0' && (Token[i + 1] == 'x' || Token[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= Token.size()) return false;
    long long v = 0;
    for (; i < Token.size(); ++i) {
        const int d = HexValue(Token[i]);
        if (d < 0 || d >= base) return false;
        v = v * base + d;
        if (v > 0xFFFFFFFFLL) return false;
    }
    if (negative) v = -v;
    // Hexadecimal above the signed range stands for its 32-bit pattern (colours).
    if (base == 16 && v > Max && v <= 0xFFFFFFFFLL && Max == 0x7FFFFFFFLL) v -= 0x100000000LL;
    if (v < Min || v > Max) return false;
    Value = v;
    return true;
}

bool ParseBool(const std::string& Token, bool& Value) {
    const std::string t = Lower(Token);
    if (t == "true" || t == "yes" || t == "on" || t == "1")
        Value = true;
    else if (t == "false" || t == "no" || t == "off" || t == "0")
        Value = false;
    else
        return false;
    return true;
}
