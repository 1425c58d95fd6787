// Lines, shapes and point lists of the vector picture executor.
#include "hypertext/VectorPictureExecutor.h"

#include "hypertext/VectorPictureKeywords.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

namespace vpic {

void TVectorExecutor::LineFromCurrent(TPoint To) {
    FCanvas.MoveTo(FPos.X, FPos.Y);
    FCanvas.LineTo(To.X, To.Y);
    FPos = To;
}

bool TVectorExecutor::ExecuteLine() {
    const int reps = Repetitions();
    switch (FCommand) {
    case vcLine:
        for (int r = 0; r < reps; ++r) {
            const int k = 4 * r;
            const TPoint from = PointAt(k);
            const TPoint to =
                Point(Defaulted(k + 2) ? from.X : P(k + 2), Defaulted(k + 3) ? from.Y : P(k + 3));
            FPos = from;
            LineFromCurrent(to);
        }
        return true;
    case vcLineRel:
        for (int r = 0; r < reps; ++r)
            LineFromCurrent(Point(FPos.X + P(2 * r), FPos.Y + P(2 * r + 1)));
        return true;
    case vcLineTo:
        for (int r = 0; r < reps; ++r)
            LineFromCurrent(PointAt(2 * r));
        return true;
    case vcMoveRel:
        for (int r = 0; r < reps; ++r)
            FPos = Point(FPos.X + P(2 * r), FPos.Y + P(2 * r + 1));
        FCanvas.MoveTo(FPos.X, FPos.Y);
        return true;
    case vcMoveTo:
        FPos = PointAt(0);
        FCanvas.MoveTo(FPos.X, FPos.Y);
        return true;
    case vcPutPixel:
        for (int r = 0; r < reps; ++r) {
            FPos = PointAt(2 * r);
            FCanvas.SetPixel(FPos.X, FPos.Y, FCanvas.Pen().Color());
        }
        return true;
    case vcClrScr: {
        TBrush& brush = FCanvas.Brush();
        TBrush keep;
        keep.Assign(brush);
        brush.ClearPattern();
        brush.SetColor(FBrushColor);
        brush.SetStyle(bsSolid);
        FCanvas.FillRect(Rect(0, 0, FPicture.RealWidth(), FPicture.RealHeight()));
        brush.Assign(keep);
        FPos = Point(0, 0);
        FCanvas.MoveTo(0, 0);
        return true;
    }
    default:
        return false;
    }
}

void TVectorExecutor::ExecuteArcs() {
    for (int r = 0; r < Repetitions(); ++r) {
        const int k = 4 + 4 * r;
        const int x1 = P(0), y1 = P(1), x2 = P(2), y2 = P(3);
        if (FCommand == vcArc)
            FCanvas.Arc(x1, y1, x2, y2, P(k), P(k + 1), P(k + 2), P(k + 3));
        else if (FCommand == vcChord)
            FCanvas.Chord(x1, y1, x2, y2, P(k), P(k + 1), P(k + 2), P(k + 3));
        else
            FCanvas.Pie(x1, y1, x2, y2, P(k), P(k + 1), P(k + 2), P(k + 3));
    }
}

bool TVectorExecutor::ExecuteShape() {
    const int reps = Repetitions();
    switch (FCommand) {
    case vcArc:
    case vcChord:
    case vcPie:
        ExecuteArcs();
        return true;
    case vcEllipse:
        for (int r = 0; r < reps; ++r)
            FCanvas.Ellipse(P(4 * r), P(4 * r + 1), P(4 * r + 2), P(4 * r + 3));
        return true;
    case vcFillRect:
        for (int r = 0; r < reps; ++r)
            FCanvas.FillRect(Rect(P(4 * r), P(4 * r + 1), P(4 * r + 2), P(4 * r + 3)));
        return true;
    case vcRectangle:
        for (int r = 0; r < reps; ++r)
            FCanvas.Rectangle(P(4 * r), P(4 * r + 1), P(4 * r + 2), P(4 * r + 3));
        return true;
    case vcRoundRect:
        FCanvas.RoundRect(P(0), P(1), P(2), P(3), P(4), P(5));
        return true;
    case vcFloodFill:
        FCanvas.FloodFill(P(0), P(1), P(2), P(3) == fsBorder ? fsBorder : fsSurface);
        return true;
    default:
        return false;
    }
}

bool TVectorExecutor::ExecutePoints() {
    if (FCommand != vcPolyBezier && FCommand != vcPolyBezierTo && FCommand != vcPolygon &&
        FCommand != vcPolyline)
        return false;
    std::vector<TPoint> points;
    const int count = std::min(Repetitions(), kMaxPoints);
    for (int r = 0; r < count; ++r)
        points.push_back(PointAt(2 * r));
    switch (FCommand) {
    case vcPolyBezier:
        FCanvas.PolyBezier(points);
        break;
    case vcPolyBezierTo:
        FCanvas.MoveTo(FPos.X, FPos.Y);
        FCanvas.PolyBezierTo(points);
        break;
    case vcPolygon:
        FCanvas.Polygon(points);
        break;
    default:
        FCanvas.Polyline(points);
        break;
    }
    return true;
}

} // namespace vpic
