#include "platform/wmf/WmfOutput.h"

#include "platform/graphics/Canvas.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Limit = 1 << 28; // fixed-point coordinates stay well inside int32

TPenStyle CanvasPenStyle(TWmfPenStyle Style) {
    switch (Style) {
    case TWmfPenStyle::Dash:
        return psDash;
    case TWmfPenStyle::Dot:
        return psDot;
    case TWmfPenStyle::DashDot:
        return psDashDot;
    case TWmfPenStyle::DashDotDot:
        return psDashDotDot;
    case TWmfPenStyle::Null:
        return psClear;
    case TWmfPenStyle::InsideFrame:
        return psInsideFrame;
    default:
        return psSolid;
    }
}

} // namespace

TWmfOutput::TWmfOutput(TCanvas& Canvas, TWmfDC& DC) : FCanvas(Canvas), FDC(DC) {
    constexpr double S = 1.0 / Precision;
    FCanvas.SetTransform(TXForm{S, 0, 0, S, 0, 0});
}

TWmfOutput::~TWmfOutput() {
    FCanvas.ResetClipRect();
    FCanvas.SetTransform(TXForm{});
}

int32_t TWmfOutput::Fixed(double V) const {
    if (!std::isfinite(V)) return 0;
    return static_cast<int32_t>(std::lround(std::clamp(V * Precision, -Limit, Limit)));
}

TPoint TWmfOutput::Fixed(TWmfPoint P) const {
    return {Fixed(P.X), Fixed(P.Y)};
}

TRect TWmfOutput::Fixed(const TWmfRect& R) const {
    return {Fixed(R.Left), Fixed(R.Top), Fixed(R.Right), Fixed(R.Bottom)};
}

std::vector<TPoint> TWmfOutput::Fixed(const std::vector<TWmfPoint>& Points) const {
    std::vector<TPoint> Out;
    Out.reserve(Points.size());
    for (const TWmfPoint& P : Points)
        Out.push_back(Fixed(P));
    return Out;
}

std::vector<TWmfPoint> TWmfOutput::Map(const std::vector<TWmfPoint>& Logical) const {
    std::vector<TWmfPoint> Out;
    Out.reserve(Logical.size());
    for (const TWmfPoint& P : Logical)
        Out.push_back(FDC.ToOutput(P));
    return Out;
}

TCanvasPath TWmfOutput::ToCanvasPath(const TWmfPath& Path) const {
    TCanvasPath Out;
    const auto& Points = Path.Points();
    size_t p = 0;
    for (TWmfPath::TVerb Verb : Path.Verbs()) {
        switch (Verb) {
        case TWmfPath::MoveTo:
            Out.AddMoveTo(Fixed(Points[p++]));
            break;
        case TWmfPath::LineTo:
            Out.AddLineTo(Fixed(Points[p++]));
            break;
        case TWmfPath::BezierTo:
            Out.AddBezierTo(Fixed(Points[p]), Fixed(Points[p + 1]), Fixed(Points[p + 2]));
            p += 3;
            break;
        case TWmfPath::Close:
            Out.AddClose();
            break;
        }
    }
    return Out;
}

bool TWmfOutput::Spend(size_t Points) {
    FWork += static_cast<int64_t>(Points) + 1;
    return !Exhausted();
}

void TWmfOutput::ApplyClip(const std::optional<TWmfRect>& Clip) {
    if (FClipKnown && FAppliedClip.has_value() == Clip.has_value() &&
        (!Clip || Fixed(*Clip) == Fixed(*FAppliedClip)))
        return;
    if (Clip)
        FCanvas.SetClipRect(Fixed(Clip->IsEmpty() ? TWmfRect{} : *Clip));
    else
        FCanvas.ResetClipRect();
    FAppliedClip = Clip;
    FClipKnown = true;
}

void TWmfOutput::SyncClip() {
    ApplyClip(FDC.State().Clip);
}

void TWmfOutput::ApplyPen() {
    const TWmfPen& Pen = FDC.State().Pen;
    TPen& Out = FCanvas.Pen();
    const TPenStyle Style = CanvasPenStyle(Pen.Style);
    const bool Hairline = Pen.Cosmetic || Pen.Width <= 0;
    const int Width = Hairline ? 0 : Fixed(std::max(1.0, FDC.PenWidth()));
    if (Out.Style() != Style) Out.SetStyle(Style);
    if (Out.Color() != Pen.Color) Out.SetColor(Pen.Color);
    if (Out.Width() != Width) Out.SetWidth(Width);
    if (Out.Mode() != pmCopy) Out.SetMode(pmCopy);
}

void TWmfOutput::ApplyNullPen() {
    if (FCanvas.Pen().Style() != psClear) FCanvas.Pen().SetStyle(psClear);
}

void TWmfOutput::ApplySolidBrush(TColor Color) {
    TBrush& Out = FCanvas.Brush();
    if (Out.HasPattern()) Out.ClearPattern();
    if (Out.Style() != bsSolid) Out.SetStyle(bsSolid);
    if (Out.Color() != Color) Out.SetColor(Color);
}

void TWmfOutput::ApplyBrush() {
    const TWmfState& S = FDC.State();
    const TPolyFillMode Mode = S.Winding ? pfWinding : pfAlternate;
    if (FCanvas.PolyFillMode() != Mode) FCanvas.SetPolyFillMode(Mode);
    TBrush& Out = FCanvas.Brush();
    switch (S.Brush.Style) {
    case TWmfBrushStyle::Solid:
        ApplySolidBrush(S.Brush.Color);
        break;
    case TWmfBrushStyle::Null:
        if (Out.Style() != bsClear) Out.SetStyle(bsClear);
        break;
    case TWmfBrushStyle::Hatched: {
        const auto Style = static_cast<TBrushStyle>(bsHorizontal + static_cast<int>(S.Brush.Hatch));
        if (Out.HasPattern()) Out.ClearPattern();
        if (Out.Style() != Style) Out.SetStyle(Style);
        if (Out.Color() != S.Brush.Color) Out.SetColor(S.Brush.Color);
        break;
    }
    }
}

template <class F> void TWmfOutput::Closed(F Draw) {
    SyncClip();
    const TWmfState& S = FDC.State();
    if (S.Brush.Style == TWmfBrushStyle::Hatched && S.BkOpaque) {
        // Under an opaque background mode the gaps of a hatch show the
        // background colour.
        ApplyNullPen();
        ApplySolidBrush(S.BkColor);
        Draw();
    }
    ApplyPen();
    ApplyBrush();
    Draw();
}

template <class F> void TWmfOutput::Open(F Draw) {
    SyncClip();
    ApplyPen();
    Draw();
}

void TWmfOutput::OutlineShape(const std::vector<TWmfPoint>& Output, bool IsClosed) {
    if (Output.size() < 2) return;
    if (FRecording) return FRecording->AddFigure(Output, IsClosed);
    if (!Spend(Output.size())) return;
    const std::vector<TPoint> Out = Fixed(Output);
    if (IsClosed)
        Closed([&] { FCanvas.Polygon(Out); });
    else
        Open([&] { FCanvas.Polyline(Out); });
}

void TWmfOutput::MoveTo(TWmfPoint P) {
    FDC.State().Position = P;
    if (FRecording) FRecording->AddMoveTo(FDC.ToOutput(P));
}

void TWmfOutput::LineTo(TWmfPoint P) {
    PolylineTo({P});
}

void TWmfOutput::PolylineTo(const std::vector<TWmfPoint>& Points) {
    if (Points.empty()) return;
    const TWmfPoint From = FDC.State().Position;
    FDC.State().Position = Points.back();
    if (FRecording) {
        if (!FRecording->FigureOpen()) FRecording->AddMoveTo(FDC.ToOutput(From));
        for (const TWmfPoint& P : Points)
            FRecording->AddLineTo(FDC.ToOutput(P));
        return;
    }
    if (!Spend(Points.size())) return;
    std::vector<TWmfPoint> Line{From};
    Line.insert(Line.end(), Points.begin(), Points.end());
    const std::vector<TPoint> Out = Fixed(Map(Line));
    Open([&] { FCanvas.Polyline(Out); });
}

void TWmfOutput::Polyline(const std::vector<TWmfPoint>& Points) {
    OutlineShape(Map(Points), false);
}

void TWmfOutput::Polygon(const std::vector<TWmfPoint>& Points) {
    OutlineShape(Map(Points), true);
}

void TWmfOutput::PolyPolygon(const std::vector<std::vector<TWmfPoint>>& Polygons) {
    TWmfPath Path;
    size_t Count = 0;
    for (const auto& Polygon : Polygons) {
        Path.AddFigure(Map(Polygon), true);
        Count += Polygon.size();
    }
    if (FRecording) {
        for (const auto& Polygon : Polygons)
            FRecording->AddFigure(Map(Polygon), true);
        return;
    }
    if (!Spend(Count)) return;
    DrawPath(Path, true, true);
}

void TWmfOutput::PolyPolyline(const std::vector<std::vector<TWmfPoint>>& Polylines) {
    for (const auto& Line : Polylines)
        Polyline(Line);
}

void TWmfOutput::PolyBezier(const std::vector<TWmfPoint>& Points, bool To) {
    std::vector<TWmfPoint> All;
    if (To) All.push_back(FDC.State().Position);
    All.insert(All.end(), Points.begin(), Points.end());
    if (All.size() < 4) return;
    const size_t Curves = (All.size() - 1) / 3;
    if (To) FDC.State().Position = All[Curves * 3];
    const std::vector<TWmfPoint> Out = Map(All);
    TWmfPath Local;
    TWmfPath& Path = FRecording ? *FRecording : Local;
    if (!FRecording || !To || !Path.FigureOpen()) Path.AddMoveTo(Out[0]);
    for (size_t c = 0; c < Curves; ++c)
        Path.AddBezierTo(Out[3 * c + 1], Out[3 * c + 2], Out[3 * c + 3]);
    if (!FRecording && Spend(All.size())) DrawPath(Local, false, true);
}

void TWmfOutput::Rectangle(const TWmfRect& Box) {
    const TWmfRect B = Box.Normalized();
    const std::vector<TWmfPoint> Corners{
        {B.Left, B.Top}, {B.Right, B.Top}, {B.Right, B.Bottom}, {B.Left, B.Bottom}};
    if (FRecording || !FDC.LogicalToOutput().AxisAligned()) return Polygon(Corners);
    if (!Spend(4)) return;
    const TRect R = Fixed(FDC.BoundsToOutput(B));
    Closed([&] { FCanvas.Rectangle(R); });
}

void TWmfOutput::RoundRect(const TWmfRect& Box, TWmfPoint Corner) {
    if (FRecording || !FDC.LogicalToOutput().AxisAligned())
        return OutlineShape(RoundRectOutline(Box, Corner.X, Corner.Y, FDC.LogicalToOutput()), true);
    if (!Spend(8)) return;
    const TRect R = Fixed(FDC.BoundsToOutput(Box.Normalized()));
    const TWmfXform& M = FDC.LogicalToOutput();
    const int W = Fixed(std::fabs(Corner.X * M.M11)), H = Fixed(std::fabs(Corner.Y * M.M22));
    Closed([&] { FCanvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, W, H); });
}

void TWmfOutput::Ellipse(const TWmfRect& Box) {
    const TWmfRect B = Box.Normalized();
    if (FRecording || !FDC.LogicalToOutput().AxisAligned())
        return OutlineShape(EllipseArc(B, 0, 2 * std::numbers::pi, FDC.LogicalToOutput()), true);
    if (!Spend(8)) return;
    const TRect R = Fixed(FDC.BoundsToOutput(B));
    Closed([&] { FCanvas.Ellipse(R); });
}

void TWmfOutput::Arc(TArcKind Kind, const TWmfRect& Box, TWmfPoint Start, TWmfPoint End) {
    const TWmfRect B = Box.Normalized();
    const TWmfXform& M = FDC.LogicalToOutput();
    const bool Clockwise = FDC.State().Clockwise;
    if (!FRecording && Kind != akArcTo && M.AxisAligned()) {
        // The canvas sweeps counter-clockwise on screen, from start to end.
        TPoint S = Fixed(FDC.ToOutput(Start)), E = Fixed(FDC.ToOutput(End));
        if (Clockwise) std::swap(S, E);
        const TRect R = Fixed(FDC.BoundsToOutput(B));
        if (!Spend(8)) return;
        if (Kind == akArc)
            return Open([&] { FCanvas.Arc(R.Left, R.Top, R.Right, R.Bottom, S.X, S.Y, E.X, E.Y); });
        if (Kind == akChord)
            return Closed(
                [&] { FCanvas.Chord(R.Left, R.Top, R.Right, R.Bottom, S.X, S.Y, E.X, E.Y); });
        return Closed([&] { FCanvas.Pie(R.Left, R.Top, R.Right, R.Bottom, S.X, S.Y, E.X, E.Y); });
    }
    // Flattened: on screen (y down) a growing parameter angle turns clockwise
    // unless the mapping mirrors.
    constexpr double TwoPi = 2 * std::numbers::pi;
    const double A0 = EllipseAngle(B, Start), A1 = EllipseAngle(B, End);
    const double Sign = (M.Determinant() > 0 ? -1.0 : 1.0) * (Clockwise ? -1.0 : 1.0);
    double Sweep = std::fmod(Sign > 0 ? A1 - A0 : A0 - A1, TwoPi);
    if (Sweep <= 0) Sweep += TwoPi;
    std::vector<TWmfPoint> Points = EllipseArc(B, A0, Sign * Sweep, M);
    switch (Kind) {
    case akArc:
        return OutlineShape(Points, false);
    case akChord:
        return OutlineShape(Points, true);
    case akPie:
        Points.push_back(FDC.ToOutput({(B.Left + B.Right) / 2, (B.Top + B.Bottom) / 2}));
        return OutlineShape(Points, true);
    case akArcTo: {
        const double A = A0 + Sign * Sweep;
        const double Rx = B.Width() / 2, Ry = B.Height() / 2;
        const TWmfPoint From = FDC.ToOutput(FDC.State().Position);
        FDC.State().Position = {B.Left + Rx + Rx * std::cos(A), B.Top + Ry + Ry * std::sin(A)};
        if (FRecording) {
            if (!FRecording->FigureOpen()) FRecording->AddMoveTo(From);
            for (const TWmfPoint& P : Points)
                FRecording->AddLineTo(P);
            return;
        }
        Points.insert(Points.begin(), From);
        return OutlineShape(Points, false);
    }
    }
}

void TWmfOutput::SetPixel(TWmfPoint P, TColor Color) {
    if (FRecording || !Spend(1)) return;
    const TWmfPoint O = FDC.ToOutput(P);
    const TWmfRect Pixel{std::floor(O.X), std::floor(O.Y), std::floor(O.X) + 1,
                         std::floor(O.Y) + 1};
    SyncClip();
    ApplySolidBrush(Color);
    FCanvas.FillRect(Fixed(Pixel));
}

void TWmfOutput::FloodFill(TWmfPoint P, TColor Color, bool Surface) {
    if (FRecording || !Spend(1)) return;
    const TPoint At = Fixed(FDC.ToOutput(P));
    SyncClip();
    ApplyBrush();
    FCanvas.FloodFill(At.X, At.Y, Color, Surface ? fsSurface : fsBorder);
}

void TWmfOutput::DrawPath(const TWmfPath& Path, bool Fill, bool Stroke) {
    if (Path.Empty() || FRecording || !Spend(Path.Points().size())) return;
    const TCanvasPath P = ToCanvasPath(Path);
    SyncClip();
    if (!Fill) {
        ApplyPen();
        return FCanvas.StrokePath(P);
    }
    const TWmfState& S = FDC.State();
    if (S.Brush.Style == TWmfBrushStyle::Hatched && S.BkOpaque) {
        ApplySolidBrush(S.BkColor);
        FCanvas.FillPath(P);
    }
    ApplyBrush();
    if (!Stroke) return FCanvas.FillPath(P);
    ApplyPen();
    FCanvas.StrokeAndFillPath(P);
}
