#include "platform/MetafileOutput.h"

#include "platform/Canvas.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Limit = 1 << 28; // fixed-point coordinates stay well inside int32

TPenStyle CanvasPenStyle(TMfPenStyle Style) {
    switch (Style) {
    case TMfPenStyle::Dash:
        return psDash;
    case TMfPenStyle::Dot:
        return psDot;
    case TMfPenStyle::DashDot:
        return psDashDot;
    case TMfPenStyle::DashDotDot:
        return psDashDotDot;
    case TMfPenStyle::Null:
        return psClear;
    case TMfPenStyle::InsideFrame:
        return psInsideFrame;
    default:
        return psSolid;
    }
}

} // namespace

TMfOutput::TMfOutput(TCanvas& Canvas, TMetafileDC& DC) : FCanvas(Canvas), FDC(DC) {
    constexpr double S = 1.0 / Precision;
    FCanvas.SetTransform(TXForm{S, 0, 0, S, 0, 0});
}

TMfOutput::~TMfOutput() {
    FCanvas.ResetClipRect();
    FCanvas.SetTransform(TXForm{});
}

int32_t TMfOutput::Fixed(double V) const {
    if (!std::isfinite(V)) return 0;
    return static_cast<int32_t>(std::lround(std::clamp(V * Precision, -Limit, Limit)));
}

TPoint TMfOutput::Fixed(TMfPoint P) const {
    return {Fixed(P.X), Fixed(P.Y)};
}

TRect TMfOutput::Fixed(const TMfRect& R) const {
    return {Fixed(R.Left), Fixed(R.Top), Fixed(R.Right), Fixed(R.Bottom)};
}

std::vector<TPoint> TMfOutput::Fixed(const std::vector<TMfPoint>& Points) const {
    std::vector<TPoint> Out;
    Out.reserve(Points.size());
    for (const TMfPoint& P : Points)
        Out.push_back(Fixed(P));
    return Out;
}

std::vector<TMfPoint> TMfOutput::Map(const std::vector<TMfPoint>& Logical) const {
    std::vector<TMfPoint> Out;
    Out.reserve(Logical.size());
    for (const TMfPoint& P : Logical)
        Out.push_back(FDC.ToOutput(P));
    return Out;
}

TCanvasPath TMfOutput::ToCanvasPath(const TMfPath& Path) const {
    TCanvasPath Out;
    const auto& Points = Path.Points();
    size_t p = 0;
    for (TMfPath::TVerb Verb : Path.Verbs()) {
        switch (Verb) {
        case TMfPath::MoveTo:
            Out.AddMoveTo(Fixed(Points[p++]));
            break;
        case TMfPath::LineTo:
            Out.AddLineTo(Fixed(Points[p++]));
            break;
        case TMfPath::BezierTo:
            Out.AddBezierTo(Fixed(Points[p]), Fixed(Points[p + 1]), Fixed(Points[p + 2]));
            p += 3;
            break;
        case TMfPath::Close:
            Out.AddClose();
            break;
        }
    }
    return Out;
}

bool TMfOutput::Spend(size_t Points) {
    FWork += static_cast<int64_t>(Points) + 1;
    return !Exhausted();
}

void TMfOutput::ApplyClip(const std::optional<TMfRect>& Clip) {
    if (FClipKnown && FAppliedClip.has_value() == Clip.has_value() &&
        (!Clip || Fixed(*Clip) == Fixed(*FAppliedClip)))
        return;
    if (Clip)
        FCanvas.SetClipRect(Fixed(Clip->IsEmpty() ? TMfRect{} : *Clip));
    else
        FCanvas.ResetClipRect();
    FAppliedClip = Clip;
    FClipKnown = true;
}

void TMfOutput::SyncClip() {
    ApplyClip(FDC.State().Clip);
}

void TMfOutput::ApplyPen() {
    const TMfPen& Pen = FDC.State().Pen;
    TPen& Out = FCanvas.Pen();
    const TPenStyle Style = CanvasPenStyle(Pen.Style);
    const bool Hairline = Pen.Cosmetic || Pen.Width <= 0;
    const int Width = Hairline ? 0 : Fixed(std::max(1.0, FDC.PenWidth()));
    if (Out.Style() != Style) Out.SetStyle(Style);
    if (Out.Color() != Pen.Color) Out.SetColor(Pen.Color);
    if (Out.Width() != Width) Out.SetWidth(Width);
    if (Out.Mode() != pmCopy) Out.SetMode(pmCopy);
}

void TMfOutput::ApplyNullPen() {
    if (FCanvas.Pen().Style() != psClear) FCanvas.Pen().SetStyle(psClear);
}

void TMfOutput::ApplySolidBrush(TColor Color) {
    TBrush& Out = FCanvas.Brush();
    if (Out.HasPattern()) Out.ClearPattern();
    if (Out.Style() != bsSolid) Out.SetStyle(bsSolid);
    if (Out.Color() != Color) Out.SetColor(Color);
}

void TMfOutput::ApplyBrush() {
    const TMfState& S = FDC.State();
    const TPolyFillMode Mode = S.Winding ? pfWinding : pfAlternate;
    if (FCanvas.PolyFillMode() != Mode) FCanvas.SetPolyFillMode(Mode);
    TBrush& Out = FCanvas.Brush();
    switch (S.Brush.Style) {
    case TMfBrushStyle::Solid:
        ApplySolidBrush(S.Brush.Color);
        break;
    case TMfBrushStyle::Null:
        if (Out.Style() != bsClear) Out.SetStyle(bsClear);
        break;
    case TMfBrushStyle::Hatched: {
        const auto Style = static_cast<TBrushStyle>(bsHorizontal + static_cast<int>(S.Brush.Hatch));
        if (Out.HasPattern()) Out.ClearPattern();
        if (Out.Style() != Style) Out.SetStyle(Style);
        if (Out.Color() != S.Brush.Color) Out.SetColor(S.Brush.Color);
        break;
    }
    }
}

template <class F> void TMfOutput::Closed(F Draw) {
    SyncClip();
    const TMfState& S = FDC.State();
    if (S.Brush.Style == TMfBrushStyle::Hatched && S.BkOpaque) {
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

template <class F> void TMfOutput::Open(F Draw) {
    SyncClip();
    ApplyPen();
    Draw();
}

void TMfOutput::OutlineShape(const std::vector<TMfPoint>& Output, bool IsClosed) {
    if (Output.size() < 2) return;
    if (FRecording) return FRecording->AddFigure(Output, IsClosed);
    if (!Spend(Output.size())) return;
    const std::vector<TPoint> Out = Fixed(Output);
    if (IsClosed)
        Closed([&] { FCanvas.Polygon(Out); });
    else
        Open([&] { FCanvas.Polyline(Out); });
}

void TMfOutput::MoveTo(TMfPoint P) {
    FDC.State().Position = P;
    if (FRecording) FRecording->AddMoveTo(FDC.ToOutput(P));
}

void TMfOutput::LineTo(TMfPoint P) {
    PolylineTo({P});
}

void TMfOutput::PolylineTo(const std::vector<TMfPoint>& Points) {
    if (Points.empty()) return;
    const TMfPoint From = FDC.State().Position;
    FDC.State().Position = Points.back();
    if (FRecording) {
        if (!FRecording->FigureOpen()) FRecording->AddMoveTo(FDC.ToOutput(From));
        for (const TMfPoint& P : Points)
            FRecording->AddLineTo(FDC.ToOutput(P));
        return;
    }
    if (!Spend(Points.size())) return;
    std::vector<TMfPoint> Line{From};
    Line.insert(Line.end(), Points.begin(), Points.end());
    const std::vector<TPoint> Out = Fixed(Map(Line));
    Open([&] { FCanvas.Polyline(Out); });
}

void TMfOutput::Polyline(const std::vector<TMfPoint>& Points) {
    OutlineShape(Map(Points), false);
}

void TMfOutput::Polygon(const std::vector<TMfPoint>& Points) {
    OutlineShape(Map(Points), true);
}

void TMfOutput::PolyPolygon(const std::vector<std::vector<TMfPoint>>& Polygons) {
    TMfPath Path;
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

void TMfOutput::PolyPolyline(const std::vector<std::vector<TMfPoint>>& Polylines) {
    for (const auto& Line : Polylines)
        Polyline(Line);
}

void TMfOutput::PolyBezier(const std::vector<TMfPoint>& Points, bool To) {
    std::vector<TMfPoint> All;
    if (To) All.push_back(FDC.State().Position);
    All.insert(All.end(), Points.begin(), Points.end());
    if (All.size() < 4) return;
    const size_t Curves = (All.size() - 1) / 3;
    if (To) FDC.State().Position = All[Curves * 3];
    const std::vector<TMfPoint> Out = Map(All);
    TMfPath Local;
    TMfPath& Path = FRecording ? *FRecording : Local;
    if (!FRecording || !To || !Path.FigureOpen()) Path.AddMoveTo(Out[0]);
    for (size_t c = 0; c < Curves; ++c)
        Path.AddBezierTo(Out[3 * c + 1], Out[3 * c + 2], Out[3 * c + 3]);
    if (!FRecording && Spend(All.size())) DrawPath(Local, false, true);
}

void TMfOutput::Rectangle(const TMfRect& Box) {
    const TMfRect B = Box.Normalized();
    const std::vector<TMfPoint> Corners{
        {B.Left, B.Top}, {B.Right, B.Top}, {B.Right, B.Bottom}, {B.Left, B.Bottom}};
    if (FRecording || !FDC.LogicalToOutput().AxisAligned()) return Polygon(Corners);
    if (!Spend(4)) return;
    const TRect R = Fixed(FDC.BoundsToOutput(B));
    Closed([&] { FCanvas.Rectangle(R); });
}

void TMfOutput::RoundRect(const TMfRect& Box, TMfPoint Corner) {
    if (FRecording || !FDC.LogicalToOutput().AxisAligned())
        return OutlineShape(RoundRectOutline(Box, Corner.X, Corner.Y, FDC.LogicalToOutput()), true);
    if (!Spend(8)) return;
    const TRect R = Fixed(FDC.BoundsToOutput(Box.Normalized()));
    const TMfXform& M = FDC.LogicalToOutput();
    const int W = Fixed(std::fabs(Corner.X * M.M11)), H = Fixed(std::fabs(Corner.Y * M.M22));
    Closed([&] { FCanvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, W, H); });
}

void TMfOutput::Ellipse(const TMfRect& Box) {
    const TMfRect B = Box.Normalized();
    if (FRecording || !FDC.LogicalToOutput().AxisAligned())
        return OutlineShape(EllipseArc(B, 0, 2 * std::numbers::pi, FDC.LogicalToOutput()), true);
    if (!Spend(8)) return;
    const TRect R = Fixed(FDC.BoundsToOutput(B));
    Closed([&] { FCanvas.Ellipse(R); });
}

void TMfOutput::Arc(TArcKind Kind, const TMfRect& Box, TMfPoint Start, TMfPoint End) {
    const TMfRect B = Box.Normalized();
    const TMfXform& M = FDC.LogicalToOutput();
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
    std::vector<TMfPoint> Points = EllipseArc(B, A0, Sign * Sweep, M);
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
        const TMfPoint From = FDC.ToOutput(FDC.State().Position);
        FDC.State().Position = {B.Left + Rx + Rx * std::cos(A), B.Top + Ry + Ry * std::sin(A)};
        if (FRecording) {
            if (!FRecording->FigureOpen()) FRecording->AddMoveTo(From);
            for (const TMfPoint& P : Points)
                FRecording->AddLineTo(P);
            return;
        }
        Points.insert(Points.begin(), From);
        return OutlineShape(Points, false);
    }
    }
}

void TMfOutput::SetPixel(TMfPoint P, TColor Color) {
    if (FRecording || !Spend(1)) return;
    const TMfPoint O = FDC.ToOutput(P);
    const TMfRect Pixel{std::floor(O.X), std::floor(O.Y), std::floor(O.X) + 1, std::floor(O.Y) + 1};
    SyncClip();
    ApplySolidBrush(Color);
    FCanvas.FillRect(Fixed(Pixel));
}

void TMfOutput::FloodFill(TMfPoint P, TColor Color, bool Surface) {
    if (FRecording || !Spend(1)) return;
    const TPoint At = Fixed(FDC.ToOutput(P));
    SyncClip();
    ApplyBrush();
    FCanvas.FloodFill(At.X, At.Y, Color, Surface ? fsSurface : fsBorder);
}

void TMfOutput::DrawPath(const TMfPath& Path, bool Fill, bool Stroke) {
    if (Path.Empty() || FRecording || !Spend(Path.Points().size())) return;
    const TCanvasPath P = ToCanvasPath(Path);
    SyncClip();
    if (!Fill) {
        ApplyPen();
        return FCanvas.StrokePath(P);
    }
    const TMfState& S = FDC.State();
    if (S.Brush.Style == TMfBrushStyle::Hatched && S.BkOpaque) {
        ApplySolidBrush(S.BkColor);
        FCanvas.FillPath(P);
    }
    ApplyBrush();
    if (!Stroke) return FCanvas.FillPath(P);
    ApplyPen();
    FCanvas.StrokeAndFillPath(P);
}
