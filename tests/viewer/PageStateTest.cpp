// The main window's widget-free page state: history recording, the page
// buttons' enabled states, the command-line page, zoom sizes and the key map.
#include "viewer/PageState.h"
#include "platform/base/Cp1251.h"
#include "viewer/KeyMap.h"

#include <gtest/gtest.h>

namespace {

std::vector<int32_t> Numbers(const TPageHistory& History) {
    std::vector<int32_t> numbers;
    for (const TPageEntry& e : History.Entries())
        numbers.push_back(e.Number);
    return numbers;
}

TEST(PageHistory, RecordingAfterStepsBackDropsTheEntriesAhead) {
    TPageHistory history;
    EXPECT_EQ(history.Index(), -1);
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_FALSE(history.CanGoForward());
    for (int32_t n : {1, 2, 3, 4})
        history.Record({n, "p"});
    EXPECT_EQ(history.Index(), 3);
    EXPECT_TRUE(history.Move(-2));
    EXPECT_EQ(history.Index(), 1);
    EXPECT_TRUE(history.CanGoForward());
    history.Record({9, "nine"});
    EXPECT_EQ(Numbers(history), (std::vector<int32_t>{1, 2, 9}));
    EXPECT_EQ(history.Index(), 2);
    EXPECT_EQ(history.Entries().back().ShortTitle, "nine");
    // The same page twice in a row is recorded twice.
    history.Record({9, "nine"});
    EXPECT_EQ(Numbers(history), (std::vector<int32_t>{1, 2, 9, 9}));
}

TEST(PageHistory, MovesOutsideTheListChangeNothing) {
    TPageHistory history;
    EXPECT_FALSE(history.Move(-1));
    EXPECT_FALSE(history.Move(1));
    history.Record({1, {}});
    history.Record({2, {}});
    EXPECT_FALSE(history.Move(1));
    EXPECT_FALSE(history.Move(-2));
    EXPECT_FALSE(history.Move(INT32_MIN));
    EXPECT_EQ(history.Index(), 1);
    EXPECT_TRUE(history.Move(-1));
    EXPECT_FALSE(history.CanGoBack());
}

TEST(PageState, NavigationSetFollowsTheTextbooksChoice) {
    TPLBDataItem item;
    item.Number = 4;
    TPageState state;
    EXPECT_EQ(state.CurrentNumber(), 0);
    state.Show(item, 1);
    EXPECT_EQ(state.CurrentNav, &item.NavPoints[1]);
    EXPECT_EQ(state.CurrentNumber(), 4);
    for (TPLBNavStart other : {0, 2, 7}) {
        state.Show(item, other);
        EXPECT_EQ(state.CurrentNav, &item.NavPoints[0]);
    }
}

TEST(NavigationButtons, AcrossLetsPrevAndNextLeaveTheSection) {
    EXPECT_FALSE(NavigationEnabled(nullptr, true, true, true).Prev);
    EXPECT_TRUE(NavigationEnabled(nullptr, true, true, true).Zoom);

    const TPLBNavPoints middle{/*First*/ 1, /*Last*/ 9, /*Prev*/ 3, /*Next*/ 5, /*Contents*/ 0};
    TNavigationEnabled e = NavigationEnabled(&middle, false, true, true);
    EXPECT_TRUE(e.First && e.Prev && e.Next && e.Last);
    EXPECT_FALSE(e.Contents);

    // The section's first page: no First target keeps Prev off unless across.
    const TPLBNavPoints start{0, 9, 3, 5, 2};
    e = NavigationEnabled(&start, false, true, true);
    EXPECT_FALSE(e.First);
    EXPECT_FALSE(e.Prev);
    EXPECT_TRUE(e.Next);
    EXPECT_TRUE(e.Contents);
    EXPECT_TRUE(NavigationEnabled(&start, true, true, true).Prev);

    const TPLBNavPoints end{1, 0, 3, 5, 0};
    EXPECT_FALSE(NavigationEnabled(&end, false, true, true).Next);
    EXPECT_TRUE(NavigationEnabled(&end, true, true, true).Next);
    const TPLBNavPoints none{1, 1, 0, -4, 0};
    EXPECT_FALSE(NavigationEnabled(&none, true, true, true).Prev);
    EXPECT_FALSE(NavigationEnabled(&none, true, true, true).Next);
}

TEST(NavigationButtons, ZoomNeedsASizeableZoomableBook) {
    EXPECT_FALSE(NavigationEnabled(nullptr, false, false, true).Zoom);
    EXPECT_FALSE(NavigationEnabled(nullptr, false, true, false).Zoom);
}

TEST(CommandLinePage, LeadingDecimalIntegerOfTheArgument) {
    int32_t page = -99;
    EXPECT_TRUE(CommandLinePage("12abc", page));
    EXPECT_EQ(page, 12);
    EXPECT_TRUE(CommandLinePage("7", page));
    EXPECT_EQ(page, 7);
    EXPECT_TRUE(CommandLinePage("-3", page));
    EXPECT_EQ(page, -3);
    page = 5;
    for (const char* bad : {"", "abc12", " 12", "-", "+x", "99999999999"})
        EXPECT_FALSE(CommandLinePage(bad, page)) << bad;
    EXPECT_EQ(page, 5);
}

TEST(ZoomedSize, StepsScaleByOnePixelOfFontHeight) {
    EXPECT_EQ(ZoomedSize(17, 0, 762, 463).Width, 762);
    EXPECT_EQ(ZoomedSize(17, 0, 762, 463).Height, 463);
    EXPECT_EQ(ZoomedSize(17, 1, 762, 463).Width, 18 * 762 / 17);
    EXPECT_EQ(ZoomedSize(17, 1, 762, 463).Height, 18 * 463 / 17);
    EXPECT_EQ(ZoomedSize(17, -1, 762, 463).Width, 16 * 762 / 17);
}

TEST(KeyMap, ModifiersMustBeExactlyTheMappedSet) {
    using enum TKeyCommand;
    EXPECT_EQ(KeyCommand(Qt::Key_Left, Qt::NoModifier), Prev);
    EXPECT_EQ(KeyCommand(Qt::Key_Left, Qt::ControlModifier), First);
    EXPECT_EQ(KeyCommand(Qt::Key_Right, Qt::ControlModifier), Last);
    EXPECT_EQ(KeyCommand(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_Left, Qt::ShiftModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_F4, Qt::AltModifier), Close);
    EXPECT_EQ(KeyCommand(Qt::Key_F4, Qt::AltModifier | Qt::ControlModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_F4, Qt::NoModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_Space, Qt::NoModifier), Mark);
    EXPECT_EQ(KeyCommand(Qt::Key_Space, Qt::ControlModifier), MediaPause);
    EXPECT_EQ(KeyCommand(Qt::Key_PageUp, Qt::NoModifier), Backward);
    EXPECT_EQ(KeyCommand(Qt::Key_PageDown, Qt::NoModifier), Forward);
    EXPECT_EQ(KeyCommand(Qt::Key_PageUp, Qt::ControlModifier), MediaBack);
    EXPECT_EQ(KeyCommand(Qt::Key_PageDown, Qt::ControlModifier), MediaAhead);
    EXPECT_EQ(KeyCommand(Qt::Key_Escape, Qt::NoModifier), Contents);
    EXPECT_EQ(KeyCommand(Qt::Key_F1, Qt::NoModifier), Information);
}

TEST(KeyMap, OnlyTheNumericPadsMinusAndPlusZoom) {
    using enum TKeyCommand;
    EXPECT_EQ(KeyCommand(Qt::Key_Minus, Qt::KeypadModifier), ZoomOut);
    EXPECT_EQ(KeyCommand(Qt::Key_Plus, Qt::KeypadModifier), ZoomIn);
    EXPECT_EQ(KeyCommand(Qt::Key_Minus, Qt::NoModifier), None);
    EXPECT_EQ(KeyCommand(Qt::Key_Plus, Qt::ShiftModifier), None);
    // The numeric pad's arrows page as the others do.
    EXPECT_EQ(KeyCommand(Qt::Key_Left, Qt::KeypadModifier), Prev);
}

TEST(MediaSteps, ATenthOfTheClipKeptInsideIt) {
    EXPECT_EQ(MediaStepPosition(0, 10000, false), 0);
    EXPECT_EQ(MediaStepPosition(5000, 10000, false), 4000);
    EXPECT_EQ(MediaStepPosition(5000, 10000, true), 6000);
    EXPECT_EQ(MediaStepPosition(9500, 10000, true), 9999);
    EXPECT_EQ(MediaStepPosition(3, 19, true), 4); // 19 / 10 truncates to 1
    EXPECT_EQ(MediaStepPosition(100, 0, true), 0);
}

} // namespace

namespace {

// Seven pages 1..7 recorded in order, the position then moved to Index.
TPageHistory SevenPages(int Index) {
    TPageHistory history;
    for (int32_t n = 1; n <= 7; ++n)
        history.Record({n, "p" + std::to_string(n)});
    history.Move(Index - history.Index());
    return history;
}

std::vector<int32_t> Shown(const TPageMenu& Menu) {
    std::vector<int32_t> numbers;
    for (const TPageMenuItem& item : Menu.Items)
        if (item.Visible) numbers.push_back(item.Number);
    return numbers;
}

TEST(HistoryMenus, FiveNearestBackwardsWithTheListBeyondThem) {
    const TPageHistory history = SevenPages(6);
    const TPageMenu back = history.BackwardMenu();
    EXPECT_FALSE(back.EmptyVisible);
    // Entries 5..1 (pages 6..2), nearest first, with the digits 1..5.
    EXPECT_EQ(Shown(back), (std::vector<int32_t>{6, 5, 4, 3, 2}));
    EXPECT_EQ(back.Items[0].Caption, "&1 p6");
    EXPECT_EQ(back.Items[4].Caption, "&5 p2");
    EXPECT_EQ(back.Items[0].Hint, Utf8ToCp1251("Перейти к \"p6\""));
    EXPECT_TRUE(back.ListVisible);
    const TPageMenu ahead = history.ForwardMenu();
    EXPECT_TRUE(ahead.EmptyVisible);
    EXPECT_EQ(Shown(ahead), std::vector<int32_t>{});
    EXPECT_FALSE(ahead.ListVisible);
    for (const TPageMenuItem& item : ahead.Items) {
        EXPECT_TRUE(item.Caption.empty());
        EXPECT_TRUE(item.Hint.empty());
    }
}

TEST(HistoryMenus, ListOnlyOnceMoreThanFiveLieOnThatSide) {
    const TPageHistory at5 = SevenPages(5);
    EXPECT_EQ(Shown(at5.BackwardMenu()), (std::vector<int32_t>{5, 4, 3, 2, 1}));
    EXPECT_FALSE(at5.BackwardMenu().ListVisible);
    EXPECT_EQ(Shown(at5.ForwardMenu()), std::vector<int32_t>{7});
    EXPECT_EQ(at5.ForwardMenu().Items[0].Caption, "&1 p7");
    EXPECT_FALSE(at5.ForwardMenu().ListVisible);

    const TPageHistory at0 = SevenPages(0);
    EXPECT_TRUE(at0.BackwardMenu().EmptyVisible);
    EXPECT_EQ(Shown(at0.ForwardMenu()), (std::vector<int32_t>{2, 3, 4, 5, 6}));
    EXPECT_TRUE(at0.ForwardMenu().ListVisible);
    EXPECT_FALSE(SevenPages(1).ForwardMenu().ListVisible);
}

TEST(HistoryMenus, EmptyHistoryShowsOnlyNone) {
    const TPageHistory history;
    for (const TPageMenu& menu : {history.BackwardMenu(), history.ForwardMenu()}) {
        EXPECT_TRUE(menu.EmptyVisible);
        EXPECT_FALSE(menu.ListVisible);
        EXPECT_EQ(Shown(menu), std::vector<int32_t>{});
    }
}

TEST(HistoryMenus, SteppingKeepsTheEntries) {
    TPageHistory history = SevenPages(6);
    EXPECT_TRUE(history.Move(-3));
    EXPECT_TRUE(history.Move(2));
    EXPECT_FALSE(history.Move(2));
    EXPECT_EQ(history.Count(), 7);
    EXPECT_EQ(history.Index(), 5);
}

} // namespace
