#pragma once

#include <string>

// The frame of every document of a web edition: polyglot XHTML that browsers
// read as HTML and EPUB reading systems as XML.

// The document's start up to and including <body>: title (UTF-8, escaped
// here), the style sheet at StyleHref and the document's own style rules
// (CSS that holds no markup characters).
std::string DocumentStart(const std::string& Title, const std::string& StyleHref,
                          const std::string& Rules = "");
std::string DocumentEnd();

// The edition's style sheet: page area, navigation bar, side boxes, and
// sub-pages as boxes shown over their page while their anchor is the
// document's target (no script needed).
std::string EditionStyleSheet();
