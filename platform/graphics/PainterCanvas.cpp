#include "platform/graphics/PainterCanvas.h"

#include "platform/graphics/FontCache.h"
#include "platform/graphics/QtConvert.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/ThinLines.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QPainter::CompositionMode CompositionOf(TPenMode Mode) {
    switch (Mode) {
    case pmBlack:
        return QPainter::RasterOp_ClearDestination;
    case pmWhite:
        return QPainter::RasterOp_SetDestination;
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// Dash patterns of thin pens, in pen widths.
QList<qreal> DashesOf(TPenStyle Style) {
    switch (Style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPen PenOf(const TPen& Pen) {
    if (Pen.Style() == psClear) return Qt::NoPen;
    QPen pen(ToQColor(Pen.Color()));
    pen.setWidth(Pen.Width());
    if (Pen.Width() <= 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        QList<qreal> dashes = DashesOf(Pen.Style());
        if (!dashes.isEmpty()) pen.setDashPattern(dashes);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QImage PatternImage(const TBrushPattern& P) {
    QImage image(P.Width, P.Height, QImage::Format_RGB32);
    for (int y = 0; y < P.Height; ++y)
        for (int x = 0; x < P.Width; ++x)
            image.setPixelColor(x, y, ToQColor(P.Pixel(x, y)));
    return image;
}

QBrush BrushOf(const TBrush& Brush) {
    if (Brush.HasPattern()) return QBrush(PatternImage(Brush.Pattern()));
    QColor color = ToQColor(Brush.Color());
    switch (Brush.Style()) {
    case bsSolid:
        return QBrush(color);
    case bsHorizontal:
        return QBrush(color, Qt::HorPattern);
    case bsVertical:
        return QBrush(color, Qt::VerPattern);
    case bsFDiagonal:
        return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal:
        return QBrush(color, Qt::BDiagPattern);
    case bsCross:
        return QBrush(color, Qt::CrossPattern);
    case bsDiagCross:
        return QBrush(color, Qt::DiagCrossPattern);
    default:
        return Qt::NoBrush;
    }
}

// The geometry of a pen-outlined shape in R: the outline of a one-pixel pen
// runs on the first and last pixel rows and columns inside R.
QRectF ShapeRect(const TRect& R, const TPen& Pen) {
    QRectF r(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    if (Pen.Style() == psInsideFrame && Pen.Width() > 1) {
        qreal inset = Pen.Width() / 2;
        r.adjust(inset, inset, -inset, -inset);
    }
    return r;
}

// Parametric angle (degrees, counter-clockwise) of the point of the ellipse
// in R that lies on the radial through P.
qreal EllipseAngle(const QRectF& R, TPoint P) {
    qreal dx = P.X - R.center().x();
    qreal dy = P.Y - R.center().y();
    qreal a = std::max<qreal>(R.width() / 2, 1e-9);
    qreal b = std::max<qreal>(R.height() / 2, 1e-9);
    return std::atan2(-dy * a, dx * b) * 180 / std::numbers::pi;
}

QPolygonF PolygonOf(const std::vector<TPoint>& Points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(Points.size()));
    for (TPoint p : Points)
        polygon << QPointF(p.X, p.Y);
    return polygon;
}

QPainterPath PathOf(const TCanvasPath& Path) {
    QPainterPath path;
    size_t k = 0;
    auto pt = [&](size_t i) { return QPointF(Path.Points[i].X, Path.Points[i].Y); };
    for (TCanvasPath::TVerb verb : Path.Verbs) {
        size_t need = verb == TCanvasPath::BezierTo ? 3 : (verb == TCanvasPath::Close ? 0 : 1);
        if (k + need > Path.Points.size()) break;
        switch (verb) {
        case TCanvasPath::MoveTo:
            path.moveTo(pt(k));
            break;
        case TCanvasPath::LineTo:
            path.lineTo(pt(k));
            break;
        case TCanvasPath::BezierTo:
            path.cubicTo(pt(k), pt(k + 1), pt(k + 2));
            break;
        case TCanvasPath::Close:
            path.closeSubpath();
            break;
        }
        k += need;
    }
    return path;
}

QRect RoundedDeviceRect(const QRectF& R) {
    int l = static_cast<int>(std::lround(R.left()));
    int t = static_cast<int>(std::lround(R.top()));
    int r = static_cast<int>(std::lround(R.right()));
    int b = static_cast<int>(std::lround(R.bottom()));
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

} // namespace

TPainterCanvas::TPainterCanvas(QImage& Image)
    : FOwnedPainter(std::make_unique<QPainter>(&Image)), FPainter(FOwnedPainter.get()),
      FImage(&Image) {
    Init();
}

TPainterCanvas::TPainterCanvas(QPainter& Painter) : FPainter(&Painter) {
    QPaintDevice* device = Painter.device();
    if (device && device->devType() == QInternal::Image) FImage = static_cast<QImage*>(device);
    FPainter->save(); // the borrowed painter is given back as it was lent
    Init();
}

TPainterCanvas::~TPainterCanvas() {
    if (!FOwnedPainter) FPainter->restore();
}

void TPainterCanvas::Init() {
    FDeviceTransform = FPainter->transform();
    if (FPainter->hasClipping())
        FClipBounds.emplace_back(FDeviceTransform.map(FPainter->clipRegion()));
    else
        FClipBounds.emplace_back(std::nullopt);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QImage TPainterCanvas::MakeImage(int Width, int Height, QColor Fill) {
    QImage image(std::max(1, Width), std::max(1, Height), QImage::Format_RGB32);
    image.fill(Fill);
    return image;
}

const QImage* TPainterCanvas::RasterImage() const {
    return FImage;
}

QRect TPainterCanvas::DeviceBounds() const {
    const QPaintDevice* device = FPainter->device();
    if (!device) return QRect();
    return QRect(0, 0, device->width(), device->height());
}

void TPainterCanvas::TransformChanged() {
    FPainter->setTransform(ToQTransform(EffectiveTransform()) * FDeviceTransform);
}

void TPainterCanvas::ClipChanged() {
    std::optional<QRegion> clip = FClipBounds.back();
    if (HasClipRect()) {
        const TRect& c = ClipRectValue();
        QRectF mapped = FPainter->transform().mapRect(QRectF(c.Left, c.Top, c.Width(), c.Height()));
        QRegion r(RoundedDeviceRect(mapped));
        clip = clip ? clip->intersected(r) : r;
    }
    QTransform t = FPainter->transform();
    FPainter->resetTransform();
    if (clip)
        FPainter->setClipRegion(*clip);
    else
        FPainter->setClipping(false);
    FPainter->setTransform(t);
}

void TPainterCanvas::PushClipBound() {
    if (FPainter->hasClipping())
        FClipBounds.emplace_back(FPainter->transform().map(FPainter->clipRegion()));
    else
        FClipBounds.emplace_back(std::nullopt);
}

void TPainterCanvas::PopClipBound() {
    if (FClipBounds.size() > 1) FClipBounds.pop_back();
}

TRect TPainterCanvas::DeviceClipRect() const {
    QRect device = DeviceBounds();
    if (FPainter->hasClipping()) {
        QRegion region = FPainter->transform().map(FPainter->clipRegion());
        device = device.intersected(region.boundingRect());
    }
    if (device.isEmpty()) return TRect{};
    QRectF own = FDeviceTransform.inverted().mapRect(QRectF(device));
    return Rect(static_cast<int>(std::floor(own.left() + 1e-6)),
                static_cast<int>(std::floor(own.top() + 1e-6)),
                static_cast<int>(std::ceil(own.right() - 1e-6)),
                static_cast<int>(std::ceil(own.bottom() - 1e-6)));
}

bool TPainterCanvas::PrepareShape(bool Fill) {
    if (Pen().Mode() == pmNop) return false;
    FPainter->setCompositionMode(CompositionOf(Pen().Mode()));
    FPainter->setPen(PenOf(Pen()));
    FPainter->setBrush(Fill ? BrushOf(Brush()) : QBrush(Qt::NoBrush));
    return true;
}

void TPainterCanvas::Finish() {
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Draws a shape with the pen and, when Fill, the brush. In a raster mode the
// fill leaves out what the outline covers, so no pixel is combined twice.
void TPainterCanvas::DrawShapePath(const QPainterPath& Path, bool Fill) {
    if (!PrepareShape(Fill)) return;
    QPen pen = FPainter->pen();
    QBrush brush = FPainter->brush();
    FPainter->setBrush(Qt::NoBrush);
    if (Fill && brush.style() != Qt::NoBrush) {
        QPainterPath area = Path;
        if (Pen().Mode() != pmCopy && pen.style() != Qt::NoPen) {
            QPainterPathStroker stroker(pen);
            area = Path.subtracted(stroker.createStroke(Path));
        }
        FPainter->setPen(Qt::NoPen);
        FPainter->setBrush(brush);
        FPainter->drawPath(area);
        FPainter->setBrush(Qt::NoBrush);
        FPainter->setPen(pen);
    }
    if (pen.style() != Qt::NoPen) FPainter->drawPath(Path);
    Finish();
}

void TPainterCanvas::DoLine(TPoint From, TPoint To) {
    DrawLines({From, To});
}

// A line holds its start point and leaves out its end point in every
// direction. Thin solid lines at one page pixel per device pixel are set pixel
// by pixel, exactly; at other scales, and for dashes, the stroke's flat ends
// are moved to the same effect. A wide pen's round ends cover both points.
void TPainterCanvas::DrawLines(const std::vector<TPoint>& Points) {
    if (Pen().Width() > 1) {
        QPainterPath path;
        path.addPolygon(PolygonOf(Points));
        DrawShapePath(path, false);
        return;
    }
    const bool solid = Pen().Style() == psSolid || Pen().Style() == psInsideFrame;
    if (!solid || FPainter->transform().type() > QTransform::TxTranslate) {
        DrawShapePath(ThinLineStroke(Points), false);
        return;
    }
    if (!PrepareShape(false)) return;
    FPainter->setPen(Qt::NoPen);
    FPainter->setBrush(ToQColor(Pen().Color()));
    FPainter->drawPath(ThinLinePixels(Points, VisibleRect()));
    Finish();
}

// The part of the canvas that can show, in its own coordinates, a pixel
// wider all round.
TRect TPainterCanvas::VisibleRect() const {
    QRect device = DeviceBounds();
    if (FPainter->hasClipping())
        device &= FPainter->transform().map(FPainter->clipRegion()).boundingRect();
    const QRect own = FPainter->transform().inverted().mapRect(device);
    return Rect(own.left() - 1, own.top() - 1, own.right() + 2, own.bottom() + 2);
}

void TPainterCanvas::DoRectangle(const TRect& R) {
    QPainterPath path;
    path.addRect(ShapeRect(R, Pen()));
    DrawShapePath(path, true);
}

void TPainterCanvas::DoFillRect(const TRect& R) {
    FPainter->fillRect(QRectF(R.Left, R.Top, R.Width(), R.Height()), BrushOf(Brush()));
}

void TPainterCanvas::DoFrameRect(const TRect& R) {
    QBrush brush = BrushOf(Brush());
    FPainter->fillRect(QRectF(R.Left, R.Top, R.Width(), 1), brush);
    FPainter->fillRect(QRectF(R.Left, R.Bottom - 1, R.Width(), 1), brush);
    FPainter->fillRect(QRectF(R.Left, R.Top + 1, 1, R.Height() - 2), brush);
    FPainter->fillRect(QRectF(R.Right - 1, R.Top + 1, 1, R.Height() - 2), brush);
}

void TPainterCanvas::DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) {
    QRectF r = ShapeRect(R, Pen());
    qreal rx = std::min<qreal>(CornerWidth / 2.0, r.width() / 2);
    qreal ry = std::min<qreal>(CornerHeight / 2.0, r.height() / 2);
    QPainterPath path;
    path.addRoundedRect(r, rx, ry, Qt::AbsoluteSize);
    DrawShapePath(path, true);
}

void TPainterCanvas::DoEllipse(const TRect& R) {
    QPainterPath path;
    path.addEllipse(ShapeRect(R, Pen()));
    DrawShapePath(path, true);
}

void TPainterCanvas::DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) {
    QRectF r = ShapeRect(R, Pen());
    qreal from = EllipseAngle(r, Start);
    qreal sweep = EllipseAngle(r, End) - from;
    while (sweep <= 1e-9)
        sweep += 360;
    QPainterPath path;
    if (Kind == akPie) {
        path.moveTo(r.center());
        path.arcTo(r, from, sweep);
    } else {
        path.arcMoveTo(r, from);
        path.arcTo(r, from, sweep);
    }
    if (Kind != akArc) path.closeSubpath();
    DrawShapePath(path, Kind != akArc);
}

void TPainterCanvas::DoPolygon(const std::vector<TPoint>& Points) {
    QPainterPath path;
    path.addPolygon(PolygonOf(Points));
    path.closeSubpath();
    path.setFillRule(PolyFillMode() == pfWinding ? Qt::WindingFill : Qt::OddEvenFill);
    DrawShapePath(path, true);
}

void TPainterCanvas::DoPolyline(const std::vector<TPoint>& Points) {
    DrawLines(Points);
}

void TPainterCanvas::DoPolyBezier(const std::vector<TPoint>& Points) {
    QPainterPath path(QPointF(Points[0].X, Points[0].Y));
    for (size_t i = 1; i + 2 < Points.size(); i += 3)
        path.cubicTo(QPointF(Points[i].X, Points[i].Y), QPointF(Points[i + 1].X, Points[i + 1].Y),
                     QPointF(Points[i + 2].X, Points[i + 2].Y));
    DrawShapePath(path, false);
}

void TPainterCanvas::DoPath(const TCanvasPath& Path, TPathDraw How) {
    QPainterPath path = PathOf(Path);
    path.setFillRule(PolyFillMode() == pfWinding ? Qt::WindingFill : Qt::OddEvenFill);
    if (How == pdFill) {
        if (!PrepareShape(true)) return;
        FPainter->setPen(Qt::NoPen);
        FPainter->drawPath(path);
        Finish();
        return;
    }
    DrawShapePath(path, How == pdBoth);
}

void TPainterCanvas::DoGradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical) {
    QRectF r(R.Left, R.Top, R.Width(), R.Height());
    QLinearGradient gradient(r.topLeft(), Vertical ? r.bottomLeft() : r.topRight());
    gradient.setColorAt(0, ToQColor(From));
    gradient.setColorAt(1, ToQColor(To));
    FPainter->fillRect(r, gradient);
}

TColor TPainterCanvas::DoGetPixel(int X, int Y) const {
    const QImage* image = RasterImage();
    if (!image) return clNone;
    QPointF p = FPainter->transform().map(QPointF(X + 0.5, Y + 0.5));
    int x = static_cast<int>(std::floor(p.x()));
    int y = static_cast<int>(std::floor(p.y()));
    if (!image->valid(x, y)) return clNone;
    return FromQColor(image->pixelColor(x, y));
}

void TPainterCanvas::DoSetPixel(int X, int Y, TColor Color) {
    FPainter->fillRect(QRectF(X, Y, 1, 1), ToQColor(Color));
}

namespace {

// The device pixels of the area a flood fill covers, as a region: the pixels
// connected to Seed (4-neighbourhood) that match, within Bounds.
QRegion FloodRegion(const QImage& Image, QPoint Seed, QRgb Color, bool Surface,
                    const QRect& Bounds) {
    auto matches = [&](int x, int y) {
        bool same = (Image.pixel(x, y) & 0xFFFFFF) == (Color & 0xFFFFFF);
        return Surface ? same : !same;
    };
    if (!Bounds.contains(Seed) || !matches(Seed.x(), Seed.y())) return QRegion();
    const int w = Bounds.width();
    std::vector<uint8_t> done(static_cast<size_t>(w) * static_cast<size_t>(Bounds.height()), 0);
    auto mark = [&](int x, int y) -> uint8_t& {
        return done[static_cast<size_t>(y - Bounds.top()) * static_cast<size_t>(w) +
                    static_cast<size_t>(x - Bounds.left())];
    };
    std::vector<QRect> spans;
    std::vector<QPoint> stack{Seed};
    while (!stack.empty()) {
        QPoint p = stack.back();
        stack.pop_back();
        if (mark(p.x(), p.y()) || !matches(p.x(), p.y())) continue;
        int left = p.x(), right = p.x();
        while (left > Bounds.left() && !mark(left - 1, p.y()) && matches(left - 1, p.y()))
            --left;
        while (right < Bounds.right() && !mark(right + 1, p.y()) && matches(right + 1, p.y()))
            ++right;
        for (int x = left; x <= right; ++x)
            mark(x, p.y()) = 1;
        spans.emplace_back(left, p.y(), right - left + 1, 1);
        for (int dy : {-1, 1}) {
            int y = p.y() + dy;
            if (y < Bounds.top() || y > Bounds.bottom()) continue;
            for (int x = left; x <= right; ++x)
                if (!mark(x, y) && matches(x, y)) {
                    stack.emplace_back(x, y);
                    while (x < right && matches(x + 1, y))
                        ++x; // one seed per run
                }
        }
    }
    // A region is built from rectangles in rows from the top, left to right.
    std::sort(spans.begin(), spans.end(), [](const QRect& A, const QRect& B) {
        return A.top() != B.top() ? A.top() < B.top() : A.left() < B.left();
    });
    QRegion region;
    region.setRects(spans.data(), static_cast<int>(spans.size()));
    return region;
}

} // namespace

void TPainterCanvas::DoFloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
    const QImage* image = RasterImage();
    if (!image) return;
    QPointF p = FPainter->transform().map(QPointF(X + 0.5, Y + 0.5));
    QPoint seed(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    QRect bounds = image->rect();
    if (FPainter->hasClipping())
        bounds &= FPainter->transform().map(FPainter->clipRegion()).boundingRect();
    QRgb target = ToQColor(Color).rgb();
    QRegion region = FloodRegion(*image, seed, target, FillStyle == fsSurface, bounds);
    if (region.isEmpty()) return;
    QTransform t = FPainter->transform();
    FPainter->save();
    FPainter->resetTransform();
    FPainter->setClipRegion(region, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    FPainter->setTransform(t);
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRectF area = t.inverted().mapRect(QRectF(region.boundingRect()));
    FPainter->fillRect(area.adjusted(-1, -1, 1, 1), BrushOf(Brush()));
    FPainter->restore();
}

void TPainterCanvas::DoDrawImage(const TRect& Dest, const QImage& Image) {
    bool mirrorX = Dest.Width() < 0, mirrorY = Dest.Height() < 0;
    QRectF target(std::min(Dest.Left, Dest.Right), std::min(Dest.Top, Dest.Bottom),
                  std::abs(Dest.Width()), std::abs(Dest.Height()));
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (mirrorX || mirrorY)
        FPainter->drawImage(target, Image.mirrored(mirrorX, mirrorY));
    else
        FPainter->drawImage(target, Image);
}

namespace {

// Offset of the text box from the reference point of TextOut.
QPointF AlignOffset(unsigned Align, int Width, const TFontEntry& Font) {
    qreal dx = 0, dy = 0;
    if ((Align & TA_CENTER) == TA_CENTER)
        dx = -Width / 2;
    else if (Align & TA_RIGHT)
        dx = -Width;
    if ((Align & TA_BASELINE) == TA_BASELINE)
        dy = -Font.Ascent;
    else if (Align & TA_BOTTOM)
        dy = -Font.Height;
    return QPointF(dx, dy);
}

// Glyphs rasterised under a transform that squeezes one axis thousands of
// times more than the other (a metafile's text stretched far out of shape)
// make the font rasteriser fail, and Qt's glyph cache then crashes. Such
// text is drawn from its outlines instead: it shows as well as it can.
bool GlyphsRasterise(const QTransform& Transform) {
    const double sx = std::hypot(Transform.m11(), Transform.m12());
    const double sy = std::hypot(Transform.m21(), Transform.m22());
    const double small = std::min(sx, sy), large = std::max(sx, sy);
    return small > 1.0 / 64 && large < 64 * 64 && large <= small * 64;
}

void DrawTextOutline(QPainter& Painter, const QPointF& Baseline, const QFont& Font,
                     const QString& Text) {
    QPainterPath path;
    path.addText(Baseline, Font, Text);
    Painter.fillPath(path, Painter.pen().color());
}

} // namespace

void TPainterCanvas::DoTextOut(int X, int Y, const AnsiString& Text) {
    auto font = FontEntryFor(Font());
    const int width = font->TextWidth(Text);
    // Pages draw many words in a row: the painter's state is changed only
    // where text needs it and put back afterwards, without a full save.
    const bool rotated = Font().Escapement() != 0;
    if (rotated) {
        FPainter->save();
        FPainter->translate(X, Y);
        FPainter->rotate(-Font().Escapement() / 10.0);
        X = Y = 0;
    }
    const QPainter::CompositionMode mode = FPainter->compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver)
        FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QPointF at = AlignOffset(TextAlign(), width, *font) + QPointF(X, Y);
    if (Brush().Style() == bsSolid && !Brush().HasPattern())
        FPainter->fillRect(QRectF(at.x(), at.y(), width, font->Height), ToQColor(Brush().Color()));
    const QPen pen = FPainter->pen();
    FPainter->setPen(ToQColor(Font().Color()));
    const QPointF baseline(at.x(), at.y() + font->Ascent);
    if (!GlyphsRasterise(FPainter->combinedTransform())) {
        DrawTextOutline(*FPainter, baseline, font->Font, ToQString(Text));
    } else if (font->GlyphRun(Text, FGlyphRun)) {
        FPainter->drawGlyphRun(baseline, FGlyphRun);
        DrawTextDecoration(*FPainter, *font, baseline, width);
    } else {
        FPainter->setFont(font->Font);
        FPainter->drawText(baseline, ToQString(Text));
    }
    FPainter->setPen(pen);
    if (mode != QPainter::CompositionMode_SourceOver) FPainter->setCompositionMode(mode);
    if (rotated) FPainter->restore();
}

void TPainterCanvas::DoDrawText(const AnsiString& Text, const TRect& Rect, unsigned Flags) {
    auto font = FontEntryFor(Font());
    TTextLayout layout = LayoutText(*font, Text, Rect, Flags);
    FPainter->save();
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!(Flags & DT_NOCLIP))
        FPainter->setClipRect(QRectF(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()),
                              Qt::IntersectClip);
    bool opaque = Brush().Style() == bsSolid && !Brush().HasPattern();
    QColor color = ToQColor(Font().Color());
    FPainter->setFont(font->Font);
    FPainter->setPen(color);
    int underlineY = font->Ascent + font->Metrics.underlinePos();
    int thickness = std::max(1, font->Metrics.lineWidth());
    for (const TTextLine& line : layout.Lines)
        for (const TTextRun& run : line.Runs) {
            int x = line.X + run.X;
            if (opaque)
                FPainter->fillRect(QRectF(x, line.Y, run.Width, layout.LineHeight),
                                   ToQColor(Brush().Color()));
            if (GlyphsRasterise(FPainter->combinedTransform()))
                FPainter->drawText(QPointF(x, line.Y + font->Ascent), run.Text);
            else
                DrawTextOutline(*FPainter, QPointF(x, line.Y + font->Ascent), font->Font, run.Text);
            for (int i : run.Underlined) {
                int from = font->Metrics.horizontalAdvance(run.Text.left(i));
                int to = font->Metrics.horizontalAdvance(run.Text.left(i + 1));
                FPainter->fillRect(QRectF(x + from, line.Y + underlineY, to - from, thickness),
                                   color);
            }
        }
    FPainter->restore();
}
