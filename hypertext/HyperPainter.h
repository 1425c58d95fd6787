#pragma once

#include "hypertext/HyperText.h"
#include "hypertext/HyperWordMetrics.h"

#include <map>

class THyperLink;

// Paints laid-out lines onto a canvas: aligned and justified words, indices
// and shifted words in place, backgrounds and the gaps between words, side
// boxes with their own lines, embedded objects, and the rectangles of every
// hyperlink registered with the control.
class THyperPainter {
public:
    THyperPainter(THyperText& Control, TCanvas& Canvas);
    // Area is the text area: background objects fill it.
    void OutText(const TRect& Area, const THyperLines& Lines);

private:
    // Where and how large a word is painted.
    struct TPlaced {
        int X = 0, Y = 0;
        TWordMetrics M;
        int IndexFont = 0; // the index font's height, 0 for a normal word
    };

    void PaintLine(const TRect& Area, const THyperString& Line, const THyperWord*& Previous);
    void DrawWord(const TRect& Area, THyperWord& Word, const TPlaced& P);
    void SelectFont(const THyperWord& Word, int IndexFont);
    // Whether a word's drawing can reach the canvas's visible area.
    bool Visible(const THyperWord& Word, const TPlaced& P) const;

    // Links (HyperPaintLinks.cpp).
    void AddLinkRect(const THyperWord& Word, const THyperWord* Next, const TPlaced& P);
    THyperLink& Link(const THyperWord& Word);

    // The gap after a word (HyperPaintGap.cpp).
    void PaintGap(const THyperWord& Word, const THyperWord& Next, const TPlaced& P);

    // Objects (HyperPaintObject.cpp).
    void DrawObject(const TRect& Area, THyperWord& Word, const TPlaced& P);
    void DrawPicture(const TRect& Area, const THyperMacros& Macros, const TPlaced& P);

    THyperText& FControl;
    TCanvas& FCanvas;
    THyperMeasure& FMeasure;
    TRect FClip; // the visible area; empty: draw everything
    // The links met in this paint: their first run replaces their rectangles.
    std::map<int, THyperLink*> FLinks;
};
