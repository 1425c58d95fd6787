#include "viewer/SubPageState.h"

#include <algorithm>

TSubPageMode SubPageModeOf(TPLBSubPages Value) {
    if (Value == 1) return TSubPageMode::Embedded;
    if (Value == 2) return TSubPageMode::Modeless;
    return TSubPageMode::Modal;
}

namespace {

int Scale(int Value, int To, int From) {
    if (From == 0 || To == 0) return Value;
    return static_cast<int>(static_cast<int64_t>(Value) * To / From);
}

} // namespace

TPoint TViewScale::ToView(TPoint Real) const {
    return {Scale(Real.X, Width, RealWidth), Scale(Real.Y, Height, RealHeight)};
}

TPoint TViewScale::ToReal(TPoint View) const {
    return {Scale(View.X, RealWidth, Width), Scale(View.Y, RealHeight, Height)};
}

TSubPagePlacement PlaceSubPage(const TViewScale& Main, TPoint Origin, int RealViewWidth,
                               int RealViewHeight) {
    const TPoint size = Main.ToView({RealViewWidth, RealViewHeight});
    return {Main.ToView(Origin), size.X, size.Y};
}

namespace {

constexpr int MinimumSide = 30;
constexpr int KeptOnPage = 40;

// One axis: the size within [MinimumSide, Area] and the start such that
// min(size, KeptOnPage) of it overlaps [0, Area).
void UsableSpan(int32_t& Start, int32_t& Size, int Area) {
    const int64_t area = std::max(Area, MinimumSide);
    const int64_t size = std::clamp<int64_t>(Size, MinimumSide, area);
    const int64_t kept = std::min<int64_t>(size, KeptOnPage);
    Start = static_cast<int32_t>(std::clamp<int64_t>(Start, kept - size, area - kept));
    Size = static_cast<int32_t>(size);
}

} // namespace

TPLBBounds UsableSubPageBounds(const TPLBBounds& Bounds, int MainRealWidth, int MainRealHeight) {
    TPLBBounds usable = Bounds;
    UsableSpan(usable.Left, usable.Width, MainRealWidth + 10);
    UsableSpan(usable.Top, usable.Height, MainRealHeight + 10);
    return usable;
}

void TSubPageDrag::Begin(TPoint At, bool OnLink) {
    if (FDragging || FMoved || FPressedLink >= 0 || OnLink) return;
    FDragging = true;
    FMoved = false;
    FDragPoint = At;
}

bool TSubPageDrag::BeginStep(TPoint At, TPoint& Delta) {
    if (!FDragging || FInMove || At == FDragPoint) return false;
    FInMove = true;
    FMoved = true;
    Delta = {At.X - FDragPoint.X, At.Y - FDragPoint.Y};
    return true;
}

void TSubPageDrag::EndStep(TPoint At) {
    FDragPoint = At;
    FInMove = false;
}

bool TSubPageDrag::End(bool LeftButton, bool DoubleClickCloses) {
    const bool close = FDragging && !FMoved && FPressedLink < 0 && LeftButton && !DoubleClickCloses;
    FDragging = false;
    FMoved = false;
    FPressedLink = -1;
    return close;
}
