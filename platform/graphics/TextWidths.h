#pragma once

#include "platform/base/Font.h"

#include <memory>
#include <string>

// The advance widths of text in one font, exactly as every canvas sets and
// measures it (glyph by glyph, without kerning). Layout keeps one per font and
// measures every word through it without touching a canvas.
class TFontTextWidths {
public:
    virtual ~TFontTextWidths() = default;
    // The advance width of a code page 1251 text in whole pixels.
    virtual int TextWidth(const std::string& Text) const = 0;
};

// The text widths of Font, shared with every canvas that uses the same font.
std::shared_ptr<const TFontTextWidths> TextWidthsFor(const TFont& Font);
