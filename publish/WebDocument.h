#pragma once

#include <string>

// The frame of every document of a web edition: polyglot XHTML that browsers
// read as HTML and EPUB reading systems as XML.

// The document's start up to and including <body>: title (UTF-8, escaped
// here) and the style sheet at StyleHref.
std::string DocumentStart(const std::string& Title, const std::string& StyleHref);
std::string DocumentEnd();

// The edition's style sheet: page area, navigation bar, side boxes, and
// sub-pages as boxes shown over their page while their anchor is the
// document's target (no script needed).
std::string EditionStyleSheet();
