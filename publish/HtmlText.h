#pragma once

#include "platform/base/Types.h"

#include <string>

// Text and attribute values for XHTML and SVG documents, which must stay
// well-formed XML: the markup characters escaped, and characters XML does
// not allow (controls other than tab and line ends) dropped.

// Escapes UTF-8 text.
std::string XmlEscape(const std::string& Utf8);
// Converts book text (code page 1251) to UTF-8 and escapes it.
std::string XmlText(const AnsiString& Text);
// A colour as CSS and SVG write it: "#rrggbb" (system colours resolved).
std::string CssColor(TColor Color);
// A relative path as a link's value: each component percent-encoded where
// it holds characters other than letters, digits and "-_.~/".
std::string UrlPath(const std::string& RelativePath);
