// Sub-page placement, bounds and the pointer's drag rules, without windows.
#include "viewer/SubPageState.h"

#include <gtest/gtest.h>

TEST(SubPagePlacement, ScalesPlaceAndSizeWithTheMainView) {
    // A view of real size 762 x 463 zoomed to 851 x 517; the sub-page at
    // (100, 50), 200 x 100, so its view's real size is 190 x 90.
    const TViewScale zoomed{762, 463, 851, 517};
    const TSubPagePlacement place = PlaceSubPage(zoomed, {100, 50}, 190, 90);
    EXPECT_EQ(place.Position, (TPoint{111, 55}));
    EXPECT_EQ(place.ViewWidth, 212);
    EXPECT_EQ(place.ViewHeight, 100);
    EXPECT_EQ(place.Width(), 222);
    EXPECT_EQ(place.Height(), 110);

    // At the real size nothing changes; real and view coordinates convert
    // both ways with truncation.
    const TSubPagePlacement real = PlaceSubPage({762, 463, 762, 463}, {100, 50}, 190, 90);
    EXPECT_EQ(real.Position, (TPoint{100, 50}));
    EXPECT_EQ(real.Width(), 200);
    EXPECT_EQ(zoomed.ToReal({111, 55}), (TPoint{99, 49}));
    EXPECT_EQ(zoomed.ToView({-100, -50}), (TPoint{-111, -55}));
    // No division by an empty size.
    EXPECT_EQ((TViewScale{0, 0, 851, 517}).ToReal({111, 55}), (TPoint{111, 55}));
}

TEST(SubPagePlacement, ModeComesFromTheBookSetting) {
    EXPECT_EQ(SubPageModeOf(0), TSubPageMode::Modal);
    EXPECT_EQ(SubPageModeOf(1), TSubPageMode::Embedded);
    EXPECT_EQ(SubPageModeOf(2), TSubPageMode::Modeless);
    EXPECT_EQ(SubPageModeOf(3), TSubPageMode::Modal);
    EXPECT_EQ(SubPageModeOf(255), TSubPageMode::Modal);
}

TEST(SubPageBounds, SensibleBoundsPassAndBadOnesBecomeUsable) {
    const TPLBBounds sensible{100, 50, 200, 100};
    const TPLBBounds same = UsableSubPageBounds(sensible, 762, 463);
    EXPECT_EQ(same.Left, 100);
    EXPECT_EQ(same.Top, 50);
    EXPECT_EQ(same.Width, 200);
    EXPECT_EQ(same.Height, 100);
    // Partly past the page's edge is kept as the author placed it.
    const TPLBBounds edge = UsableSubPageBounds({700, -20, 200, 100}, 762, 463);
    EXPECT_EQ(edge.Left, 700);
    EXPECT_EQ(edge.Top, -20);

    // Zero and negative sizes grow to 30; larger than the page shrinks to it.
    const TPLBBounds empty = UsableSubPageBounds({10, 10, 0, -5}, 762, 463);
    EXPECT_EQ(empty.Width, 30);
    EXPECT_EQ(empty.Height, 30);
    const TPLBBounds huge = UsableSubPageBounds({0, 0, 5000, 100000}, 762, 463);
    EXPECT_EQ(huge.Width, 772);
    EXPECT_EQ(huge.Height, 473);

    // Far outside: at least 40 pixels (all of a small one) stay on the page.
    const TPLBBounds away = UsableSubPageBounds({-100000, 2000000000, 200, 100}, 762, 463);
    EXPECT_EQ(away.Left, -160);
    EXPECT_EQ(away.Top, 473 - 40);
    const TPLBBounds small = UsableSubPageBounds({5000, -5000, 30, 30}, 762, 463);
    EXPECT_EQ(small.Left, 772 - 30);
    EXPECT_EQ(small.Top, 0);
    // Extreme values do not overflow.
    const TPLBBounds extreme =
        UsableSubPageBounds({INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}, 762, 463);
    EXPECT_EQ(extreme.Width, 772);
    EXPECT_EQ(extreme.Height, 30);
    EXPECT_EQ(extreme.Left, 40 - 772);
    EXPECT_EQ(extreme.Top, 473 - 30);
}

TEST(SubPageDrag, AClickWithoutMovingClosesAndADragOnlyMoves) {
    TSubPageDrag drag;
    drag.Begin({10, 10}, false);
    EXPECT_TRUE(drag.Dragging());
    TPoint delta;
    EXPECT_FALSE(drag.BeginStep({10, 10}, delta)); // the pointer has not moved
    EXPECT_TRUE(drag.End(true, false));
    EXPECT_FALSE(drag.Dragging());

    drag.Begin({10, 10}, false);
    ASSERT_TRUE(drag.BeginStep({15, 7}, delta));
    EXPECT_EQ(delta, (TPoint{5, -3}));
    // A move step does not nest.
    EXPECT_FALSE(drag.BeginStep({20, 20}, delta));
    drag.EndStep({15, 7});
    ASSERT_TRUE(drag.BeginStep({16, 9}, delta));
    EXPECT_EQ(delta, (TPoint{1, 2}));
    drag.EndStep({16, 9});
    EXPECT_FALSE(drag.End(true, false));
    EXPECT_FALSE(drag.Moved());
}

TEST(SubPageDrag, OtherButtonsDoubleClickModeAndLinksDoNotClose) {
    TSubPageDrag drag;
    drag.Begin({0, 0}, false);
    EXPECT_FALSE(drag.End(false, false)); // the right button
    drag.Begin({0, 0}, false);
    EXPECT_FALSE(drag.End(true, true)); // double-click mode
    TPoint delta;
    // A press on a link starts no drag.
    drag.Begin({0, 0}, true);
    EXPECT_FALSE(drag.Dragging());
    EXPECT_FALSE(drag.BeginStep({5, 5}, delta));
    EXPECT_FALSE(drag.End(true, false));
    // A link clicked during the press: no close, and the next press is new.
    drag.Begin({0, 0}, false);
    drag.LinkClicked(3);
    EXPECT_FALSE(drag.End(true, false));
    EXPECT_EQ(drag.PressedLink(), -1);
    drag.Begin({0, 0}, false);
    EXPECT_TRUE(drag.Dragging());
    EXPECT_TRUE(drag.End(true, false));
    // Moves without a press do nothing.
    EXPECT_FALSE(drag.BeginStep({9, 9}, delta));
}
