#include "hypertext/HyperDocument.h"

#include "hypertext/HyperMacros.h"

THyperWord::THyperWord(const THyperWord* From)
    : Style(From ? From->Style : std::make_shared<THyperStyle>()) {
    Assign(From);
}

THyperWord::~THyperWord() = default;

void THyperWord::Assign(const THyperWord* From) {
    if (From) {
        IndexBase = From->IndexBase;
        IndexKind = From->IndexKind;
        Hint = From->Hint;
        LinkId = From->LinkId;
        Style = From->Style;
        MinWidth = From->MinWidth;
        LineHeight = From->LineHeight;
    }
    ShiftX = ShiftY = 0;
    LineBreak = Joined = ParagraphEnd = ClearBorders = false;
}

THyperStyle& THyperWord::OwnStyle() {
    if (Style.use_count() > 1) {
        auto own = std::make_shared<THyperStyle>();
        own->Assign(*Style);
        Style = std::move(own);
    }
    // Every style is made non-const (make_shared above and in the
    // constructor); words hold it as const only so that changes go through here.
    return const_cast<THyperStyle&>(*Style);
}

THyperString::THyperString(const THyperString* From) {
    Words.push_back(std::make_unique<THyperWord>());
    Assign(From);
}

THyperString::~THyperString() = default;

void THyperString::Assign(const THyperString* From) {
    if (From) First()->Assign(From->Last());
}

THyperWord* THyperString::Word(int Index) const {
    return Index >= 0 && Index < Count() ? Words[static_cast<size_t>(Index)].get() : nullptr;
}

THyperBorder::THyperBorder(const THyperString* Container)
    : Content(std::make_unique<THyperString>(Container)) {}

THyperBorder::~THyperBorder() = default;

void THyperBorder::Assign(const THyperBorder& Source) {
    Origin = Source.Origin;
    Bounds = Source.Bounds;
    ContentBounds = Source.ContentBounds;
    Side = Source.Side;
    Width = Source.Width;
}
