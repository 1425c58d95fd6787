#pragma once

#include "hypertext/HyperText.h"

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

class THyperMeasure;

// Lays the words of one string (a page or a side box's content) out into
// lines inside an area, placing the side boxes the words anchor at the edges
// and making the following lines flow beside them.
class THyperLayout {
public:
    THyperLayout(THyperText& Control, THyperString& Source, int Top, int Width, int Left);
    // Empties Lines and fills it; the lines' words take over the source's
    // side boxes and objects.
    void Run(THyperLines& Lines);

private:
    // A side box anchored by a source word, kept after the word gave it up.
    struct TAnchor {
        THyperBorder* Box = nullptr;
        bool Over = false; // the anchor's style lets text ignore the box
    };

    // Filling (HyperLayoutBreak.cpp): the index of the last word of the line
    // that starts with word First; copying those words into a line.
    int LineEnd(int First);
    std::unique_ptr<THyperString> CopyLine(int First, int Last);
    void CopyWord(THyperWord& Target, THyperWord& Source, int Index);
    // The style of a line word made from a source style: colours as RGB
    // values and, for a link, the link colour (underlined or not). Made once
    // per source style and kind; words of one style share it.
    enum TLineStyle { lsPlain, lsLink, lsUnderlinedLink };
    const std::shared_ptr<const THyperStyle>&
    LineStyle(const std::shared_ptr<const THyperStyle>& Source, TLineStyle Kind);

    // Measuring (HyperLayoutLine.cpp): the line's ascent, descent, lift, free
    // space and gaps, and the height it adds to y.
    void MeasureLine(THyperString& Line, int FirstIndex);
    // The area of the next line: below or beside the side boxes.
    void NextArea(const THyperWord& Last);

    // Side boxes (HyperLayoutBorders.cpp).
    void LayoutBorder(THyperWord& Anchor, int Index);
    // A box anchored by source word Index that text has to avoid.
    const THyperBorder* AvoidedBox(int Index) const;
    // The boxes text has to avoid, anchored from FClearFrom on, in word order.
    std::vector<const THyperBorder*> AvoidedBoxes() const;
    // Whether box B's rows [top, bottom) meet the band of Height rows at Y.
    static bool MeetsBand(const TRect& B, int Y, int Height);

    THyperText& FControl;
    THyperMeasure& FMeasure;
    THyperString& FSource;
    const int FTop, FWidth, FLeft;
    const int FIndexHeight;
    int FY;
    int FX0;
    int FAvail;
    int FNext = 0;
    int FClearFrom = 0;
    std::vector<TAnchor> FAnchors; // one per source word
    std::vector<int> FAnchored;    // the source words that anchor a box, in order
    std::unordered_map<const THyperStyle*, std::array<std::shared_ptr<const THyperStyle>, 3>>
        FLineStyles;
};
