#include "platform/wmf/WmfPath.h"

#include <cmath>
#include <numbers>

namespace {

bool Finite(TWmfPoint P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

// Segments for a curve of the given length in pixels: about one per pixel, within bounds.
int Segments(double Length, int Min, int Max) {
    if (!std::isfinite(Length)) return Min;
    return static_cast<int>(
        std::clamp(std::ceil(Length), static_cast<double>(Min), static_cast<double>(Max)));
}

} // namespace

void TWmfPath::Clear() {
    FVerbs.clear();
    FPoints.clear();
    FOpenFigure = false;
}

void TWmfPath::AddMoveTo(TWmfPoint P) {
    if (!Finite(P) || !Room(1)) return;
    if (!FVerbs.empty() && FVerbs.back() == MoveTo) {
        FPoints.back() = P;
        return;
    }
    FVerbs.push_back(MoveTo);
    FPoints.push_back(P);
    FOpenFigure = true;
}

void TWmfPath::AddLineTo(TWmfPoint P) {
    if (!Finite(P) || !Room(2)) return;
    if (!FOpenFigure) AddMoveTo(FPoints.empty() ? P : FPoints.back());
    FVerbs.push_back(LineTo);
    FPoints.push_back(P);
}

void TWmfPath::AddBezierTo(TWmfPoint C1, TWmfPoint C2, TWmfPoint P) {
    if (!Finite(C1) || !Finite(C2) || !Finite(P) || !Room(4)) return;
    if (!FOpenFigure) AddMoveTo(FPoints.empty() ? C1 : FPoints.back());
    FVerbs.push_back(BezierTo);
    FPoints.insert(FPoints.end(), {C1, C2, P});
}

void TWmfPath::AddClose() {
    if (!FOpenFigure) return;
    FVerbs.push_back(Close);
    FOpenFigure = false;
    // After a close the current point is the figure's first point; a line
    // drawn next starts a new figure there.
    for (size_t v = FVerbs.size(), p = FPoints.size(); v-- > 0;) {
        if (FVerbs[v] == BezierTo) p -= 3;
        if (FVerbs[v] == LineTo) p -= 1;
        if (FVerbs[v] == MoveTo) {
            if (Room(1))
                FPoints.push_back(FPoints[p - 1]);
            else
                return;
            FVerbs.push_back(MoveTo);
            FOpenFigure = true;
            return;
        }
    }
}

void TWmfPath::AddFigure(const std::vector<TWmfPoint>& Points, bool Closed) {
    if (Points.empty()) return;
    AddMoveTo(Points.front());
    for (size_t i = 1; i < Points.size(); ++i)
        AddLineTo(Points[i]);
    if (Closed) AddClose();
}

TWmfRect TWmfPath::Bounds() const {
    if (FPoints.empty()) return {};
    TWmfRect R{FPoints[0].X, FPoints[0].Y, FPoints[0].X, FPoints[0].Y};
    for (const TWmfPoint& P : FPoints)
        R = {std::min(R.Left, P.X), std::min(R.Top, P.Y), std::max(R.Right, P.X),
             std::max(R.Bottom, P.Y)};
    return R;
}

double EllipseAngle(const TWmfRect& Box, TWmfPoint P) {
    const double Rx = std::max(std::fabs(Box.Width()) / 2, 1e-9);
    const double Ry = std::max(std::fabs(Box.Height()) / 2, 1e-9);
    const double Cx = (Box.Left + Box.Right) / 2, Cy = (Box.Top + Box.Bottom) / 2;
    return std::atan2((P.Y - Cy) / Ry, (P.X - Cx) / Rx);
}

std::vector<TWmfPoint> EllipseArc(const TWmfRect& Box, double From, double Sweep,
                                  const TWmfXform& Mapping) {
    const double Rx = Box.Width() / 2, Ry = Box.Height() / 2;
    const double Cx = Box.Left + Rx, Cy = Box.Top + Ry;
    const double Scale = Mapping.LengthScale();
    const double Length = std::fabs(Sweep) * (std::fabs(Rx) + std::fabs(Ry)) / 2 * Scale;
    const int N = Segments(Length, 4, 720);
    std::vector<TWmfPoint> Points;
    Points.reserve(static_cast<size_t>(N) + 1);
    for (int i = 0; i <= N; ++i) {
        const double a = From + Sweep * i / N;
        Points.push_back(Mapping.Apply({Cx + Rx * std::cos(a), Cy + Ry * std::sin(a)}));
    }
    return Points;
}

std::vector<TWmfPoint> RoundRectOutline(const TWmfRect& Box, double CornerW, double CornerH,
                                        const TWmfXform& Mapping) {
    const TWmfRect B = Box.Normalized();
    const double W = std::min(std::fabs(CornerW), B.Width());
    const double H = std::min(std::fabs(CornerH), B.Height());
    constexpr double Pi = std::numbers::pi;
    const TWmfRect Corners[] = {{B.Right - W, B.Top, B.Right, B.Top + H},
                                {B.Left, B.Top, B.Left + W, B.Top + H},
                                {B.Left, B.Bottom - H, B.Left + W, B.Bottom},
                                {B.Right - W, B.Bottom - H, B.Right, B.Bottom}};
    std::vector<TWmfPoint> Outline;
    for (int i = 0; i < 4; ++i) {
        const std::vector<TWmfPoint> Quarter =
            EllipseArc(Corners[i], -Pi / 2 * i, -Pi / 2, Mapping);
        Outline.insert(Outline.end(), Quarter.begin(), Quarter.end());
    }
    return Outline;
}
