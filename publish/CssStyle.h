#pragma once

#include <string>

class TFont;
class THyperStyle;

// CSS of the page's text attributes, written into style attributes.

// The font of a run of text: family (with the metric-compatible fonts the
// viewer draws with, then a generic family), size in pixels, weight, italic,
// underline and strike-out, and colour.
std::string CssFont(const TFont& Font);
// A word style: its font and, when the style has one, its background.
std::string CssWordStyle(const THyperStyle& Style);
// The text-align value of a line's alignment (justified for the page
// alignment).
const char* CssAlign(const THyperStyle& Style);
// The line height of a style with an interval (extra pixels above each of
// its lines), as a factor of the font size; empty without one.
std::string CssLineHeight(const THyperStyle& Style);
