#include "platform/displaylist/Metafile.h"

#include "platform/displaylist/DisplayRecords.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/wmf/WindowsMetafile.h"

#include <algorithm>

TMetafile::TMetafile() : FRecords(std::make_shared<TRecordList>()) {}

TMetafile::~TMetafile() = default;

void TMetafile::SetWidth(int Value) {
    SetSize(Value, FHeight);
}

void TMetafile::SetHeight(int Value) {
    SetSize(FWidth, Value);
}

void TMetafile::SetSize(int Width, int Height) {
    Width = std::max(0, Width);
    Height = std::max(0, Height);
    if (Width == FWidth && Height == FHeight) return;
    FWidth = Width;
    FHeight = Height;
    Changed();
}

void TMetafile::Clear() {
    if (FRecords->empty()) return;
    FRecords = std::make_shared<TRecordList>();
    Changed();
}

void TMetafile::Assign(const TMetafile& Source) {
    if (&Source == this) return;
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    FRecords = Source.FRecords;
    SetTransparent(Source.Transparent());
    Changed();
}

int TMetafile::RecordCount() const {
    return static_cast<int>(FRecords->size());
}

void TMetafile::LoadFromStream(TStream& Stream) {
    FRecords = std::make_shared<TRecordList>();
    FWidth = FHeight = 0;
    std::unique_ptr<TMetafileCanvas> recorder;
    PlayWindowsMetafile(Stream, [&](int Width, int Height) -> TCanvas& {
        SetSize(Width, Height);
        recorder = std::make_unique<TMetafileCanvas>(*this);
        return *recorder;
    });
    recorder.reset();
    Changed();
}

void TMetafile::Draw(TCanvas& Canvas, const TRect& Dest) const {
    if (auto* recorder = dynamic_cast<TMetafileCanvas*>(&Canvas)) {
        recorder->RecordMetafile(*this, Dest);
        return;
    }
    ReplayRecords(*FRecords, FWidth, FHeight, Canvas, Dest);
}

std::string TMetafile::Trace() const {
    std::string out;
    TraceRecords(*FRecords, out, 0);
    return out;
}

void TMetafile::AddRecord(std::shared_ptr<const TDisplayRecord> Record) {
    MutableRecords().push_back(std::move(Record));
}

// Copies the list first when a copy of the metafile or a nested record
// shares it, so that what they hold never changes.
TMetafile::TRecordList& TMetafile::MutableRecords() {
    if (FRecords.use_count() > 1) FRecords = std::make_shared<TRecordList>(*FRecords);
    return *FRecords;
}
