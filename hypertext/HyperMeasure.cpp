#include "hypertext/HyperMeasure.h"

#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/TextWidths.h"

#include <functional>

THyperMeasure::THyperMeasure()
    : FScratch(std::make_unique<TMetafile>()),
      FCanvas(std::make_unique<TMetafileCanvas>(*FScratch)) {}

THyperMeasure::~THyperMeasure() = default;

size_t THyperMeasure::TKeyHash::operator()(const TKey& K) const {
    size_t h = std::hash<AnsiString>()(K.Name);
    for (int v : {K.Height, K.Weight, K.Width, K.Escapement, K.Orientation,
                  K.Style | K.Charset << 8 | K.Pitch << 16})
        h = h * 1000003u ^ static_cast<size_t>(static_cast<unsigned>(v));
    return h;
}

void THyperMeasure::ApplyHeight(TFont& Font, int Height) {
    if (Height == 0 || Height == Font.Height()) return;
    if (Font.HasLogFont()) {
        // Keeps the explicit weight and the other attributes of the description.
        LOGFONTA lf = Font.LogFont();
        lf.lfHeight = Height;
        Font.SetLogFont(lf);
    } else {
        Font.SetHeight(Height);
    }
}

void THyperMeasure::FillKey(TKey& Key, const TFont& Font, int Height) {
    if (Key.Name != Font.Name()) Key.Name = Font.Name();
    Key.Height = Height ? Height : Font.Height();
    Key.Weight = Font.Weight();
    Key.Width = Font.Width();
    Key.Escapement = Font.Escapement();
    Key.Orientation = Font.Orientation();
    Key.Style = Font.Style().Bits();
    Key.Charset = Font.Charset();
    Key.Pitch = Font.Pitch();
}

void THyperMeasure::SelectFont(const TFont& Font, int Height) {
    if (FCurrent && Font.Revision() == FRevision && Height == FHeight) return;
    FRevision = Font.Revision();
    FHeight = Height;
    TKey key = FKey;
    FillKey(key, Font, Height);
    if (FCurrent && key == FKey) return;
    FKey = std::move(key);
    auto hit = FFonts.find(FKey);
    FCurrent = hit != FFonts.end() ? hit->second.get() : &Measure(FKey, Font, Height);
}

THyperMeasure::TEntry& THyperMeasure::Measure(const TKey& Key, const TFont& Font, int Height) {
    auto entry = std::make_unique<TEntry>();
    entry->Font = std::make_unique<TFont>();
    entry->Font->Assign(Font);
    ApplyHeight(*entry->Font, Height);
    SelectOnCanvas(*entry);
    entry->Measured = TextWidthsFor(FCanvas->Font());
    const TTextMetric tm = FCanvas->TextMetrics();
    entry->Ascent = tm.tmAscent;
    entry->Descent = tm.tmDescent;
    entry->HeightW = FCanvas->TextHeight("W");
    entry->Space = FCanvas->TextWidth(" ");
    TEntry& result = *entry;
    FFonts.emplace(Key, std::move(entry));
    return result;
}

void THyperMeasure::SelectOnCanvas(const TEntry& Entry) {
    if (FOnCanvas == &Entry) return;
    FCanvas->Font().Assign(*Entry.Font);
    FOnCanvas = &Entry;
}

int THyperMeasure::TextWidth(const AnsiString& Text) {
    return Text.empty() ? 0 : FCurrent->Measured->TextWidth(Text);
}

void THyperMeasure::Clear() {
    FFonts.clear();
    FCurrent = nullptr;
    FOnCanvas = nullptr;
}
