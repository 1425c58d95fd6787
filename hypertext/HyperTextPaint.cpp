// Provisional painting: each word's text at its place, links registered.
#include "hypertext/HyperText.h"

#include "platform/Canvas.h"

void THyperText::OutText(TCanvas& Canvas, const TRect& /*Area*/, const THyperLines& Lines) {
    for (const auto& line : Lines) {
        int x = line->Bounds.Left;
        for (const auto& word : line->Words) {
            Canvas.Font().Assign(*word->Style->Font());
            if (!word->Joined) x += Canvas.TextWidth(" ");
            const int width = Canvas.TextWidth(word->Text);
            Canvas.Brush().SetStyle(bsClear);
            Canvas.TextOut(x, line->Bounds.Top, word->Text);
            if (word->LinkId > 0) {
                THyperLink* link = THyperControl::AddHyperLink(word->LinkId, word->Hint);
                link->AddRect(x, line->Bounds.Top, x + width, line->Bounds.Bottom);
            }
            x += width;
        }
    }
}
