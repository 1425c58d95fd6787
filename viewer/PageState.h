#pragma once

#include "data/Textbook.h"

#include <cstdint>
#include <string>
#include <vector>

// A page as the history and the bookmarks remember it.
struct TPageEntry {
    int32_t Number = 0;
    AnsiString ShortTitle;
    bool operator==(const TPageEntry&) const = default;
};

// One numbered item of a page menu (history or bookmarks): caption "&k title"
// with k its accelerator digit, hint "Перейти к "title"". Hidden items have an
// empty caption and hint.
struct TPageMenuItem {
    bool Visible = false;
    bool Checked = false;
    int32_t Number = 0;
    AnsiString Caption;
    AnsiString Hint;
};

// The item for Entry at accelerator Key (1 based).
TPageMenuItem PageMenuItem(int Key, const TPageEntry& Entry);

// What a page menu shows: "(нет)"/"(пусто)" when EmptyVisible, the numbered
// items, and the separator with the list item when ListVisible.
struct TPageMenu {
    bool EmptyVisible = true;
    std::vector<TPageMenuItem> Items;
    bool ListVisible = false;
};

// The pages the reader went through, and the position among them (-1 while
// empty). Recording drops every entry after the position, then appends.
class TPageHistory {
public:
    const std::vector<TPageEntry>& Entries() const { return FEntries; }
    int Index() const { return FIndex; }
    void Record(const TPageEntry& Entry);
    // Moves the position by Delta; false (nothing changes) when that leaves
    // the list.
    bool Move(int Delta);
    bool CanGoBack() const { return FIndex > 0; }
    bool CanGoForward() const { return FIndex < static_cast<int>(FEntries.size()) - 1; }
    int Count() const { return static_cast<int>(FEntries.size()); }

    // The drop-down menus: the five nearest entries on each side, nearest
    // first; the list item once more entries lie beyond them.
    static constexpr int MenuItems = 5;
    TPageMenu BackwardMenu() const;
    TPageMenu ForwardMenu() const;

private:
    std::vector<TPageEntry> FEntries;
    int FIndex = -1;
};

// The page shown in the main window and the navigation set in force.
struct TPageState {
    const TPLBDataItem* CurrentItem = nullptr;
    const TPLBNavPoints* CurrentNav = nullptr;
    int32_t CurrentNumber() const { return CurrentItem ? CurrentItem->Number : 0; }
    // Makes Item current with the navigation set NavStart chooses (1: the
    // second set, anything else the first).
    void Show(const TPLBDataItem& Item, TPLBNavStart NavStart);
};

// Which page buttons may be used.
struct TNavigationEnabled {
    bool First = false;
    bool Prev = false;
    bool Next = false;
    bool Last = false;
    bool Contents = false;
    bool Zoom = false;
};

// Without "across" a page without a First target cannot be left backwards and
// one without a Last target cannot be left forwards.
TNavigationEnabled NavigationEnabled(const TPLBNavPoints* Nav, bool Across, bool Sizeable,
                                     bool Zoomable);

// The page a command-line argument asks for: its leading decimal integer
// (optionally signed); false when it does not begin with one.
bool CommandLinePage(const std::string& Argument, int32_t& Page);

// The view's size at zoom step Step: each step adds one pixel of the default
// font's height FontHeight to the real size's scale.
struct TZoomSize {
    int Width = 0;
    int Height = 0;
};
TZoomSize ZoomedSize(int FontHeight, int Step, int RealWidth, int RealHeight);
