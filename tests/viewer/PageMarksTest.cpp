// The bookmarks without a window: setting and removing them, jumps that
// reorder them, and the menu of the nine newest.
#include "viewer/PageMarks.h"
#include "platform/base/Cp1251.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> Numbers(const TBookMarks& Marks) {
    std::vector<int32_t> numbers;
    for (const TPageEntry& e : Marks)
        numbers.push_back(e.Number);
    return numbers;
}

// Bookmarks set on pages 1..Count in order: the newest (Count) first.
TBookMarks Marked(int Count) {
    TBookMarks marks;
    for (int32_t n = 1; n <= Count; ++n)
        marks.Add({n, "m" + std::to_string(n)});
    return marks;
}

TEST(BookMarks, NewestFirstAndAtMostOnePerPage) {
    TBookMarks marks = Marked(3);
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{3, 2, 1}));
    marks.Add({1, "again"});
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{1, 3, 2}));
    EXPECT_EQ(marks.front().ShortTitle, "again");
    EXPECT_TRUE(marks.Has(2));
    EXPECT_FALSE(marks.Has(4));
    EXPECT_EQ(marks.IndexOf(2), 2);
    EXPECT_EQ(marks.IndexOf(4), -1);
}

TEST(BookMarks, RemovalWhereverTheBookmarkStands) {
    for (int32_t page = 1; page <= 5; ++page) {
        TBookMarks marks = Marked(5);
        marks.Remove(page);
        EXPECT_FALSE(marks.Has(page));
        EXPECT_EQ(marks.size(), 4u);
    }
    TBookMarks marks = Marked(2);
    marks.Remove(7);
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{2, 1}));
}

TEST(BookMarks, AJumpMovesTheUsedBookmarkFirst) {
    TBookMarks marks = Marked(6);
    EXPECT_TRUE(marks.MoveToFront(4)); // the fifth: page 2
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{2, 6, 5, 4, 3, 1}));
    // The accelerators follow the new order.
    const TPageMenu menu = marks.Menu(0);
    EXPECT_EQ(menu.Items[0].Caption, "&1 m2");
    EXPECT_EQ(menu.Items[1].Caption, "&2 m6");
    EXPECT_EQ(menu.Items[5].Caption, "&6 m1");
    EXPECT_TRUE(marks.MoveToFront(0));
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{2, 6, 5, 4, 3, 1}));
    EXPECT_TRUE(marks.MoveToFront(5));
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{1, 2, 6, 5, 4, 3}));
    EXPECT_FALSE(marks.MoveToFront(6));
    EXPECT_FALSE(marks.MoveToFront(-1));
    EXPECT_EQ(Numbers(marks), (std::vector<int32_t>{1, 2, 6, 5, 4, 3}));
}

TEST(BookMarksMenu, NineNewestThenTheList) {
    const TBookMarks marks = Marked(10);
    const TPageMenu menu = marks.Menu(4);
    EXPECT_FALSE(menu.EmptyVisible);
    EXPECT_TRUE(menu.ListVisible);
    ASSERT_EQ(menu.Items.size(), 9u);
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_TRUE(menu.Items[i].Visible);
        EXPECT_EQ(menu.Items[i].Number, static_cast<int32_t>(10 - i));
        EXPECT_EQ(menu.Items[i].Checked, menu.Items[i].Number == 4) << i;
    }
    EXPECT_EQ(menu.Items[8].Caption, "&9 m2");
    EXPECT_EQ(menu.Items[8].Hint, Utf8ToCp1251("Перейти к \"m2\""));

    const TPageMenu nine = Marked(9).Menu(0);
    EXPECT_FALSE(nine.ListVisible);
    for (const TPageMenuItem& item : nine.Items)
        EXPECT_FALSE(item.Checked);
}

TEST(BookMarksMenu, EmptyAndShortLists) {
    const TPageMenu empty = TBookMarks().Menu(1);
    EXPECT_TRUE(empty.EmptyVisible);
    EXPECT_FALSE(empty.ListVisible);
    for (const TPageMenuItem& item : empty.Items)
        EXPECT_FALSE(item.Visible);
    const TPageMenu two = Marked(2).Menu(1);
    EXPECT_FALSE(two.EmptyVisible);
    EXPECT_TRUE(two.Items[1].Visible && two.Items[1].Checked);
    EXPECT_FALSE(two.Items[2].Visible);
    EXPECT_TRUE(two.Items[2].Caption.empty());
}

} // namespace
