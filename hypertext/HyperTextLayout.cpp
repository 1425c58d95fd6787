// The page's layout entry points: MarkupText, CalcHeight and auto size.
#include "hypertext/HyperLayout.h"
#include "hypertext/HyperMeasure.h"

THyperLayout::THyperLayout(THyperText& Control, THyperString& Source, int Top, int Width, int Left)
    : FControl(Control), FMeasure(Control.Measure()), FSource(Source), FTop(Top), FWidth(Width),
      FLeft(Left), FIndexHeight(Control.IndexStyleObject().Height()), FY(Top), FX0(Left),
      FAvail(Width), FAnchors(Source.Words.size()) {}

void THyperLayout::Run(THyperLines& Lines) {
    Lines.clear();
    const int toPlace = FSource.Count() - 1; // the last word is the parse's open word
    while (FNext < toPlace) {
        const int first = FNext;
        FSource.Words[static_cast<size_t>(first)]->Joined = false;
        const int last = LineEnd(first);
        std::unique_ptr<THyperString> line = CopyLine(first, last);
        FNext = last + 1;
        THyperString& added = *line;
        Lines.push_back(std::move(line));
        MeasureLine(added, first);
        NextArea(*added.Last());
        added.Bounds.Bottom = FY;
    }
    // The line words own the side boxes now.
    for (auto& word : FSource.Words)
        word->Border.reset();
}

void THyperText::MarkupText(THyperLines& Lines, THyperString& Source, int Top, int Width,
                            int Left) {
    THyperLayout(*this, Source, Top, Width, Left).Run(Lines);
}

int THyperText::CalcHeight(const THyperLines& Lines) {
    const THyperState saved = HyperState();
    SetHyperState(hsMeasuring);
    int height = 0;
    for (const auto& line : Lines) {
        const THyperBorder* box = line->First()->Border.get();
        height = std::max(height, box ? CalcHeight(box->Lines) : line->Bounds.Bottom);
    }
    SetHyperState(saved);
    return height;
}

void THyperText::SetAutoSize(bool Value) {
    const bool turnedOn = Value && !FAutoSize;
    FAutoSize = Value;
    if (!turnedOn) return;
    const int height = CalcHeight(FTextLines);
    if (height == 0) return;
    const int previous = RealHeight();
    SetRealSize(RealWidth(), height);
    MarkDirty();
    const int newHeight =
        previous > 0 ? static_cast<int>(int64_t{height} * Height() / previous) : height;
    SetBoundsRect(Bounds(Left(), Top(), Width(), newHeight));
}

THyperMeasure& THyperText::Measure() {
    if (!FMeasure) FMeasure = std::make_unique<THyperMeasure>();
    return *FMeasure;
}
