#pragma once

#include "platform/graphics/Canvas.h"

#include <functional>
#include <string>
#include <vector>

// A canvas that writes what is drawn on it as an SVG document: text as
// text (with the font's family, size, style and colour), lines and shapes
// with their pens and brushes, gradients, clips and transforms. Raster
// images are handed to SaveImage, which writes them and returns the
// reference to use. Rectangular links are laid over the drawing as SVG links.
// Flood fills and pen modes other than copying have no SVG equivalent and
// are left out.
class TSvgCanvas : public TCanvas {
public:
    using TImageSaver = std::function<std::string(const QImage& Image)>;

    TSvgCanvas(int Width, int Height, TImageSaver SaveImage);
    ~TSvgCanvas() override;

    // A link over R (the picture's coordinates) to Href, with Title as its tooltip.
    void AddLink(const TRect& R, const std::string& Href, const std::string& Title);
    // The complete document (UTF-8).
    std::string Document() const;

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
    void ClipChanged() override;
    void PushClipBound() override;
    void PopClipBound() override;
    TRect DeviceClipRect() const override;

private:
    // The transform attribute of the current world transform ("" when identity).
    std::string TransformAttribute() const;
    // Stroke and fill attributes of the current pen and brush.
    double TransformScale() const;
    std::string StrokeAttributes() const;
    std::string FillAttributes();
    std::string NoStroke() const { return " stroke=\"none\""; }
    // Appends a shape element with the current transform.
    void Shape(const std::string& Element, const std::string& Attributes);
    void Text(int X, int Y, const AnsiString& Text, unsigned Align);
    std::string NewId(const char* Prefix);
    // The current clip in device coordinates, or the whole picture.
    TRect CurrentClip() const;

    int FWidth;
    int FHeight;
    TImageSaver FSaveImage;
    std::string FDefs;
    std::string FBody;
    std::string FLinks;
    int FNextId = 0;
    bool FGroupOpen = false;
    std::vector<TRect> FClipBounds; // device clips of enclosing replays
};
