#include "publish/WebBody.h"

#include "hypertext/HyperDocument.h"
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperStyle.h"
#include "platform/base/Colors.h"
#include "publish/CssStyle.h"
#include "publish/HtmlText.h"

#include <map>

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
               ShiftX == O.ShiftX && ShiftY == O.ShiftY &&
               (Hint == O.Hint || (Hint && O.Hint && *Hint == *O.Hint));
    }
};

class TBodyWriter {
public:
    TBodyWriter(const THyperStyle& Default, const TWebBodyLinks& Links)
        : FDefault(Default), FDefaultCss(CssWordStyle(Default)), FLinks(Links) {}

    void String(const THyperString& Text);
    std::string Finish() {
        CloseParagraph();
        return std::move(FOut);
    }

private:
    void Word(const THyperWord& Word);
    void SideBox(const THyperBorder& Box);
    void OpenParagraph(const THyperWord& First);
    void CloseParagraph();
    void OpenRun(const TRunKey& Key);
    void CloseRun();
    // The CSS of a run's style that differs from the page's default style.
    std::string RunCss(const TRunKey& Key);

    const THyperStyle& FDefault;
    std::string FDefaultCss;
    const TWebBodyLinks& FLinks;
    std::string FOut;
    bool FInParagraph = false;
    bool FRunOpen = false;
    bool FHasContent = false; // something was written since the paragraph or line began
    TRunKey FRun;
    std::string FRunClose;
    std::map<std::pair<const THyperStyle*, bool>, std::string> FCss;
};

void TBodyWriter::OpenParagraph(const THyperWord& First) {
    FOut += std::string("<p style=\"text-align:") + CssAlign(*First.Style) + "\">";
    FInParagraph = true;
    FHasContent = false;
}

void TBodyWriter::CloseParagraph() {
    CloseRun();
    if (FInParagraph) FOut += "</p>\n";
    FInParagraph = false;
    FHasContent = false;
}

std::string TBodyWriter::RunCss(const TRunKey& Key) {
    const bool link = Key.LinkId != -1;
    std::string& css = FCss[{Key.Style, link}];
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
    std::string css = RunCss(Key);
    if (Key.ShiftX || Key.ShiftY)
        css += (css.empty() ? "" : ";") + std::string("position:relative;left:") +
               std::to_string(Key.ShiftX) + "px;top:" + std::to_string(Key.ShiftY) + "px";
    const bool titled = FRunClose.empty() && Key.Hint && !Key.Hint->empty();
    if (!css.empty() || titled) {
        FOut += "<span";
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
        SideBox(*W.Border);
    }
    const bool hasText = !W.Text.empty();
    const bool hasObject = W.Macros && W.Macros->Kind != mkNone;
    if (hasObject && W.Macros->Placement == mpBackground) {
        if (FLinks.Background) FLinks.Background(*W.Macros);
    } else if (hasText || hasObject) {
        if (!FInParagraph) OpenParagraph(W);
        const TRunKey key{W.Style.get(), W.LinkId, W.IndexKind, W.ShiftX, W.ShiftY, &W.Hint};
        if (FRunOpen && !key.SameAs(FRun)) CloseRun();
        if (!W.Joined && FHasContent) FOut += ' ';
        if (!FRunOpen) OpenRun(key);
        if (hasObject) {
            FOut += FLinks.Object ? FLinks.Object(*W.Macros) : std::string();
        } else if (W.Text.find_first_not_of(' ') == std::string::npos) {
            // Spaces the markup asked for (SPACE, NBSPC, TAB) keep their width.
            for (size_t i = 0; i < W.Text.size(); ++i)
                FOut += "&#160;";
        } else {
            FOut += XmlText(W.Text);
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
    }
}

void TBodyWriter::SideBox(const THyperBorder& Box) {
    if (!Box.Content) return;
    std::string style;
    if (Box.Side == 1 || Box.Side == 2)
        style = std::string(" style=\"float:") + (Box.Side == 1 ? "left" : "right") +
                ";width:" + std::to_string(Box.Width) + "px\"";
    FOut += "<div class=\"plb-side\"" + style + ">\n";
    TBodyWriter inner(FDefault, FLinks);
    inner.String(*Box.Content);
    FOut += inner.Finish() + "</div>\n";
}

// Every word but the last, which is the interpretation's open word.
void TBodyWriter::String(const THyperString& Text) {
    for (int i = 0; i + 1 < Text.Count(); ++i)
        Word(*Text.Word(i));
    // The open word may still carry a side box or an object.
    if (Text.Count() > 0 && (Text.Last()->Border || Text.Last()->Macros)) Word(*Text.Last());
}

} // namespace

std::string WebBody(const THyperString& Root, const THyperStyle& Default,
                    const TWebBodyLinks& Links) {
    TBodyWriter writer(Default, Links);
    writer.String(Root);
    return writer.Finish();
}
