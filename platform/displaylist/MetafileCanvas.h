#pragma once

#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Canvas.h"

#include <memory>

// A canvas that records every call, with the pen, brush and font state it
// needs, into a metafile's display list. Opening the canvas empties the
// metafile (its size stays); the records are in the metafile as soon as each
// call returns, and closing the canvas reports the metafile changed. Text is measured with the same
// fonts as on a painting canvas, so layout done on this canvas matches its replay.
class TMetafileCanvas : public TCanvas {
public:
    explicit TMetafileCanvas(TMetafile& Metafile);
    ~TMetafileCanvas() override;

    TMetafile& Metafile() { return FMetafile; }
    // Records Source's display list as one call, stretched into Dest.
    void RecordMetafile(const TMetafile& Source, const TRect& Dest);

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
    void DoDrawGraphic(const TRect& Dest, const TGraphic& Graphic) override;
    void TransformChanged() override;
    void ClipChanged() override;
    void PushClipBound() override;
    void PopClipBound() override;
    TRect DeviceClipRect() const override;

private:
    struct TRecorded;
    enum TNeeds : unsigned { nPen = 1, nBrush = 2, nFont = 4, nText = 8 };
    // Records the state changes the next call needs.
    void Sync(unsigned Needs);
    // Adds a drawing record whose extent in page coordinates is Bounds
    // (grown by the pen's reach when WithPen).
    void Add(std::shared_ptr<TDisplayRecord> Record, const TRect& Bounds, bool WithPen);
    void AddUnbounded(std::shared_ptr<TDisplayRecord> Record);

    TMetafile& FMetafile;
    std::unique_ptr<TRecorded> FRecorded;
};
