#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

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

// The text styles of one document as classes of its own style sheet, so
// that a style used by many runs is written once.
class TWebClasses {
public:
    // The class name ("s1", "s2", ...) for the CSS declarations Css.
    std::string ClassOf(const std::string& Css);
    // The rules of every class given out, for the document's <style>.
    std::string Rules() const;

private:
    std::map<std::string, std::string> FByCss;
    std::vector<std::string> FRules;
};

// The XHTML of a page's interpreted text: paragraphs (<p>) aligned as their
// first word's style says, line breaks, side boxes as floating columns,
// words grouped into runs of one style (font, size, colour, background,
// shift, hint) written as spans of a class of Classes, indices as <sub>/<sup>, links as <a>.
// Attributes equal to Default's are left to the page's own style.
std::string WebBody(const THyperString& Root, const THyperStyle& Default,
                    const TWebBodyLinks& Links, TWebClasses& Classes);
