#pragma once

#include "platform/graphics/Graphic.h"

#include <memory>
#include <string>
#include <vector>

class TDisplayRecord;

// A vector picture: a display list of canvas calls recorded by a
// TMetafileCanvas, of a given size in pixels. Drawing replays the calls onto
// any canvas, scaled to the target rectangle; text and lines replay as
// vectors, so they stay sharp at any scale. Records that lie outside the
// target's clip rectangle are skipped. Copies share the display list.
class TMetafile : public TGraphic {
public:
    TMetafile();
    ~TMetafile() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value);
    void SetHeight(int Value);
    void SetSize(int Width, int Height);

    // Removes every record; the size stays.
    void Clear();
    void Assign(const TMetafile& Source);
    int RecordCount() const;

    // Reads a Windows metafile (WMF or EMF) and records its drawing.
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;
    // Replays the records on Canvas at the page's own size (1:1 at 0, 0).
    void Play(TCanvas& Canvas) const { Draw(Canvas, Rect(0, 0, FWidth, FHeight)); }

    // One text line per recorded call with its arguments (UTF-8).
    std::string Trace() const;

    // Used by the recording canvas.
    void AddRecord(std::shared_ptr<const TDisplayRecord> Record);
    using TRecordList = std::vector<std::shared_ptr<const TDisplayRecord>>;
    std::shared_ptr<const TRecordList> Records() const { return FRecords; }

private:
    friend class TMetafileCanvas; // reports the recording as a change

    TRecordList& MutableRecords();

    int FWidth = 0;
    int FHeight = 0;
    std::shared_ptr<TRecordList> FRecords;
};
