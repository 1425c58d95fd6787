#pragma once

#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Canvas.h"

#include <string>

// One recorded canvas call. Bounds is the extent of what the call draws in
// the metafile's coordinates; a record without bounds (a state change, a
// flood fill) is always replayed.
class TDisplayRecord {
public:
    virtual ~TDisplayRecord() = default;
    virtual void Play(TCanvas& Canvas) const = 0;
    // Appends the call as one line (a nested metafile adds its own lines,
    // indented), each ended by a line feed.
    virtual void Trace(std::string& Out, int Indent) const = 0;

    TRect Bounds;
    bool Bounded = false;
};

// Replays Records, recorded on a page of Width x Height, onto Canvas,
// stretched into Dest; records outside the canvas's clip rectangle are
// skipped.
void ReplayRecords(const TMetafile::TRecordList& Records, int Width, int Height, TCanvas& Canvas,
                   const TRect& Dest);
void TraceRecords(const TMetafile::TRecordList& Records, std::string& Out, int Indent);

// Factories of the records the recording canvas makes.
namespace DisplayRecords {
std::shared_ptr<TDisplayRecord> Pen(const TPen& Pen);
std::shared_ptr<TDisplayRecord> Brush(const TBrush& Brush);
std::shared_ptr<TDisplayRecord> Font(const TFont& Font);
std::shared_ptr<TDisplayRecord> TextAlign(unsigned Align);
std::shared_ptr<TDisplayRecord> PolyFillMode(TPolyFillMode Mode);
std::shared_ptr<TDisplayRecord> Transform(const TXForm& Transform);
// Clip to R, or no clip when R is absent.
std::shared_ptr<TDisplayRecord> Clip(const TRect* R);
std::shared_ptr<TDisplayRecord> TextOut(int X, int Y, const AnsiString& Text);
std::shared_ptr<TDisplayRecord> DrawText(const AnsiString& Text, const TRect& R, unsigned Flags);
std::shared_ptr<TDisplayRecord> Line(TPoint From, TPoint To);
// Rectangle, FillRect, FrameRect, Ellipse.
enum TRectKind { rkRectangle, rkFillRect, rkFrameRect, rkEllipse };
std::shared_ptr<TDisplayRecord> RectShape(TRectKind Kind, const TRect& R);
std::shared_ptr<TDisplayRecord> RoundRect(const TRect& R, int CornerWidth, int CornerHeight);
// Arc, Chord, Pie (Kind 0, 1, 2).
std::shared_ptr<TDisplayRecord> Arc(int Kind, const TRect& R, TPoint Start, TPoint End);
// Polygon, Polyline, PolyBezier.
enum TPointsKind { pkPolygon, pkPolyline, pkPolyBezier };
std::shared_ptr<TDisplayRecord> Points(TPointsKind Kind, const std::vector<TPoint>& Points);
// How: 1 fill, 2 stroke, 3 both.
std::shared_ptr<TDisplayRecord> Path(const TCanvasPath& Path, int How);
std::shared_ptr<TDisplayRecord> Gradient(const TRect& R, TColor From, TColor To, bool Vertical);
std::shared_ptr<TDisplayRecord> SetPixel(int X, int Y, TColor Color);
std::shared_ptr<TDisplayRecord> FloodFill(int X, int Y, TColor Color, TFillStyle Style);
std::shared_ptr<TDisplayRecord> Image(const TRect& Dest, const QImage& Image);
std::shared_ptr<TDisplayRecord> Nested(std::shared_ptr<const TMetafile::TRecordList> Records,
                                       int Width, int Height, const TRect& Dest);
} // namespace DisplayRecords
