#include "platform/displaylist/MetafileCanvas.h"

#include "platform/displaylist/DisplayRecords.h"
#include "platform/graphics/FontCache.h"
#include "platform/graphics/QtConvert.h"
#include "platform/graphics/TextLayout.h"

#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

// The state last written to the display list, so that only changes are
// recorded.
struct TMetafileCanvas::TRecorded {
    std::optional<TPen> Pen;
    std::optional<TBrush> Brush;
    std::optional<TFont> Font;
    unsigned TextAlign = TA_LEFT | TA_TOP;
    TPolyFillMode PolyFillMode = pfAlternate;
    // Clip bounds of nested replays, in metafile coordinates.
    std::vector<std::optional<TRect>> ClipBounds{std::nullopt};
};

namespace {

TRect BoundsOf(const std::vector<TPoint>& Points) {
    TRect r{Points[0].X, Points[0].Y, Points[0].X + 1, Points[0].Y + 1};
    for (TPoint p : Points) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X + 1);
        r.Bottom = std::max(r.Bottom, p.Y + 1);
    }
    return r;
}

TRect Intersect(const TRect& A, const TRect& B) {
    return Rect(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                std::min(A.Bottom, B.Bottom));
}

} // namespace

TMetafileCanvas::TMetafileCanvas(TMetafile& Metafile)
    : FMetafile(Metafile), FRecorded(std::make_unique<TRecorded>()) {
    FMetafile.Clear();
}

TMetafileCanvas::~TMetafileCanvas() {
    FMetafile.Changed();
}

void TMetafileCanvas::Sync(unsigned Needs) {
    TRecorded& r = *FRecorded;
    if ((Needs & nPen) && !(r.Pen && r.Pen->SameAs(Pen()))) {
        FMetafile.AddRecord(DisplayRecords::Pen(Pen()));
        r.Pen.emplace();
        r.Pen->Assign(Pen());
    }
    if ((Needs & nBrush) && !(r.Brush && r.Brush->SameAs(Brush()))) {
        FMetafile.AddRecord(DisplayRecords::Brush(Brush()));
        r.Brush.emplace();
        r.Brush->Assign(Brush());
    }
    if ((Needs & nFont) && !(r.Font && r.Font->SameAs(Font()))) {
        FMetafile.AddRecord(DisplayRecords::Font(Font()));
        r.Font.emplace();
        r.Font->Assign(Font());
    }
    if ((Needs & nText) && r.TextAlign != TextAlign()) {
        FMetafile.AddRecord(DisplayRecords::TextAlign(TextAlign()));
        r.TextAlign = TextAlign();
    }
    if ((Needs & nPen) && r.PolyFillMode != PolyFillMode()) {
        FMetafile.AddRecord(DisplayRecords::PolyFillMode(PolyFillMode()));
        r.PolyFillMode = PolyFillMode();
    }
}

void TMetafileCanvas::Add(std::shared_ptr<TDisplayRecord> Record, const TRect& Bounds,
                          bool WithPen) {
    QRectF r(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    if (WithPen) {
        qreal reach = Pen().Width() / 2.0 + 1;
        r.adjust(-reach, -reach, reach, reach);
    }
    QRectF mapped = ToQTransform(EffectiveTransform()).mapRect(r);
    Record->Bounds = Rect(static_cast<int>(std::floor(mapped.left())) - 1,
                          static_cast<int>(std::floor(mapped.top())) - 1,
                          static_cast<int>(std::ceil(mapped.right())) + 1,
                          static_cast<int>(std::ceil(mapped.bottom())) + 1);
    Record->Bounded = true;
    FMetafile.AddRecord(std::move(Record));
}

void TMetafileCanvas::AddUnbounded(std::shared_ptr<TDisplayRecord> Record) {
    FMetafile.AddRecord(std::move(Record));
}

void TMetafileCanvas::DoTextOut(int X, int Y, const AnsiString& Text) {
    Sync(nFont | nBrush | nText);
    auto font = FontEntryFor(Font());
    int width = font->TextWidth(Text);
    // Glyphs may reach beyond their advance and cell: allow half a cell around.
    int reach = font->Height / 2 + 1;
    QRectF box(-width - reach, -font->Height - reach, 2 * (width + reach),
               2 * (font->Height + reach));
    QTransform t;
    t.translate(X, Y);
    t.rotate(-Font().Escapement() / 10.0);
    QRect bounds = t.mapRect(box).toAlignedRect();
    Add(DisplayRecords::TextOut(X, Y, Text),
        Rect(bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1), false);
}

void TMetafileCanvas::DoDrawText(const AnsiString& Text, const TRect& R, unsigned Flags) {
    Sync(nFont | nBrush);
    TRect bounds = R;
    if (Flags & DT_NOCLIP) {
        auto font = FontEntryFor(Font());
        bounds = LayoutText(*font, Text, R, Flags).Extent;
        int reach = font->Height / 2 + 1;
        bounds = Rect(bounds.Left - reach, bounds.Top - reach, bounds.Right + reach,
                      bounds.Bottom + reach);
    }
    Add(DisplayRecords::DrawText(Text, R, Flags), bounds, false);
}

void TMetafileCanvas::DoLine(TPoint From, TPoint To) {
    Sync(nPen);
    Add(DisplayRecords::Line(From, To), BoundsOf({From, To}), true);
}

void TMetafileCanvas::DoRectangle(const TRect& R) {
    Sync(nPen | nBrush);
    Add(DisplayRecords::RectShape(DisplayRecords::rkRectangle, R), R, true);
}

void TMetafileCanvas::DoFillRect(const TRect& R) {
    Sync(nBrush);
    Add(DisplayRecords::RectShape(DisplayRecords::rkFillRect, R), R, false);
}

void TMetafileCanvas::DoFrameRect(const TRect& R) {
    Sync(nBrush);
    Add(DisplayRecords::RectShape(DisplayRecords::rkFrameRect, R), R, false);
}

void TMetafileCanvas::DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) {
    Sync(nPen | nBrush);
    Add(DisplayRecords::RoundRect(R, CornerWidth, CornerHeight), R, true);
}

void TMetafileCanvas::DoEllipse(const TRect& R) {
    Sync(nPen | nBrush);
    Add(DisplayRecords::RectShape(DisplayRecords::rkEllipse, R), R, true);
}

void TMetafileCanvas::DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) {
    Sync(Kind == akArc ? nPen : (nPen | nBrush));
    Add(DisplayRecords::Arc(Kind, R, Start, End), R, true);
}

void TMetafileCanvas::DoPolygon(const std::vector<TPoint>& Points) {
    Sync(nPen | nBrush);
    Add(DisplayRecords::Points(DisplayRecords::pkPolygon, Points), BoundsOf(Points), true);
}

void TMetafileCanvas::DoPolyline(const std::vector<TPoint>& Points) {
    Sync(nPen);
    Add(DisplayRecords::Points(DisplayRecords::pkPolyline, Points), BoundsOf(Points), true);
}

void TMetafileCanvas::DoPolyBezier(const std::vector<TPoint>& Points) {
    Sync(nPen);
    // A cubic curve stays inside the hull of its control points.
    Add(DisplayRecords::Points(DisplayRecords::pkPolyBezier, Points), BoundsOf(Points), true);
}

void TMetafileCanvas::DoPath(const TCanvasPath& Path, TPathDraw How) {
    Sync(nPen | nBrush);
    if (Path.Points.empty()) return;
    Add(DisplayRecords::Path(Path, How), BoundsOf(Path.Points), true);
}

void TMetafileCanvas::DoGradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical) {
    Add(DisplayRecords::Gradient(R, From, To, Vertical), R, false);
}

TColor TMetafileCanvas::DoGetPixel(int, int) const {
    return clNone;
}

void TMetafileCanvas::DoSetPixel(int X, int Y, TColor Color) {
    Add(DisplayRecords::SetPixel(X, Y, Color), Bounds(X, Y, 1, 1), false);
}

void TMetafileCanvas::DoFloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
    Sync(nBrush);
    AddUnbounded(DisplayRecords::FloodFill(X, Y, Color, FillStyle));
}

void TMetafileCanvas::DoDrawImage(const TRect& Dest, const QImage& Image) {
    TRect r = Rect(std::min(Dest.Left, Dest.Right), std::min(Dest.Top, Dest.Bottom),
                   std::max(Dest.Left, Dest.Right), std::max(Dest.Top, Dest.Bottom));
    Add(DisplayRecords::Image(Dest, Image), r, false);
}

void TMetafileCanvas::DoDrawGraphic(const TRect& Dest, const TGraphic& Graphic) {
    if (auto* metafile = dynamic_cast<const TMetafile*>(&Graphic))
        RecordMetafile(*metafile, Dest);
    else
        Graphic.Draw(*this, Dest);
}

void TMetafileCanvas::RecordMetafile(const TMetafile& Source, const TRect& Dest) {
    if (Source.Empty() || Dest.Width() == 0 || Dest.Height() == 0) return;
    TRect r = Rect(std::min(Dest.Left, Dest.Right), std::min(Dest.Top, Dest.Bottom),
                   std::max(Dest.Left, Dest.Right), std::max(Dest.Top, Dest.Bottom));
    Add(DisplayRecords::Nested(Source.Records(), Source.Width(), Source.Height(), Dest), r, false);
}

void TMetafileCanvas::TransformChanged() {
    AddUnbounded(DisplayRecords::Transform(EffectiveTransform()));
}

void TMetafileCanvas::ClipChanged() {
    if (HasClipRect()) {
        TRect c = ClipRectValue();
        AddUnbounded(DisplayRecords::Clip(&c));
    } else {
        AddUnbounded(DisplayRecords::Clip(nullptr));
    }
}

void TMetafileCanvas::PushClipBound() {
    TRect current = DeviceClipRect();
    FRecorded->ClipBounds.emplace_back(current);
}

void TMetafileCanvas::PopClipBound() {
    if (FRecorded->ClipBounds.size() > 1) FRecorded->ClipBounds.pop_back();
}

TRect TMetafileCanvas::DeviceClipRect() const {
    TRect r = Rect(0, 0, FMetafile.Width(), FMetafile.Height());
    if (const auto& bound = FRecorded->ClipBounds.back()) r = Intersect(r, *bound);
    if (HasClipRect()) {
        const TRect& c = ClipRectValue();
        QRectF m = ToQTransform(EffectiveTransform())
                       .mapRect(QRectF(c.Left, c.Top, c.Width(), c.Height()));
        r = Intersect(r, Rect(static_cast<int>(std::lround(m.left())),
                              static_cast<int>(std::lround(m.top())),
                              static_cast<int>(std::lround(m.right())),
                              static_cast<int>(std::lround(m.bottom()))));
    }
    return r.IsEmpty() ? TRect{} : r;
}
