#pragma once

#include "platform/base/Rect.h"
#include "platform/wmf/WmfDC.h"
#include "platform/wmf/WmfPath.h"

#include <QImage>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TCanvas;
struct TCanvasPath;

// Draws what metafile records ask for onto a TCanvas, with the attributes of
// the device context. Geometry is mapped to output pixels here and handed to
// the canvas at a fine fixed-point resolution (Precision units per pixel,
// under a canvas transform that scales them back), so fractional positions
// and widths survive. While a path is being recorded, shapes go into the
// path instead of being drawn.
//
// Every call counts towards a work budget; once it is spent, drawing stops,
// so a hostile file cannot keep the player busy.
class TWmfOutput {
public:
    static constexpr int Precision = 16;

    TWmfOutput(TCanvas& Canvas, TWmfDC& DC);
    ~TWmfOutput();
    TWmfOutput(const TWmfOutput&) = delete;
    TWmfOutput& operator=(const TWmfOutput&) = delete;

    bool Exhausted() const { return FWork > MaxWork; }

    // Path recording (BEGINPATH .. ENDPATH): shapes are added to Path.
    void RecordInto(TWmfPath* Path) { FRecording = Path; }
    bool Recording() const { return FRecording != nullptr; }

    // Shapes, in logical units.
    void MoveTo(TWmfPoint P);
    void LineTo(TWmfPoint P);
    void Polyline(const std::vector<TWmfPoint>& Points);
    void Polygon(const std::vector<TWmfPoint>& Points);
    void PolyPolygon(const std::vector<std::vector<TWmfPoint>>& Polygons);
    void PolyPolyline(const std::vector<std::vector<TWmfPoint>>& Polylines);
    // Start point then three points per curve; To: start at the current position.
    void PolyBezier(const std::vector<TWmfPoint>& Points, bool To);
    void PolylineTo(const std::vector<TWmfPoint>& Points);
    void Rectangle(const TWmfRect& Box);
    void RoundRect(const TWmfRect& Box, TWmfPoint Corner);
    void Ellipse(const TWmfRect& Box);
    enum TArcKind { akArc, akArcTo, akChord, akPie };
    void Arc(TArcKind Kind, const TWmfRect& Box, TWmfPoint Start, TWmfPoint End);
    void SetPixel(TWmfPoint P, TColor Color);
    // Fills with the brush from P: the area of Color (Surface) or the area
    // bounded by Color.
    void FloodFill(TWmfPoint P, TColor Color, bool Surface);

    // A path (in output pixels) filled with the brush and/or stroked.
    void DrawPath(const TWmfPath& Path, bool Fill, bool Stroke);

    // Fills a logical rectangle with the brush, or with Color when given.
    void FillRect(const TWmfRect& Box, std::optional<TColor> Color = std::nullopt);
    // Linear blend across a logical rectangle.
    void GradientRect(const TWmfRect& Box, TColor From, TColor To, bool Vertical);
    // Gouraud-shaded triangle, approximated by flat sub-triangles.
    void GradientTriangle(const TWmfPoint (&P)[3], const TColor (&C)[3]);
    // Part Source of Image stretched into the logical rectangle Dest, with
    // the raster operation of the record; pixels of TransparentKey, when
    // given, are left out.
    void StretchImage(const TWmfRect& Dest, const QImage& Image, const QRect& Source, uint32_t Rop,
                      std::optional<QRgb> TransparentKey = std::nullopt);

    // Text at a logical reference point. Advances: per character, logical
    // units (empty: the font's own spacing). Box: the record's rectangle,
    // used with ETO_OPAQUE and ETO_CLIPPED.
    void Text(TWmfPoint Reference, const std::u16string& Text, const std::vector<double>& Advances,
              uint32_t Options, std::optional<TWmfRect> Box);

private:
    static constexpr int64_t MaxWork = 4'000'000;

    int32_t Fixed(double V) const;
    TPoint Fixed(TWmfPoint P) const;
    TRect Fixed(const TWmfRect& R) const;
    std::vector<TPoint> Fixed(const std::vector<TWmfPoint>& Points) const;
    std::vector<TWmfPoint> Map(const std::vector<TWmfPoint>& Logical) const;
    TCanvasPath ToCanvasPath(const TWmfPath& Path) const;
    bool Spend(size_t Points);

    void ApplyClip(const std::optional<TWmfRect>& Clip);
    void SyncClip();
    void ApplyPen();
    void ApplyBrush();
    void ApplyNullPen();
    void ApplySolidBrush(TColor Color);
    // Runs Draw for a closed shape: first the opaque background under a
    // hatched brush, then the shape with the DC's pen and brush.
    template <class F> void Closed(F Draw);
    template <class F> void Open(F Draw);
    // A polygon or polyline in output pixels: drawn, or added to the path.
    void OutlineShape(const std::vector<TWmfPoint>& Output, bool IsClosed);

    void ApplyFont();
    void TextRun(TWmfPoint Origin, const std::u16string& Text, unsigned Align);

    TCanvas& FCanvas;
    TWmfDC& FDC;
    TWmfPath* FRecording = nullptr;
    int64_t FWork = 0;
    std::optional<TWmfRect> FAppliedClip;
    bool FClipKnown = false;
};
