#include "common/Centering.h"
#include "common/ListOwnership.h"
#include "common/Memory.h"
#include "platform/base/HeadlessControls.h"

#include <gtest/gtest.h>

using namespace myDefines;

TEST(Geometry, CentresWithArithmeticHalving) {
    TRect inner = Rect(0, 0, 10, 10);
    CenterRect(Rect(0, 0, 25, 25), inner);
    EXPECT_EQ(inner, Rect(7, 7, 17, 17));
    inner = Rect(0, 0, 30, 30);
    CenterRect(Rect(0, 0, 25, 25), inner);
    EXPECT_EQ(inner, Rect(-3, -3, 27, 27));
    inner = Rect(1, 2, 11, 12);
    CenterRect(Rect(100, 100, 200, 120), inner, true, false);
    EXPECT_EQ(inner, Rect(145, 2, 155, 12));
    CenterRect(Rect(0, 0, 25, 25), inner, false, false);
    EXPECT_EQ(inner, Rect(145, 2, 155, 12));
}

TEST(Geometry, CentresControls) {
    THeadlessControl reference, box;
    reference.SetBoundsRect(Bounds(100, 50, 772, 523));
    box.SetBoundsRect(Bounds(0, 0, 320, 80));
    CenterControl(reference, box);
    EXPECT_EQ(box.BoundsRect(), Bounds(326, 271, 320, 80));
    box.SetParentClientSize(772, 472);
    CenterInWindow(box);
    EXPECT_EQ(box.BoundsRect(), Bounds(226, 196, 320, 80));
}

TEST(Memory, CopiesOverlappingAreasAndFills) {
    unsigned char b[6] = {1, 2, 3, 4, 5, 0};
    MemCopy(b + 1, b, 5);
    EXPECT_EQ(std::vector<int>(b, b + 6), (std::vector<int>{1, 1, 2, 3, 4, 5}));
    MemCopy(b, b + 1, 5);
    EXPECT_EQ(std::vector<int>(b, b + 6), (std::vector<int>{1, 2, 3, 4, 5, 5}));
    MemCopy(b, b + 1, -3);
    SetMem(b, 9, 2);
    SetMem(b, 7, 0);
    EXPECT_EQ(std::vector<int>(b, b + 6), (std::vector<int>{9, 9, 3, 4, 5, 5}));
}

namespace {
struct Counted {
    explicit Counted(int& live) : live(live) { ++live; }
    ~Counted() { --live; }
    int& live;
};
} // namespace

TEST(ListOwnership, FreesItemsSkippingNullsAndNullsPointers) {
    int live = 0;
    auto* list = new std::vector<Counted*>{new Counted(live), nullptr, new Counted(live)};
    ClearList(*list);
    EXPECT_EQ(live, 0);
    EXPECT_TRUE(list->empty());
    list->push_back(new Counted(live));
    DeleteList(list);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(live, 0);
    DeleteList(list); // nothing for null
    auto* object = new Counted(live);
    DeleteObject(object);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(live, 0);
}
