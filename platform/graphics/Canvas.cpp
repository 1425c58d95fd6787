#include "platform/graphics/Canvas.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/QtConvert.h"
#include "platform/graphics/TextLayout.h"

#include <QImage>
#include <algorithm>
#include <cmath>

TXForm TXForm::Then(const TXForm& B) const {
    return TXForm{M11 * B.M11 + M12 * B.M21,      M11 * B.M12 + M12 * B.M22,
                  M21 * B.M11 + M22 * B.M21,      M21 * B.M12 + M22 * B.M22,
                  Dx * B.M11 + Dy * B.M21 + B.Dx, Dx * B.M12 + Dy * B.M22 + B.Dy};
}

TXForm TXForm::Inverse() const {
    const double d = Determinant();
    TXForm inverse{M22 / d, -M12 / d, -M21 / d, M11 / d, 0, 0};
    inverse.Dx = -(Dx * inverse.M11 + Dy * inverse.M21);
    inverse.Dy = -(Dx * inverse.M12 + Dy * inverse.M22);
    return inverse;
}

void TCanvasPath::AddMoveTo(TPoint P) {
    Verbs.push_back(MoveTo);
    Points.push_back(P);
}

void TCanvasPath::AddLineTo(TPoint P) {
    Verbs.push_back(LineTo);
    Points.push_back(P);
}

void TCanvasPath::AddBezierTo(TPoint C1, TPoint C2, TPoint P) {
    Verbs.push_back(BezierTo);
    Points.insert(Points.end(), {C1, C2, P});
}

void TCanvasPath::AddClose() {
    Verbs.push_back(Close);
}

struct TCanvas::TSavedState {
    TFont Font;
    TPen Pen;
    TBrush Brush;
    TPoint PenPos;
    unsigned TextAlign;
    TPolyFillMode PolyFillMode;
    TXForm Transform;
    TXForm BaseTransform;
    bool HasClip;
    TRect Clip;
};

namespace {

// Coordinates are kept within this range, so that sizes and offsets computed
// from them never overflow, whatever a script or a picture file asks for.
constexpr long long CoordLimit = 1 << 27;

int Clamp(long long V) {
    return static_cast<int>(std::clamp(V, -CoordLimit, CoordLimit));
}

TPoint Clamped(TPoint P) {
    return Point(Clamp(P.X), Clamp(P.Y));
}

TRect Clamped(const TRect& R) {
    return Rect(Clamp(R.Left), Clamp(R.Top), Clamp(R.Right), Clamp(R.Bottom));
}

std::vector<TPoint> Clamped(const std::vector<TPoint>& Points) {
    std::vector<TPoint> out;
    out.reserve(Points.size());
    for (TPoint p : Points)
        out.push_back(Clamped(p));
    return out;
}

TRect Normalized(int X1, int Y1, int X2, int Y2) {
    X1 = Clamp(X1), Y1 = Clamp(Y1), X2 = Clamp(X2), Y2 = Clamp(Y2);
    return Rect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
}

} // namespace

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetTransform(const TXForm& Value) {
    FTransform = Value;
    TransformChanged();
}

void TCanvas::TextOut(int X, int Y, const AnsiString& Text) {
    X = Clamp(X), Y = Clamp(Y);
    if (!Text.empty()) DoTextOut(X, Y, Text);
    FPenPos = Point(Clamp(static_cast<long long>(X) + TextWidth(Text)), Y);
}

int TCanvas::TextWidth(const AnsiString& Text) const {
    return TextExtent(Text).cx;
}

int TCanvas::TextHeight(const AnsiString& Text) const {
    return TextExtent(Text).cy;
}

TSize TCanvas::TextExtent(const AnsiString& Text) const {
    auto entry = FontEntryFor(*FFont);
    return TSize{entry->TextWidth(Text), entry->Height};
}

TTextMetric TCanvas::TextMetrics() const {
    auto entry = FontEntryFor(*FFont);
    TTextMetric tm;
    tm.tmAscent = entry->Ascent;
    tm.tmDescent = entry->Descent;
    tm.tmHeight = entry->Height;
    tm.tmInternalLeading = std::max(0, entry->Height - entry->EmPixels);
    tm.tmExternalLeading = std::max(0, entry->Leading);
    tm.tmAveCharWidth = entry->AveCharWidth;
    tm.tmMaxCharWidth = entry->MaxCharWidth;
    return tm;
}

int TCanvas::DrawText(const AnsiString& Text, TRect& Rect, unsigned Flags) {
    TRect r = Clamped(Rect);
    TTextLayout layout = LayoutText(*FontEntryFor(*FFont), Text, r, Flags);
    if (Flags & DT_CALCRECT) {
        Rect = layout.CalcRect;
        return layout.Result;
    }
    if (!layout.Lines.empty()) DoDrawText(Text, r, Flags);
    return layout.Result;
}

std::vector<TPlacedTextRun> TCanvas::PlaceText(const AnsiString& Text, const TRect& Rect,
                                               unsigned Flags, int& LineHeight) const {
    const TTextLayout layout = LayoutText(*FontEntryFor(*FFont), Text, Rect, Flags);
    LineHeight = layout.LineHeight;
    std::vector<TPlacedTextRun> runs;
    for (const TTextLine& line : layout.Lines)
        for (const TTextRun& run : line.Runs)
            runs.push_back(
                {FromQString(run.Text), line.X + run.X, line.Y, run.Width, run.Underlined});
    return runs;
}

void TCanvas::MoveTo(int X, int Y) {
    FPenPos = Point(Clamp(X), Clamp(Y));
}

void TCanvas::LineTo(int X, int Y) {
    TPoint to = Point(Clamp(X), Clamp(Y));
    DoLine(Clamped(FPenPos), to);
    FPenPos = to;
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    TRect r = Normalized(X1, Y1, X2, Y2);
    if (!r.IsEmpty()) DoRectangle(r);
}

void TCanvas::FillRect(const TRect& R) {
    TRect r = Clamped(R);
    if (!r.IsEmpty() && !FBrush->IsClear()) DoFillRect(r);
}

void TCanvas::FrameRect(const TRect& R) {
    TRect r = Clamped(R);
    if (!r.IsEmpty() && !FBrush->IsClear()) DoFrameRect(r);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    TRect r = Normalized(X1, Y1, X2, Y2);
    if (!r.IsEmpty()) DoRoundRect(r, std::abs(Clamp(X3)), std::abs(Clamp(Y3)));
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    TRect r = Normalized(X1, Y1, X2, Y2);
    if (!r.IsEmpty()) DoEllipse(r);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    TRect r = Normalized(X1, Y1, X2, Y2);
    if (!r.IsEmpty()) DoArc(akArc, r, Clamped(Point(X3, Y3)), Clamped(Point(X4, Y4)));
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    TRect r = Normalized(X1, Y1, X2, Y2);
    if (!r.IsEmpty()) DoArc(akChord, r, Clamped(Point(X3, Y3)), Clamped(Point(X4, Y4)));
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    TRect r = Normalized(X1, Y1, X2, Y2);
    if (!r.IsEmpty()) DoArc(akPie, r, Clamped(Point(X3, Y3)), Clamped(Point(X4, Y4)));
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
    if (Points.size() >= 2) DoPolygon(Clamped(Points));
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
    if (Points.size() >= 2) DoPolyline(Clamped(Points));
}

void TCanvas::PolyBezier(const std::vector<TPoint>& Points) {
    if (Points.size() >= 4 && (Points.size() - 1) % 3 == 0) DoPolyBezier(Clamped(Points));
}

void TCanvas::PolyBezierTo(const std::vector<TPoint>& Points) {
    if (Points.size() < 3 || Points.size() % 3 != 0) return;
    std::vector<TPoint> all;
    all.reserve(Points.size() + 1);
    all.push_back(Clamped(FPenPos));
    for (TPoint p : Points)
        all.push_back(Clamped(p));
    DoPolyBezier(all);
    FPenPos = all.back();
}

void TCanvas::FillPath(const TCanvasPath& Path) {
    DrawPath(Path, pdFill);
}

void TCanvas::StrokePath(const TCanvasPath& Path) {
    DrawPath(Path, pdStroke);
}

void TCanvas::StrokeAndFillPath(const TCanvasPath& Path) {
    DrawPath(Path, pdBoth);
}

void TCanvas::DrawPath(const TCanvasPath& Path, TPathDraw How) {
    if (Path.Empty() || Path.Points.empty()) return;
    TCanvasPath path = Path;
    path.Points = Clamped(Path.Points);
    DoPath(path, How);
}

void TCanvas::GradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical) {
    TRect r = Clamped(R);
    if (!r.IsEmpty()) DoGradientFillRect(r, ColorToRGB(From), ColorToRGB(To), Vertical);
}

TColor TCanvas::Pixel(int X, int Y) const {
    return DoGetPixel(Clamp(X), Clamp(Y));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
    DoSetPixel(Clamp(X), Clamp(Y), ColorToRGB(Color));
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
    if (FillStyle > fsBorder || FBrush->IsClear()) return;
    DoFloodFill(Clamp(X), Clamp(Y), ColorToRGB(Color) & 0xFFFFFF, FillStyle);
}

void TCanvas::SetClipRect(const TRect& R) {
    FHasClip = true;
    FClip = Normalized(R.Left, R.Top, R.Right, R.Bottom);
    ClipChanged();
}

void TCanvas::ResetClipRect() {
    if (!FHasClip) return;
    FHasClip = false;
    ClipChanged();
}

TRect TCanvas::ClipRect() const {
    TRect device = DeviceClipRect();
    if (device.IsEmpty()) return TRect{};
    QTransform t = ToQTransform(EffectiveTransform());
    bool invertible = false;
    QTransform inverse = t.inverted(&invertible);
    if (!invertible) return TRect{};
    QRectF r = inverse.mapRect(QRectF(device.Left, device.Top, device.Width(), device.Height()));
    // Round inwards by a hair so that an exact mapping gives exact integers.
    constexpr double eps = 1e-6;
    return Rect(static_cast<int>(std::floor(r.left() + eps)),
                static_cast<int>(std::floor(r.top() + eps)),
                static_cast<int>(std::ceil(r.right() - eps)),
                static_cast<int>(std::ceil(r.bottom() - eps)));
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    X = Clamp(X), Y = Clamp(Y);
    DoDrawGraphic(Rect(X, Y, Clamp(static_cast<long long>(X) + Graphic->Width()),
                       Clamp(static_cast<long long>(Y) + Graphic->Height())),
                  *Graphic);
}

void TCanvas::StretchDraw(const TRect& Dest, const TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    DoDrawGraphic(Clamped(Dest), *Graphic);
}

void TCanvas::DoDrawGraphic(const TRect& Dest, const TGraphic& Graphic) {
    Graphic.Draw(*this, Dest);
}

void TCanvas::DrawImage(const TRect& Dest, const QImage& Image) {
    TRect dest = Clamped(Dest);
    if (Image.isNull() || dest.Width() == 0 || dest.Height() == 0) return;
    DoDrawImage(dest, Image);
}

void TCanvas::BeginReplay(const TXForm& Mapping) {
    auto saved = std::make_unique<TSavedState>();
    saved->Font.Assign(*FFont);
    saved->Pen.Assign(*FPen);
    saved->Brush.Assign(*FBrush);
    saved->PenPos = FPenPos;
    saved->TextAlign = FTextAlign;
    saved->PolyFillMode = FPolyFillMode;
    saved->Transform = FTransform;
    saved->BaseTransform = FBaseTransform;
    saved->HasClip = FHasClip;
    saved->Clip = FClip;
    FReplayStack.push_back(std::move(saved));
    PushClipBound();
    FBaseTransform = Mapping.Then(EffectiveTransform());
    FTransform = TXForm{};
    FHasClip = false;
    TransformChanged();
    ClipChanged();
}

void TCanvas::EndReplay() {
    if (FReplayStack.empty()) return;
    std::unique_ptr<TSavedState> saved = std::move(FReplayStack.back());
    FReplayStack.pop_back();
    PopClipBound();
    FFont->Assign(saved->Font);
    FPen->Assign(saved->Pen);
    FBrush->Assign(saved->Brush);
    FPenPos = saved->PenPos;
    FTextAlign = saved->TextAlign;
    FPolyFillMode = saved->PolyFillMode;
    FTransform = saved->Transform;
    FBaseTransform = saved->BaseTransform;
    FHasClip = saved->HasClip;
    FClip = saved->Clip;
    TransformChanged();
    ClipChanged();
}
