// Filling a line: how many words fit, and their copies in the line.
#include "hypertext/HyperLayout.h"
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperWordMetrics.h"
#include "platform/base/Colors.h"

// Walks the words from First while they fit: while their widths, with the
// space before each but the first, stay below the area's width, so that a line
// never reaches the area's last pixel. A side box's anchor stands on a line of
// its own. A break is possible before every word that is not joined;
// a word or joined group wider than the line stays whole on its own line:
// until a break is possible after First, the words go on the line whatever
// their width, so a word that alone overflows keeps the words joined to it.
int THyperLayout::LineEnd(int First) {
    const int lastToPlace = FSource.Count() - 2;
    int w = 0;
    int wText = 0;
    int brk = First;
    for (int i = First;; ++i) {
        THyperWord& word = *FSource.Words[static_cast<size_t>(i)];
        if (word.Border) return i == First ? i : i - 1;
        if (!IsPageBackground(word)) {
            const int width = FillWidth(FMeasure, word, i == First, FIndexHeight);
            if (word.IndexKind == 0)
                wText = w + width;
            else if (i > First && FollowsOtherIndex(word, FSource.Word(i - 1)))
                w = wText; // the two indices stack at the same place
            w += width;
        }
        if (!word.Joined) brk = i;
        if (w < FAvail || brk == First) {
            if (word.ParagraphEnd || word.LineBreak || i >= lastToPlace) return i;
            continue;
        }
        return brk > First ? brk - 1 : i;
    }
}

std::unique_ptr<THyperString> THyperLayout::CopyLine(int First, int Last) {
    auto line = std::make_unique<THyperString>();
    line->Bounds = Rect(FX0, FY, FX0 + FAvail - 1, 0);
    for (int i = First; i <= Last; ++i) {
        THyperWord& source = *FSource.Words[static_cast<size_t>(i)];
        if (i == First) {
            line->First()->Assign(&source);
        } else {
            line->Words.push_back(std::make_unique<THyperWord>(&source));
        }
        CopyWord(*line->Last(), source, i);
    }
    return line;
}

// The line word takes over the source's box and object; its colours become
// RGB values, and a link word is drawn in the link colour, underlined unless
// it is an index.
void THyperLayout::CopyWord(THyperWord& Target, THyperWord& Source, int Index) {
    TLineStyle kind = lsPlain;
    if (Target.LinkId != -1)
        kind = Source.Style->UnderlineLinks() && Target.IndexKind == 0 ? lsUnderlinedLink : lsLink;
    Target.Style = LineStyle(Source.Style, kind);
    Target.Border = std::move(Source.Border);
    Target.ClearBorders = Source.ClearBorders;
    Target.ShiftX = Source.ShiftX;
    Target.ShiftY = Source.ShiftY;
    Target.Macros = std::move(Source.Macros);
    Target.Joined = Source.Joined;
    Target.ParagraphEnd = Source.ParagraphEnd;
    Target.Text = Source.Text;
    if (Target.Border) {
        FAnchors[static_cast<size_t>(Index)] = {Target.Border.get(), Target.Style->OverBorders()};
        FAnchored.push_back(Index);
    }
}

const std::shared_ptr<const THyperStyle>&
THyperLayout::LineStyle(const std::shared_ptr<const THyperStyle>& Source, TLineStyle Kind) {
    std::shared_ptr<const THyperStyle>& made = FLineStyles[Source.get()][Kind];
    if (made) return made;
    const THyperStyle& source = *Source;
    const TFont& sourceFont = *source.Font();
    if (Kind == lsPlain && ColorToRGB(source.BackColor()) == source.BackColor() &&
        ColorToRGB(source.LinkColor()) == source.LinkColor() &&
        ColorToRGB(sourceFont.Color()) == sourceFont.Color())
        return made = Source; // nothing to change
    auto style = std::make_shared<THyperStyle>();
    style->Assign(source);
    TFont& font = *style->Font();
    style->SetBackColor(ColorToRGB(style->BackColor()));
    style->SetLinkColor(ColorToRGB(style->LinkColor()));
    font.SetColor(ColorToRGB(font.Color()));
    if (Kind != lsPlain) font.SetColor(style->LinkColor());
    if (Kind == lsUnderlinedLink) font.SetStyle(font.Style() + TFontStyles{fsUnderline});
    made = std::move(style);
    return made;
}
