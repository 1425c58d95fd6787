// Link rectangles: one per link word, reaching over the gap to the next word
// of the same link, so a link spanning words or lines is covered throughout.
#include "hypertext/HyperPainter.h"

THyperLink& THyperPainter::Link(const THyperWord& Word) {
    auto known = FLinks.find(Word.LinkId);
    if (known != FLinks.end()) return *known->second;
    THyperLink* link = FControl.Links();
    while (link && link->Id() != Word.LinkId)
        link = link->Next();
    if (!link) link = FControl.THyperControl::AddHyperLink(Word.LinkId, Word.Hint);
    // The first run of a link in this paint replaces the rectangles of the last.
    link->ClearRects();
    FLinks.emplace(Word.LinkId, link);
    return *link;
}

void THyperPainter::AddLinkRect(const THyperWord& Word, const THyperWord* Next, const TPlaced& P) {
    THyperLink& link = Link(Word);
    const int gap = Next && Next->LinkId == Word.LinkId ? P.M.Gap : 0;
    link.AddRect(P.X, P.Y, P.X + P.M.Width + gap, P.Y + P.M.Height);
}
