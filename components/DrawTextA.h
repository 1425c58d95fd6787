#pragma once

#include "platform/graphics/Canvas.h"

// Draws Text into Rect with the text-drawing Flags. With DT_CALCRECT it only
// measures, updating Rect. Without Layout the text is written at Rect's
// top-left and Flags are ignored. With Layout, DT_VCENTER and DT_BOTTOM place
// the measured text block vertically (centred or at the bottom; at the top
// otherwise). Returns the rectangle the text took.
TRect DrawTextA(TCanvas* Canvas, const AnsiString& Text, TRect& Rect, unsigned Flags, bool Layout);
