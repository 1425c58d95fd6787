#pragma once

#include <functional>
#include <string>

class THyperMacros;
class THyperString;
class THyperStyle;

// What the text of a page needs from the edition it is written for.
struct TWebBodyLinks {
    // The link's address for link number Id of the page; "" when the link
    // leads nowhere (the words are then written as plain text).
    std::function<std::string(int Id)> Href;
    // The XHTML of an inline object (picture, vector picture, media clip).
    std::function<std::string(THyperMacros& Macros)> Object;
    // A background object of the page (tiled, centred or stretched picture).
    std::function<void(THyperMacros& Macros)> Background;
};

// The XHTML of a page's interpreted text: paragraphs (<p>) aligned as their
// first word's style says, line breaks, side boxes as floating columns,
// words grouped into runs of one style (font, size, colour, background,
// shift, hint) written as spans, indices as <sub>/<sup>, links as <a>.
// Attributes equal to Default's are left to the page's own style.
std::string WebBody(const THyperString& Root, const THyperStyle& Default,
                    const TWebBodyLinks& Links);
