#pragma once

#include "platform/base/Rect.h"

#include <QPainterPath>
#include <vector>

// Lines of a pen one pixel wide, drawn from each point to the next. Each line
// holds its start point and leaves out its end point whichever way it runs,
// so a line back to where a polyline began closes it.

// The pixels of the lines when a page pixel is a device pixel, as one path of
// pixel runs to fill: one pixel per step along a line's longer side, the one
// nearest the exact line (a tie takes the greater coordinate), worked out from
// the line's left or upper end so that it is the same whichever way the line
// runs. Only pixels inside Visible are produced.
QPainterPath ThinLinePixels(const std::vector<TPoint>& Points, const TRect& Visible);

// The lines as a path to stroke at any other scale: its first and last points
// moved back half a step along their lines, so that the stroke's flat ends
// take in the start pixel and leave out the end pixel in every direction.
QPainterPath ThinLineStroke(const std::vector<TPoint>& Points);
