#pragma once

#include "platform/wmf/WmfGeometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A path in output pixels, as the metafile's path records build it (GDI keeps
// path points in device space): moves, lines, cubic Béziers and closes. Also
// the flattening of ellipse arcs for mappings that rotate or shear them.

class TWmfPath {
public:
    enum TVerb : uint8_t { MoveTo, LineTo, BezierTo /* three points */, Close };

    // Points a path may hold in all; further segments are dropped, which caps
    // the work a hostile file can ask for.
    static constexpr size_t MaxPoints = 1 << 20;

    void Clear();
    bool Empty() const { return FVerbs.empty(); }
    // True while a figure is open (lines and curves continue it).
    bool FigureOpen() const { return FOpenFigure; }
    void AddMoveTo(TWmfPoint P);
    void AddLineTo(TWmfPoint P);
    void AddBezierTo(TWmfPoint C1, TWmfPoint C2, TWmfPoint P);
    void AddClose();
    // A polygon (closed) or polyline (open) as one figure.
    void AddFigure(const std::vector<TWmfPoint>& Points, bool Closed);

    const std::vector<TVerb>& Verbs() const { return FVerbs; }
    const std::vector<TWmfPoint>& Points() const { return FPoints; }
    // Bounding box of all points; empty when there are none.
    TWmfRect Bounds() const;

private:
    bool Room(size_t Count) const { return FPoints.size() + Count <= MaxPoints; }

    std::vector<TVerb> FVerbs;
    std::vector<TWmfPoint> FPoints;
    bool FOpenFigure = false;
};

// Parameter angle on the ellipse inscribed in Box at which the ray from its
// centre through P meets it.
double EllipseAngle(const TWmfRect& Box, TWmfPoint P);

// Points along the ellipse inscribed in the logical rectangle Box, from
// parameter angle From sweeping by Sweep radians (positive: increasing
// angle), mapped through Mapping. The step adapts to the output size.
std::vector<TWmfPoint> EllipseArc(const TWmfRect& Box, double From, double Sweep,
                                  const TWmfXform& Mapping);

// The outline of a rectangle with corners rounded by ellipses of CornerW x
// CornerH logical units.
std::vector<TWmfPoint> RoundRectOutline(const TWmfRect& Box, double CornerW, double CornerH,
                                        const TWmfXform& Mapping);
