#pragma once

#include "platform/graphics/Canvas.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <memory>
#include <optional>
#include <vector>

// A canvas that draws through a QPainter: over an image (owning its painter)
// or over a borrowed, active painter (widget painting). Pen modes and flood
// fill need a raster target (an image).
class TPainterCanvas : public TCanvas {
public:
    // Paints on Image until the canvas is destroyed.
    explicit TPainterCanvas(QImage& Image);
    // Paints through Painter, which must stay active while the canvas lives;
    // its transform and clip at construction become the canvas's base.
    explicit TPainterCanvas(QPainter& Painter);
    ~TPainterCanvas() override;

    // An opaque white image of Width x Height pixels for a TPainterCanvas
    // (sizes below 1 become 1).
    static QImage MakeImage(int Width, int Height, QColor Fill = Qt::white);

    QPainter& Painter() { return *FPainter; }

protected:
    void DoTextOut(int X, int Y, const AnsiString& Text) override;
    void DoDrawText(const AnsiString& Text, const TRect& Rect, unsigned Flags) override;
    void DoLine(TPoint From, TPoint To) override;
    void DoRectangle(const TRect& R) override;
    void DoFillRect(const TRect& R) override;
    void DoFrameRect(const TRect& R) override;
    void DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) override;
    void DoEllipse(const TRect& R) override;
    void DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) override;
    void DoPolygon(const std::vector<TPoint>& Points) override;
    void DoPolyline(const std::vector<TPoint>& Points) override;
    void DoPolyBezier(const std::vector<TPoint>& Points) override;
    void DoPath(const TCanvasPath& Path, TPathDraw How) override;
    void DoGradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical) override;
    TColor DoGetPixel(int X, int Y) const override;
    void DoSetPixel(int X, int Y, TColor Color) override;
    void DoFloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) override;
    void DoDrawImage(const TRect& Dest, const QImage& Image) override;
    void TransformChanged() override;
    void ClipChanged() override;
    void PushClipBound() override;
    void PopClipBound() override;
    TRect DeviceClipRect() const override;

private:
    void Init();
    // Sets up the painter for pen-and-brush drawing of a closed shape (Fill)
    // or an open line, honouring the pen mode; false when nothing is drawn.
    bool PrepareShape(bool Fill);
    void Finish();
    void DrawShapePath(const class QPainterPath& Path, bool Fill);
    void DrawLines(const std::vector<TPoint>& Points);
    TRect VisibleRect() const;
    const QImage* RasterImage() const;
    QRect DeviceBounds() const;

    std::unique_ptr<QPainter> FOwnedPainter;
    QPainter* FPainter = nullptr;
    QImage* FImage = nullptr;
    QTransform FDeviceTransform;
    // Clip bounds in device pixels: the painter's clip at construction, then
    // one entry per nested replay. Empty optional = unclipped.
    std::vector<std::optional<QRegion>> FClipBounds;
    QGlyphRun FGlyphRun; // reused by every text drawn
};
