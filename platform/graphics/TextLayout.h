#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FontCache.h"

#include <QString>
#include <vector>

// A run of text between tab stops, placed relative to its line.
struct TTextRun {
    QString Text;
    int X = 0;
    int Width = 0;
    std::vector<int> Underlined; // indices into Text of accelerator characters
};

struct TTextLine {
    std::vector<TTextRun> Runs;
    int X = 0; // left edge of the line
    int Y = 0; // top of the line's cell
    int Width = 0;
};

// Where DrawText puts a text: its lines, the rectangle DT_CALCRECT reports,
// the extent of what is drawn, and DrawText's result.
struct TTextLayout {
    std::vector<TTextLine> Lines;
    int LineHeight = 0;
    TRect CalcRect;
    TRect Extent;
    int Result = 0;
};

TTextLayout LayoutText(const TFontEntry& Font, const AnsiString& Text, const TRect& Rect,
                       unsigned Flags);
