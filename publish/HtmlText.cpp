#include "publish/HtmlText.h"

#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"

#include <cstdio>

std::string XmlEscape(const std::string& Utf8) {
    std::string out;
    out.reserve(Utf8.size() + Utf8.size() / 8);
    for (const char ch : Utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += ch;
        }
    }
    return out;
}

std::string XmlText(const AnsiString& Text) {
    // U+0098, the image of the one unassigned byte, is a C1 control: dropped.
    std::string utf8 = Cp1251ToUtf8(Text);
    for (size_t at; (at = utf8.find("\xC2\x98")) != std::string::npos;)
        utf8.erase(at, 2);
    return XmlEscape(utf8);
}

std::string CssColor(TColor Color) {
    const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(Color));
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb & 0xFF, (rgb >> 8) & 0xFF,
                  (rgb >> 16) & 0xFF);
    return text;
}

std::string UrlPath(const std::string& RelativePath) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : RelativePath) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '~' ||
                           c == '/';
        if (plain) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}
