#include "publish/WebBody.h"

#include "hypertext/HyperDocument.h"
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperStyle.h"
#include "platform/base/Colors.h"
#include "publish/CssStyle.h"
#include "publish/HtmlText.h"

#include <map>
#include <tuple>

namespace {

// One run of words written alike.
struct TRunKey {
    const THyperStyle* Style = nullptr;
    int LinkId = -1;
    uint8_t IndexKind = 0;
    int ShiftX = 0;
    int ShiftY = 0;
    const AnsiString* Hint = nullptr;

    bool SameAs(const TRunKey& O) const {
        return Style == O.Style && LinkId == O.LinkId && IndexKind == O.IndexKind &&
               O.ShiftX == 0 && ShiftX == 0 && ShiftY == O.ShiftY &&
               (Hint == O.Hint || (Hint && O.Hint && *Hint == *O.Hint));
    }
};

class TBodyWriter {
public:
    TBodyWriter(const THyperStyle& Default, const TWebBodyLinks& Links, TWebClasses& Classes)
        : FDefault(Default), FDefaultCss(CssWordStyle(Default)), FLinks(Links), FClasses(Classes) {}

    void String(const THyperString& Text);
    std::string Finish() {
        CloseParagraph();
        return std::move(FOut);
    }

private:
    void Word(const THyperWord& Word);
    void SideBox(const THyperBorder& Box, const THyperStyle& Anchor);
    void OpenParagraph(const THyperWord& First);
    void CloseParagraph();
    void OpenRun(const TRunKey& Key);
    void CloseRun();
    // The CSS of a run's style that differs from the page's default style.
    std::string RunCss(const TRunKey& Key);

    const THyperStyle& FDefault;
    std::string FDefaultCss;
    const TWebBodyLinks& FLinks;
    TWebClasses& FClasses;
    std::string FOut;
    bool FInParagraph = false;
    bool FRunOpen = false;
    bool FHasContent = false; // something was written since the paragraph or line began
    int FShiftY = 0;          // the vertical shift reached on the line
    TRunKey FRun;
    std::string FRunClose;
    std::map<std::tuple<const THyperStyle*, bool, bool>, std::string> FCss;
};

void TBodyWriter::OpenParagraph(const THyperWord& First) {
    const std::string lineHeight = CssLineHeight(*First.Style);
    FOut += std::string("<p style=\"text-align:") + CssAlign(*First.Style) +
            (lineHeight.empty() ? "" : ";" + lineHeight) + "\">";
    FInParagraph = true;
    FHasContent = false;
    FShiftY = 0;
}

void TBodyWriter::CloseParagraph() {
    CloseRun();
    if (FInParagraph) FOut += "</p>\n";
    FInParagraph = false;
    FHasContent = false;
}

std::string TBodyWriter::RunCss(const TRunKey& Key) {
    const bool link = Key.LinkId != -1;
    std::string& css = FCss[{Key.Style, link, Key.IndexKind != 0}];
    if (css.empty()) {
        // A link is drawn in the link colour, underlined unless it is an index.
        std::string full = CssWordStyle(*Key.Style);
        if (link) {
            THyperStyle linkStyle;
            linkStyle.Assign(*Key.Style);
            TFont& font = *linkStyle.Font();
            font.SetColor(Key.Style->LinkColor());
            if (Key.Style->UnderlineLinks() && Key.IndexKind == 0)
                font.SetStyle(font.Style() + TFontStyles{fsUnderline});
            full = CssWordStyle(linkStyle);
        }
        css = full == FDefaultCss ? std::string(" ") : full;
    }
    return css == " " ? std::string() : css;
}

void TBodyWriter::OpenRun(const TRunKey& Key) {
    FRun = Key;
    FRunOpen = true;
    FRunClose.clear();
    if (Key.LinkId != -1) {
        const std::string href = FLinks.Href ? FLinks.Href(Key.LinkId) : std::string();
        if (!href.empty()) {
            FOut += "<a href=\"" + XmlEscape(href) + "\"";
            if (Key.Hint && !Key.Hint->empty()) FOut += " title=\"" + XmlText(*Key.Hint) + "\"";
            FOut += ">";
            FRunClose = "</a>";
        }
    }
    const std::string runCss = RunCss(Key);
    const std::string cls = runCss.empty() ? std::string() : FClasses.ClassOf(runCss);
    std::string css;
    if (Key.ShiftX)
        css += (css.empty() ? "" : ";") + std::string("margin-left:") + std::to_string(Key.ShiftX) +
               "px";
    if (Key.ShiftY)
        css += (css.empty() ? "" : ";") + std::string("position:relative;top:") +
               std::to_string(Key.ShiftY) + "px";
    const bool titled = FRunClose.empty() && Key.Hint && !Key.Hint->empty();
    if (!cls.empty() || !css.empty() || titled) {
        FOut += "<span";
        if (!cls.empty()) FOut += " class=\"" + cls + "\"";
        if (!css.empty()) FOut += " style=\"" + XmlEscape(css) + "\"";
        if (titled) FOut += " title=\"" + XmlText(*Key.Hint) + "\"";
        FOut += ">";
        FRunClose.insert(0, "</span>");
    }
    if (Key.IndexKind) {
        FOut += Key.IndexKind == 1 ? "<sub>" : "<sup>";
        FRunClose.insert(0, Key.IndexKind == 1 ? "</sub>" : "</sup>");
    }
}

void TBodyWriter::CloseRun() {
    if (FRunOpen) FOut += FRunClose;
    FRunOpen = false;
}

void TBodyWriter::Word(const THyperWord& W) {
    if (W.Border) {
        CloseParagraph();
        SideBox(*W.Border, *W.Style);
    }
    const bool hasText = !W.Text.empty();
    const bool hasObject = W.Macros && W.Macros->Kind != mkNone;
    if (hasObject && W.Macros->Placement == mpBackground) {
        if (FLinks.Background) FLinks.Background(*W.Macros);
    } else if (hasText || hasObject) {
        if (!FInParagraph) OpenParagraph(W);
        // Vertical shifts add up along a line; a horizontal one moves its word only.
        FShiftY += W.ShiftY;
        const TRunKey key{W.Style.get(), W.LinkId, W.IndexKind, W.ShiftX, FShiftY, &W.Hint};
        if (FRunOpen && !key.SameAs(FRun)) CloseRun();
        if (!W.Joined && FHasContent) FOut += ' ';
        if (hasObject) {
            // An object stands on the page itself: no text style or background
            // around it, only its link.
            CloseRun();
            const std::string href =
                W.LinkId != -1 && FLinks.Href ? FLinks.Href(W.LinkId) : std::string();
            if (!href.empty()) FOut += "<a href=\"" + XmlEscape(href) + "\">";
            FOut += FLinks.Object ? FLinks.Object(*W.Macros) : std::string();
            if (!href.empty()) FOut += "</a>";
        } else {
            if (!FRunOpen) OpenRun(key);
            if (W.Text.find_first_not_of(' ') == std::string::npos) {
                // Spaces the markup asked for (SPACE, NBSPC, TAB) keep their width.
                for (size_t i = 0; i < W.Text.size(); ++i)
                    FOut += "&#160;";
            } else {
                FOut += XmlText(W.Text);
            }
        }
        FHasContent = true;
    }
    if (W.ParagraphEnd) {
        CloseParagraph();
        if (W.ClearBorders) FOut += "<div style=\"clear:both\"></div>\n";
    } else if (W.LineBreak && FInParagraph) {
        CloseRun();
        FOut += "<br/>";
        FHasContent = false;
        FShiftY = 0;
    }
}

// A side box floats at its edge below the earlier boxes of its side; the
// anchor's margin keeps the text beside it apart from its inner edge. Its
// content's background colour fills the content's column.
void TBodyWriter::SideBox(const THyperBorder& Box, const THyperStyle& Anchor) {
    if (!Box.Content) return;
    std::string style;
    if (Box.Side == 1 || Box.Side == 2) {
        const bool left = Box.Side == 1;
        const int m = Anchor.OverBorders() || Anchor.Margin() >= Box.Width ? 0 : Anchor.Margin();
        style = std::string("float:") + (left ? "left" : "right") +
                ";clear:" + (left ? "left" : "right") + ";width:" + std::to_string(Box.Width) +
                "px;padding-" + (left ? "right" : "left") + ":" + std::to_string(m) +
                "px;margin-bottom:" + std::to_string(m) + "px";
    }
    const THyperWord& first = *Box.Content->First();
    std::string inner;
    if (first.Style && first.Style->Background())
        inner = " style=\"background-color:" + CssColor(first.Style->BackColor()) + "\"";
    FOut += "<div class=\"plb-side\" style=\"" + style + "\"><div" + inner + ">\n";
    TBodyWriter writer(FDefault, FLinks, FClasses);
    writer.String(*Box.Content);
    FOut += writer.Finish() + "</div></div>\n";
}

// Every word but the last, which is the interpretation's open word.
void TBodyWriter::String(const THyperString& Text) {
    for (int i = 0; i + 1 < Text.Count(); ++i)
        Word(*Text.Word(i));
    // The open word may still carry a side box or an object.
    if (Text.Count() > 0 && (Text.Last()->Border || Text.Last()->Macros)) Word(*Text.Last());
}

} // namespace

std::string TWebClasses::ClassOf(const std::string& Css) {
    std::string& name = FByCss[Css];
    if (name.empty()) {
        FRules.push_back(Css);
        name = "s" + std::to_string(FRules.size());
    }
    return name;
}

std::string TWebClasses::Rules() const {
    std::string rules;
    for (size_t i = 0; i < FRules.size(); ++i)
        rules += ".s" + std::to_string(i + 1) + " { " + FRules[i] + " }\n";
    return rules;
}

std::string WebBody(const THyperString& Root, const THyperStyle& Default,
                    const TWebBodyLinks& Links, TWebClasses& Classes) {
    TBodyWriter writer(Default, Links, Classes);
    writer.String(Root);
    return writer.Finish();
}
