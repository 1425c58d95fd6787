#pragma once

#include "platform/base/Font.h"
#include "platform/graphics/TextWidths.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

// The Qt font of a TFont with its metrics, shared by every canvas: layout on
// a recording canvas and drawing on a painting canvas measure alike.
//
// Text is set glyph by glyph without kerning or ligatures, the way the
// system's text output does: each code page 1251 character has one glyph and
// one advance (in 1/64 pixel, as Qt keeps them), looked up in a table of
// the font (each advance is read from the font the first time its character
// is met), so measuring a word is a sum and drawing it needs no shaping. Characters the font has no
// glyph of its own for (and control characters) leave the text to Qt's shaping, which can fall back
// to other fonts.
struct TFontEntry final : TFontTextWidths {
    // Font with kerning turned off, and everything measured of it.
    explicit TFontEntry(QFont Font);

    QFont Font; // kerning off
    QFontMetrics Metrics;
    int Ascent;
    int Descent;
    int Height; // ascent + descent, the cell height
    int EmPixels;
    int Leading;
    int AveCharWidth;
    int MaxCharWidth;
    // Decorations, placed as Qt places its own: offsets of the underline's
    // and the strike-out's centre rows from the baseline, and their thickness.
    qreal UnderlineOffset = 0;
    qreal StrikeOutOffset = 0;
    qreal DecorationWidth = 0;

    QRawFont Raw;
    std::array<quint32, 256> GlyphOf{}; // 0: no glyph of its own
    // The advance of a character with a glyph, in 1/64 pixel.
    int32_t Advance64(unsigned char Byte) const;

    // The advance width of a code page 1251 text in whole pixels.
    int TextWidth(const std::string& Text) const override;
    // The glyphs of Text and their pen positions from a baseline origin of
    // (0, 0); false when Text has a character without a glyph of its own
    // (draw it with QPainter::drawText). Underline and strike-out are the
    // caller's (see DrawTextDecoration).
    bool GlyphRun(const std::string& Text, QGlyphRun& Run) const;

    bool UsesGlyphTable = false;
    // Advances read so far (Advance64 only).
    mutable std::array<int32_t, 256> Advances{};
    mutable std::bitset<256> AdvanceKnown;
    // Widths of texts the table cannot measure; used by TextWidth only.
    mutable std::unordered_map<std::string, int> WidthCache;
};

class QPainter;
// The font's underline and strike-out under and through Width pixels of text
// from a baseline origin, in the painter's pen colour.
void DrawTextDecoration(QPainter& Painter, const TFontEntry& Font, const QPointF& Baseline,
                        int Width);

std::shared_ptr<const TFontEntry> FontEntryFor(const TFont& Font);
// Forgets every measured text width (benchmarks measure first sightings with it).
void ClearTextWidthCaches();
