#pragma once

#include "hypertext/HyperStyle.h"
#include "hypertext/MarkupRecords.h"

// The colour that RGBRED, RGBGREEN and RGBBLUE edit: the result of the last
// BACKGROUND, COLOR or LINKCOLOR record, and which of the three it was.
struct TStyleRecordState {
    enum TKind { ckBackground, ckFont, ckLink };
    TColor Running = 0;
    TKind Kind = ckBackground;
};

// Whether a record is a style attribute (what ApplyStyleRecord applies).
bool IsStyleRecord(const markup::TRecord& Record);

// Applies a style attribute record (alignment, layout, colours, font,
// spacing, switches) to Target; a reset takes the value from Default, and so
// does a colour record holding clDefault.
// Returns false, changing nothing, for records that are not style attributes.
bool ApplyStyleRecord(const markup::TRecord& Record, THyperStyle& Target,
                      const THyperStyle& Default, TStyleRecordState& State);
