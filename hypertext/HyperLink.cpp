#include "hypertext/HyperLink.h"

THyperLink::THyperLink(int32_t Id, const AnsiString& Hint) : FHint(Hint), FId(Id) {}

THyperLink::~THyperLink() {
    DeleteAll();
}

void THyperLink::SetOrigin(int32_t X, int32_t Y) {
    FOriginX = X;
    FOriginY = Y;
}

THyperLink* THyperLink::Last() {
    THyperLink* link = this;
    while (link->FNext)
        link = link->FNext.get();
    return link;
}

THyperLink* THyperLink::Add(int32_t Id, const AnsiString& Hint) {
    for (THyperLink* link = this; link; link = link->FNext.get()) {
        if (link->FId != Id) continue;
        link->FHint = Hint;
        return link;
    }
    THyperLink* last = Last();
    last->FNext = std::make_unique<THyperLink>(Id, Hint);
    return last->FNext.get();
}

void THyperLink::AddRect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
    const TRect r{Left, Top, Right, Bottom};
    if (FInUse >= 0 && static_cast<size_t>(FInUse) < FRects.size())
        FRects[static_cast<size_t>(FInUse)] = r;
    else
        FRects.push_back(r);
    if (FInUse == 0) SetOrigin(Left, Top);
    ++FInUse;
}

void THyperLink::ClearRects() {
    FRects.clear();
    FInUse = 0;
}

void THyperLink::DeleteAll() {
    // Unlinked one at a time, so that no destructor recurses down the chain.
    while (FNext) {
        std::unique_ptr<THyperLink> next = std::move(FNext);
        FNext = std::move(next->FNext);
    }
}

THyperLink* THyperLink::Find(int32_t X, int32_t Y) {
    for (THyperLink* link = this; link; link = link->FNext.get())
        for (const TRect& r : link->FRects)
            if (r.Left <= X && X <= r.Right && r.Top <= Y && Y <= r.Bottom) return link;
    return nullptr;
}

void THyperLink::Assign(const THyperLink& Source) {
    if (&Source == this) return;
    FHint = Source.FHint;
    FId = Source.FId;
    FOriginX = Source.FOriginX;
    FOriginY = Source.FOriginY;
    ClearRects();
    for (const TRect& r : Source.FRects)
        AddRect(r);
}
