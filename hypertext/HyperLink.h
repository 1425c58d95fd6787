#pragma once

#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

// One hyperlink: its target number (the id), its hint, and the rectangles its
// words cover, in the control's real (picture) coordinates. Links form a
// chain in the order of their first registration; each link owns the links
// after it, so ids are unique within a chain.
//
// A layout pass re-registers a link and overwrites its rectangles from the
// first slot on ("in use" counts the slots of the current pass); slots beyond
// it keep their old rectangles and still take part in hit-testing.
class THyperLink {
public:
    THyperLink(int32_t Id, const AnsiString& Hint);
    // Frees the links after this one as well (iteratively, so a long chain
    // cannot exhaust the stack).
    ~THyperLink();
    THyperLink(const THyperLink&) = delete;
    THyperLink& operator=(const THyperLink&) = delete;

    int32_t Id() const { return FId; }
    void SetId(int32_t Value) { FId = Value; }
    const AnsiString& Hint() const { return FHint; }
    void SetHint(const AnsiString& Value) { FHint = Value; }
    THyperLink* Next() const { return FNext.get(); }

    const std::vector<TRect>& Rects() const { return FRects; }
    int32_t RectsInUse() const { return FInUse; }
    void SetRectsInUse(int32_t Value) { FInUse = Value; }
    // Left and Top of the first rectangle of the current pass; -1 before any.
    int32_t OriginX() const { return FOriginX; }
    int32_t OriginY() const { return FOriginY; }
    void SetOrigin(int32_t X, int32_t Y);

    // The link of the chain (from this one on) with this id, given the new
    // hint; or a new link appended at the end.
    THyperLink* Add(int32_t Id, const AnsiString& Hint);
    // Overwrites the slot at "in use", or appends; the first rectangle of a
    // pass sets the origin.
    void AddRect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
    void AddRect(const TRect& R) { AddRect(R.Left, R.Top, R.Right, R.Bottom); }
    // Forgets every rectangle; the origin stays.
    void ClearRects();
    // Destroys every link after this one.
    void DeleteAll();
    // The first link of the chain (from this one on) with a rectangle that
    // contains (X, Y), edges included on all four sides; null if none.
    // Every slot is searched, not only those in use.
    THyperLink* Find(int32_t X, int32_t Y);
    // Copies id, hint and the rectangles (which sets the origin again from
    // the first one). The chain is not copied: this link keeps its own
    // successors, so a copy never shares or cuts a chain.
    void Assign(const THyperLink& Source);

private:
    // The last link of the chain from this one.
    THyperLink* Last();

    AnsiString FHint;
    std::unique_ptr<THyperLink> FNext;
    int32_t FId;
    std::vector<TRect> FRects;
    int32_t FInUse = 0;
    int32_t FOriginX = -1;
    int32_t FOriginY = -1;
};
