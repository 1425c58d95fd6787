#pragma once

#include "platform/Font.h"

#include <QFont>
#include <QFontMetrics>
#include <memory>

// The Qt font of a TFont with its metrics, shared by every canvas: layout on
// a recording canvas and drawing on a painting canvas measure alike.
struct TFontEntry {
    QFont Font;
    QFontMetrics Metrics;
    int Ascent;
    int Descent;
    int Height; // ascent + descent, the cell height
    int EmPixels;
};

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font);
