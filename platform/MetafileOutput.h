#pragma once

#include "platform/Geometry.h"
#include "platform/MetafileDC.h"
#include "platform/MetafilePath.h"

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
class TMfOutput {
public:
    static constexpr int Precision = 16;

    TMfOutput(TCanvas& Canvas, TMetafileDC& DC);
    ~TMfOutput();
    TMfOutput(const TMfOutput&) = delete;
    TMfOutput& operator=(const TMfOutput&) = delete;

    bool Exhausted() const { return FWork > MaxWork; }

    // Path recording (BEGINPATH .. ENDPATH): shapes are added to Path.
    void RecordInto(TMfPath* Path) { FRecording = Path; }
    bool Recording() const { return FRecording != nullptr; }

    // Shapes, in logical units.
    void MoveTo(TMfPoint P);
    void LineTo(TMfPoint P);
    void Polyline(const std::vector<TMfPoint>& Points);
    void Polygon(const std::vector<TMfPoint>& Points);
    void PolyPolygon(const std::vector<std::vector<TMfPoint>>& Polygons);
    void PolyPolyline(const std::vector<std::vector<TMfPoint>>& Polylines);
    // Start point then three points per curve; To: start at the current position.
    void PolyBezier(const std::vector<TMfPoint>& Points, bool To);
    void PolylineTo(const std::vector<TMfPoint>& Points);
    void Rectangle(const TMfRect& Box);
    void RoundRect(const TMfRect& Box, TMfPoint Corner);
    void Ellipse(const TMfRect& Box);
    enum TArcKind { akArc, akArcTo, akChord, akPie };
    void Arc(TArcKind Kind, const TMfRect& Box, TMfPoint Start, TMfPoint End);
    void SetPixel(TMfPoint P, TColor Color);
    // Fills with the brush from P: the area of Color (Surface) or the area
    // bounded by Color.
    void FloodFill(TMfPoint P, TColor Color, bool Surface);

    // A path (in output pixels) filled with the brush and/or stroked.
    void DrawPath(const TMfPath& Path, bool Fill, bool Stroke);

    // Fills a logical rectangle with the brush, or with Color when given.
    void FillRect(const TMfRect& Box, std::optional<TColor> Color = std::nullopt);
    // Linear blend across a logical rectangle.
    void GradientRect(const TMfRect& Box, TColor From, TColor To, bool Vertical);
    // Gouraud-shaded triangle, approximated by flat sub-triangles.
    void GradientTriangle(const TMfPoint (&P)[3], const TColor (&C)[3]);
    // Part Source of Image stretched into the logical rectangle Dest, with
    // the raster operation of the record; pixels of TransparentKey, when
    // given, are left out.
    void StretchImage(const TMfRect& Dest, const QImage& Image, const QRect& Source, uint32_t Rop,
                      std::optional<QRgb> TransparentKey = std::nullopt);

    // Text at a logical reference point. Advances: per character, logical
    // units (empty: the font's own spacing). Box: the record's rectangle,
    // used with ETO_OPAQUE and ETO_CLIPPED.
    void Text(TMfPoint Reference, const std::u16string& Text, const std::vector<double>& Advances,
              uint32_t Options, std::optional<TMfRect> Box);

private:
    static constexpr int64_t MaxWork = 4'000'000;

    int32_t Fixed(double V) const;
    TPoint Fixed(TMfPoint P) const;
    TRect Fixed(const TMfRect& R) const;
    std::vector<TPoint> Fixed(const std::vector<TMfPoint>& Points) const;
    std::vector<TMfPoint> Map(const std::vector<TMfPoint>& Logical) const;
    TCanvasPath ToCanvasPath(const TMfPath& Path) const;
    bool Spend(size_t Points);

    void ApplyClip(const std::optional<TMfRect>& Clip);
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
    void OutlineShape(const std::vector<TMfPoint>& Output, bool IsClosed);

    void ApplyFont();
    void TextRun(TMfPoint Origin, const std::u16string& Text, unsigned Align);

    TCanvas& FCanvas;
    TMetafileDC& FDC;
    TMfPath* FRecording = nullptr;
    int64_t FWork = 0;
    std::optional<TMfRect> FAppliedClip;
    bool FClipKnown = false;
};
