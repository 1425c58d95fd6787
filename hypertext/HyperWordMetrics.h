#pragma once

class THyperMeasure;
class THyperWord;

// What layout and painting measure of one word of a line.
struct TWordMetrics {
    int Asc = 0;    // part above the baseline: the font's, or derived for an object
    int Desc = 0;   // part below the baseline
    int Width = 0;  // the object's width, or the text's
    int Gap = 0;    // the space after it: " " when a word follows that is not joined
    int Height = 0; // the object's height, or the height of "W"
};

// An object drawn over the whole text area rather than in the line.
bool IsPageBackground(const THyperWord& Word);
// An index that stacks under or over the index just before it.
bool FollowsOtherIndex(const THyperWord& Word, const THyperWord* Previous);

// The word in its style's font; an object splits its height about the
// baseline by its style's layout.
TWordMetrics MeasureWord(THyperMeasure& Measure, const THyperWord& Word, const THyperWord* Next);
// An index word measured again in the index font, whose cell height is
// IndexHeight percent of the word's height; returns that font height.
int MeasureIndex(THyperMeasure& Measure, const THyperWord& Word, const THyperWord* Next,
                 int IndexHeight, TWordMetrics& Metrics);
// The width a word takes while a line is filled: its text after a space (the
// text alone when it starts the line or is joined), its shift and its object;
// an index in the font scaled by IndexHeight percent.
int FillWidth(THyperMeasure& Measure, const THyperWord& Word, bool StartsLine, int IndexHeight);
