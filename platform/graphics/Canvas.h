#pragma once

#include "platform/base/Brush.h"
#include "platform/base/Font.h"
#include "platform/base/Pen.h"
#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class TGraphic;

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Text-drawing flags of DrawText (the platform's values).
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// Reference point of TextOut (the platform's values): horizontal TA_LEFT,
// TA_RIGHT or TA_CENTER combined with vertical TA_TOP, TA_BOTTOM or TA_BASELINE.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

enum TFillStyle : uint8_t { fsSurface = 0, fsBorder = 1 };

// Polygon filling: alternate (even-odd) or winding (non-zero).
enum TPolyFillMode : uint8_t { pfAlternate = 1, pfWinding = 2 };

// Font metrics in pixels.
struct TTextMetric {
    int32_t tmHeight = 0;
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
};

// Affine world transform: a point (x, y) maps to
// (x * M11 + y * M21 + Dx, x * M12 + y * M22 + Dy).
struct TXForm {
    double M11 = 1, M12 = 0, M21 = 0, M22 = 1, Dx = 0, Dy = 0;

    bool IsIdentity() const { return *this == TXForm{}; }
    // This transform followed by Next.
    TXForm Then(const TXForm& Next) const;
    double Determinant() const { return M11 * M22 - M12 * M21; }
    // The transform that undoes this one; only for a determinant other than 0.
    TXForm Inverse() const;
    friend bool operator==(const TXForm&, const TXForm&) = default;
};

// A path of straight and cubic segments, for outlines that no single shape
// operation covers (poly-polygons, metafile paths).
struct TCanvasPath {
    enum TVerb : uint8_t { MoveTo, LineTo, BezierTo /* three points */, Close };
    std::vector<TVerb> Verbs;
    std::vector<TPoint> Points;

    void AddMoveTo(TPoint P);
    void AddLineTo(TPoint P);
    void AddBezierTo(TPoint C1, TPoint C2, TPoint P);
    void AddClose();
    bool Empty() const { return Verbs.empty(); }
};

// A run of DrawText's text (a line, or its part between tab stops) where the
// platform's DrawText puts it: the cell's top-left corner, its width, and the
// indices of the accelerator characters underlined in it.
struct TPlacedTextRun {
    AnsiString Text;
    int X = 0;
    int Y = 0;
    int Width = 0;
    std::vector<int> Underlined;
};

// The drawing surface. Coordinates are pixels of the page, under the world
// transform, kept within +/-2^27 (larger values are clamped). Conventions of the platform's
// graphics: Rectangle, Ellipse, RoundRect, FillRect exclude the right and bottom edge; LineTo
// excludes its end point; the pen mode applies to pen and brush drawing, not to text, FillRect or
// images. Pen, Brush and Font are owned and may be changed at any time.
class TCanvas : public TObject {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    TPen& Pen() { return *FPen; }
    const TPen& Pen() const { return *FPen; }
    TBrush& Brush() { return *FBrush; }
    const TBrush& Brush() const { return *FBrush; }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    void SetPen(const TPen& Value) { FPen->Assign(Value); }
    void SetBrush(const TBrush& Value) { FBrush->Assign(Value); }

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint Value) { FPenPos = Value; }

    unsigned TextAlign() const { return FTextAlign; }
    void SetTextAlign(unsigned Value) { FTextAlign = Value; }
    TPolyFillMode PolyFillMode() const { return FPolyFillMode; }
    void SetPolyFillMode(TPolyFillMode Value) { FPolyFillMode = Value; }

    // World transform from page coordinates to the canvas's own coordinates.
    // Inside a replay (BeginReplay) it is relative to the replay's mapping:
    // the effective transform is Transform() followed by BaseTransform().
    const TXForm& Transform() const { return FTransform; }
    void SetTransform(const TXForm& Value);
    TXForm EffectiveTransform() const { return FTransform.Then(FBaseTransform); }

    // Text. TextOut draws at the reference point of TextAlign (top-left by
    // default), rotated by the font's escapement, over the brush colour when
    // the brush is solid.
    void TextOut(int X, int Y, const AnsiString& Text);
    int TextWidth(const AnsiString& Text) const;
    int TextHeight(const AnsiString& Text) const;
    TSize TextExtent(const AnsiString& Text) const;
    TTextMetric TextMetrics() const;
    // Draws (or with DT_CALCRECT only measures, updating Rect) text inside Rect
    // with the platform's text-drawing flags; returns the text's height. The
    // text is laid out horizontally whatever the font's escapement.
    int DrawText(const AnsiString& Text, TRect& Rect, unsigned Flags);

    // Lines and shapes.
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    // Arcs of the ellipse in (X1, Y1)-(X2, Y2), counter-clockwise from the
    // radial through (X3, Y3) to the radial through (X4, Y4).
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Polygon(const std::vector<TPoint>& Points);
    void Polyline(const std::vector<TPoint>& Points);
    // 1 + 3n points: a start point, then two control points and an end point
    // per curve.
    void PolyBezier(const std::vector<TPoint>& Points);
    // 3n points, starting at the pen position; the pen ends at the last point.
    void PolyBezierTo(const std::vector<TPoint>& Points);
    void FillPath(const TCanvasPath& Path);
    void StrokePath(const TCanvasPath& Path);
    void StrokeAndFillPath(const TCanvasPath& Path);
    // Fills R with a linear blend from From to To (left to right, or top to
    // bottom when Vertical).
    void GradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical);

    // Pixels; reading gives clNone where the canvas has no pixels (a recording
    // canvas, a point outside).
    TColor Pixel(int X, int Y) const;
    void SetPixel(int X, int Y, TColor Color);
    // Fills with the brush from (X, Y): the area of Color (fsSurface) or the
    // area bounded by Color (fsBorder).
    void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

    // Clipping. SetClipRect restricts drawing to R (page coordinates under the
    // current transform), within the clip of any enclosing replay;
    // ResetClipRect lifts that restriction.
    void SetClipRect(const TRect& R);
    void ResetClipRect();
    bool HasClipRect() const { return FHasClip; }
    // The visible area in page coordinates (the whole surface when unclipped).
    TRect ClipRect() const;

    // Pictures. Draw and StretchDraw call Graphic->Draw(*this, rect).
    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& Dest, const TGraphic* Graphic);
    // Stretches a raster image into Dest without smoothing; alpha blends.
    void DrawImage(const TRect& Dest, const QImage& Image);

    // Nested replay: BeginReplay saves pen, brush, font, pen position, text
    // align, fill mode, transform and clip, makes the current clip the bound
    // of later clip rectangles, makes Mapping followed by the effective
    // transform the new base transform and resets Transform() to identity.
    // EndReplay restores what BeginReplay saved.
    void BeginReplay(const TXForm& Mapping);
    void EndReplay();
    const TXForm& BaseTransform() const { return FBaseTransform; }

protected:
    // Drawing primitives of the concrete canvases. The current Pen, Brush,
    // Font, TextAlign, PolyFillMode and Transform apply.
    virtual void DoTextOut(int X, int Y, const AnsiString& Text) = 0;
    virtual void DoDrawText(const AnsiString& Text, const TRect& Rect, unsigned Flags) = 0;
    virtual void DoLine(TPoint From, TPoint To) = 0;
    virtual void DoRectangle(const TRect& R) = 0;
    virtual void DoFillRect(const TRect& R) = 0;
    virtual void DoFrameRect(const TRect& R) = 0;
    virtual void DoRoundRect(const TRect& R, int CornerWidth, int CornerHeight) = 0;
    virtual void DoEllipse(const TRect& R) = 0;
    enum TArcKind : uint8_t { akArc, akChord, akPie };
    virtual void DoArc(TArcKind Kind, const TRect& R, TPoint Start, TPoint End) = 0;
    virtual void DoPolygon(const std::vector<TPoint>& Points) = 0;
    virtual void DoPolyline(const std::vector<TPoint>& Points) = 0;
    virtual void DoPolyBezier(const std::vector<TPoint>& Points) = 0;
    enum TPathDraw : uint8_t { pdFill = 1, pdStroke = 2, pdBoth = 3 };
    virtual void DoPath(const TCanvasPath& Path, TPathDraw How) = 0;
    virtual void DoGradientFillRect(const TRect& R, TColor From, TColor To, bool Vertical) = 0;
    virtual TColor DoGetPixel(int X, int Y) const = 0;
    virtual void DoSetPixel(int X, int Y, TColor Color) = 0;
    virtual void DoFloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) = 0;
    virtual void DoDrawImage(const TRect& Dest, const QImage& Image) = 0;
    // Called after the transform or the clip changed.
    virtual void TransformChanged() {}
    virtual void ClipChanged() {}
    // Pushes the current clip as the bound of later clips / pops it again.
    virtual void PushClipBound() = 0;
    virtual void PopClipBound() = 0;
    // The visible area in the canvas's own coordinates (before the transform).
    virtual TRect DeviceClipRect() const = 0;
    // Draws a picture; the recording canvas overrides this to record
    // metafiles as a nested display list.
    virtual void DoDrawGraphic(const TRect& Dest, const TGraphic& Graphic);

    const TRect& ClipRectValue() const { return FClip; }
    // The runs DrawText draws for Text in Rect with Flags (lines broken at
    // words, prefixes and tabs taken as the platform takes them), and the
    // height of a line; for canvases that draw the runs themselves.
    std::vector<TPlacedTextRun> PlaceText(const AnsiString& Text, const TRect& Rect, unsigned Flags,
                                          int& LineHeight) const;

private:
    void DrawPath(const TCanvasPath& Path, TPathDraw How);

    struct TSavedState;

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TPoint FPenPos;
    unsigned FTextAlign = TA_LEFT | TA_TOP;
    TPolyFillMode FPolyFillMode = pfAlternate;
    TXForm FTransform;
    TXForm FBaseTransform;
    bool FHasClip = false;
    TRect FClip;
    std::vector<std::unique_ptr<TSavedState>> FReplayStack;
};
