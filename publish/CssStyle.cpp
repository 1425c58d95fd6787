#include "publish/CssStyle.h"

#include "hypertext/HyperStyle.h"
#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "publish/HtmlText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The faces the viewer maps to the metric-compatible fonts, and the family a
// browser falls back to.
struct TFaceMapping {
    const char* Face;
    const char* Family;
};

constexpr TFaceMapping FaceMappings[] = {
    {"times new roman", "'Times New Roman', 'Liberation Serif', serif"},
    {"arial", "Arial, 'Liberation Sans', sans-serif"},
    {"courier new", "'Courier New', 'Liberation Mono', monospace"},
};

// A face name as a CSS string: characters that would end the string or the
// attribute are dropped.
std::string QuotedFace(const AnsiString& Name) {
    std::string face;
    for (const char c : Cp1251ToUtf8(Name))
        if (c != '\'' && c != '"' && c != '\\' && c != '<' && c != '>' && c != '&' && c != ';' &&
            static_cast<unsigned char>(c) >= 0x20)
            face += c;
    return face.empty() ? std::string() : "'" + face + "', ";
}

std::string FontFamily(const TFont& Font) {
    const AnsiString name = AnsiLowerCase(Font.Name());
    for (const TFaceMapping& m : FaceMappings)
        if (name == m.Face) return m.Family;
    const char* generic = Font.Pitch() == fpFixed ? "monospace" : "'DejaVu Sans', sans-serif";
    return QuotedFace(Font.Name()) + generic;
}

// The em height in pixels: a negative height is the em height, a positive one
// the cell height (about 1.15 em for the faces books use), 0 the default 12.
int EmPixels(const TFont& Font) {
    const int h = Font.Height();
    if (h == 0) return 12;
    const int64_t height = h;
    if (height < 0) return static_cast<int>(std::min<int64_t>(-height, 2000));
    return static_cast<int>(std::clamp<int64_t>((height * 100 + 57) / 115, 1, 2000));
}

} // namespace

std::string CssFont(const TFont& Font) {
    std::string css =
        "font-family:" + FontFamily(Font) + ";font-size:" + std::to_string(EmPixels(Font)) + "px";
    const TFontStyles style = Font.Style();
    const int weight = Font.Weight();
    if (weight > 0 && weight != 400)
        css += ";font-weight:" + std::to_string(std::clamp((weight + 50) / 100 * 100, 100, 900));
    else if (style.Contains(fsBold))
        css += ";font-weight:700";
    if (style.Contains(fsItalic)) css += ";font-style:italic";
    const bool under = style.Contains(fsUnderline);
    const bool strike = style.Contains(fsStrikeOut);
    if (under || strike)
        css += std::string(";text-decoration:") + (under ? "underline" : "") +
               (under && strike ? " " : "") + (strike ? "line-through" : "");
    css += ";color:" + CssColor(Font.Color());
    return css;
}

std::string CssWordStyle(const THyperStyle& Style) {
    std::string css = CssFont(*Style.Font());
    if (Style.Background()) css += ";background-color:" + CssColor(Style.BackColor());
    return css;
}

std::string CssLineHeight(const THyperStyle& Style) {
    if (Style.Interval() == 0) return "";
    // The viewer's line is the font's cell (about 1.15 em) and the interval;
    // as a factor the height follows larger fonts within the paragraph.
    const double em = EmPixels(*Style.Font());
    const double factor = std::clamp((1.15 * em + Style.Interval()) / em, 0.5, 20.0);
    char text[32];
    std::snprintf(text, sizeof text, "line-height:%.3g", factor);
    return text;
}

const char* CssAlign(const THyperStyle& Style) {
    switch (Style.Alignment()) {
    case haCenter:
        return "center";
    case haRight:
        return "right";
    case haPage:
        return "justify";
    default:
        return "left";
    }
}
