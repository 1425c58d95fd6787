#pragma once

#include "data/Textbook.h"
#include "platform/base/Rect.h"

// How a textbook shows its sub-pages: as panels inside the main window's
// page area, as windows that stay on top, or as modal windows.
enum class TSubPageMode { Modal, Embedded, Modeless };
TSubPageMode SubPageModeOf(TPLBSubPages Value);

// The main view's real (design) size and its size now. Sub-pages keep their
// place and size in real coordinates and follow the view's zoom.
struct TViewScale {
    int RealWidth = 0;
    int RealHeight = 0;
    int Width = 0;
    int Height = 0;
    // Real coordinates to the view's and back, truncating; unchanged while
    // a size is 0.
    TPoint ToView(TPoint Real) const;
    TPoint ToReal(TPoint View) const;
};

// Where a sub-page goes at the main view's present scale: its view's size
// and the top-left corner of its panel or window (relative to the main
// window's client area). The panel or window is the view plus a margin of
// 5 on every side.
struct TSubPagePlacement {
    TPoint Position;
    int ViewWidth = 0;
    int ViewHeight = 0;
    int Width() const { return ViewWidth + 10; }
    int Height() const { return ViewHeight + 10; }
};
TSubPagePlacement PlaceSubPage(const TViewScale& Main, TPoint Origin, int RealViewWidth,
                               int RealViewHeight);

// A sub-page's stored bounds made usable: at least 30 pixels on a side, no
// larger than the main page area (the main view's real size plus its
// margins), and placed so that at least 40 pixels of it (all of a smaller
// one) lie on the page area on each axis. Sensible bounds pass unchanged.
TPLBBounds UsableSubPageBounds(const TPLBBounds& Bounds, int MainRealWidth, int MainRealHeight);

// The pointer's part in moving and closing a sub-page: a press starts a
// drag, moves carry the sub-page along, and a release after a press that
// moved nothing closes it (in single-click mode). A press on a link and a
// link clicked during the press do neither.
class TSubPageDrag {
public:
    // A button went down at screen point At; OnLink: over a link.
    void Begin(TPoint At, bool OnLink);
    // The pointer moved to At during a press: true, with the displacement
    // in Delta, when the sub-page is to move now. EndStep follows the move.
    bool BeginStep(TPoint At, TPoint& Delta);
    void EndStep(TPoint At);
    // A button went up: true when the sub-page is to close.
    bool End(bool LeftButton, bool DoubleClickCloses);
    void LinkClicked(int32_t Link) { FPressedLink = Link; }

    bool Dragging() const { return FDragging; }
    bool Moved() const { return FMoved; }
    int32_t PressedLink() const { return FPressedLink; }

private:
    bool FDragging = false;
    bool FMoved = false;
    bool FInMove = false;
    TPoint FDragPoint;
    int32_t FPressedLink = -1;
};
