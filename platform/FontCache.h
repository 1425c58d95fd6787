#pragma once

#include "platform/Font.h"

#include <QFont>
#include <QFontMetrics>
#include <memory>
#include <string>
#include <unordered_map>

// The Qt font of a TFont with its metrics, shared by every canvas: layout on
// a recording canvas and drawing on a painting canvas measure alike.
struct TFontEntry {
    QFont Font;
    QFontMetrics Metrics;
    int Ascent;
    int Descent;
    int Height; // ascent + descent, the cell height
    int EmPixels;
    int Leading;
    int AveCharWidth;
    int MaxCharWidth;

    // The advance width of a code page 1251 text, measured once per font and
    // text: pages measure the same words again and again, and every text
    // drawn is measured for the pen position and the display list's bounds.
    int TextWidth(const std::string& Text) const;

    mutable std::unordered_map<std::string, int> WidthCache; // used by TextWidth only
};

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font);
// Forgets every measured text width (benchmarks measure first sightings with it).
void ClearTextWidthCaches();
