// Measuring a line and finding the area of the next one.
#include "hypertext/HyperLayout.h"
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperMeasure.h"
#include "hypertext/HyperWordMetrics.h"

#include <algorithm>

// Fills the line's Ascent, Descent, Lift, FreeSpace and SpaceCount and moves
// y past it. Vertical shifts add up along the line; raised words and indices
// lift the line and lowered ones deepen it, unless the word's style keeps
// its offset out of the line's height (DirectOffset).
void THyperLayout::MeasureLine(THyperString& Line, int FirstIndex) {
    Line.Ascent = Line.Descent = Line.Lift = Line.SpaceCount = 0;
    int w = 0, wText = 0, maxRight = 0, drop = 0, h = 0, shift = 0;
    const THyperIndex& index = FControl.IndexStyleObject();
    const THyperWord* previous = nullptr;
    for (size_t k = 0; k < Line.Words.size(); ++k) {
        THyperWord& word = *Line.Words[k];
        const THyperWord* next = k + 1 < Line.Words.size() ? Line.Words[k + 1].get() : nullptr;
        if (word.Border && word.Border->Side != 0) {
            LayoutBorder(word, FirstIndex + static_cast<int>(k));
            previous = &word;
            continue;
        }
        if (IsPageBackground(word)) {
            previous = &word;
            continue;
        }
        shift += word.ShiftY;
        word.ShiftY = shift;
        TWordMetrics m = MeasureWord(FMeasure, word, next);
        if (!word.Joined) ++Line.SpaceCount;
        w += word.ShiftX;
        if (word.IndexKind != 0) {
            if (FollowsOtherIndex(word, previous)) w = wText;
            const int pct = word.IndexKind == 1 ? index.LowerOffset() : index.UpperOffset();
            const int ih = index.Height();
            MeasureIndex(FMeasure, word, next, ih, m);
            const int c = m.Height * (pct + ih) / 100;
            const int b =
                word.IndexKind == 1 ? std::max(c - m.Height / 2, 0) : std::min(m.Height / 2 - c, 0);
            drop = std::max(drop, b);
            Line.Lift = std::min(Line.Lift, b);
        } else {
            wText = w + m.Width;
        }
        if (!word.Style->DirectOffset()) {
            Line.Lift = std::min(Line.Lift, word.ShiftY);
            drop = std::max(drop, word.ShiftY);
        }
        Line.Ascent = std::max(Line.Ascent, m.Asc);
        Line.Descent = std::max(Line.Descent, m.Desc);
        h = std::max(h, m.Height + drop - Line.Lift);
        w += m.Width + m.Gap;
        maxRight = std::max(maxRight, w);
        previous = &word;
    }
    const THyperWord& last = *Line.Last();
    FY += last.Style->Interval() + h;
    const bool justifiedEnd = last.Style->Alignment() == haPage && last.ParagraphEnd;
    Line.FreeSpace = justifiedEnd ? 0 : std::max(FAvail - maxRight - 1, 0);
}

bool THyperLayout::MeetsBand(const TRect& B, int Y, int Height) {
    const auto inside = [&](int y) { return B.Top <= y && y < B.Bottom; };
    return inside(Y) || inside(Y + Height) || (Y <= B.Top && B.Top < Y + Height);
}

// After a line that clears the boxes, the next one starts below all of them
// at the full width. Otherwise it takes the width the boxes beside its band
// leave; when that is less than the line's least width, it moves down to the
// bottom of a box beside it and tries again.
void THyperLayout::NextArea(const THyperWord& Last) {
    FX0 = FLeft;
    FAvail = FWidth;
    const std::vector<const THyperBorder*> boxes = AvoidedBoxes();
    if (Last.ClearBorders) {
        for (const THyperBorder* box : boxes)
            FY = std::max(FY, box->Bounds.Bottom);
        FClearFrom = FNext;
        return;
    }
    if (boxes.empty()) return;
    for (;;) {
        int lowest = boxes.back()->Bounds.Bottom;
        int x0 = FLeft;
        int right = FLeft + FWidth;
        bool beside = false;
        int nearest = 0; // the highest bottom below y of the boxes beside the band
        for (const THyperBorder* box : boxes) {
            if (!MeetsBand(box->Bounds, FY, Last.LineHeight)) continue;
            beside = true;
            lowest = std::min(lowest, box->Bounds.Bottom);
            if (box->Bounds.Bottom > FY && (nearest <= FY || box->Bounds.Bottom < nearest))
                nearest = box->Bounds.Bottom;
            if (box->Side == 1)
                x0 = std::max(x0, FLeft + box->Width);
            else
                right = std::min(right, FLeft + FWidth - box->Width);
        }
        FX0 = x0;
        FAvail = right - x0;
        if (!beside || FAvail >= Last.MinWidth) return;
        // Moving down must make progress, or the search would never end.
        const int below = lowest > FY ? lowest : nearest;
        if (below <= FY) return;
        FY = below;
    }
}
