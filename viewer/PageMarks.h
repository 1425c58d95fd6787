#pragma once

#include "viewer/PageState.h"

#include <cstddef>
#include <vector>

// The reader's bookmarks for one run, the most recently set or used first. A
// page has at most one bookmark.
class TBookMarks {
public:
    const std::vector<TPageEntry>& Entries() const { return FEntries; }
    bool empty() const { return FEntries.empty(); }
    size_t size() const { return FEntries.size(); }
    const TPageEntry& operator[](size_t Index) const { return FEntries[Index]; }
    const TPageEntry& front() const { return FEntries.front(); }
    auto begin() const { return FEntries.begin(); }
    auto end() const { return FEntries.end(); }
    void clear() { FEntries.clear(); }

    // Whether page Number has a bookmark.
    bool Has(int32_t Number) const;
    // Sets a bookmark at the front (an older one of the same page goes).
    void Add(const TPageEntry& Entry);
    // Removes every bookmark of page Number, wherever it stands.
    void Remove(int32_t Number);
    // Moves bookmark Index to the front; false (nothing changes) out of range.
    bool MoveToFront(int Index);
    // The index of page Number's bookmark, -1 when it has none.
    int IndexOf(int32_t Number) const;

    // The drop-down menu: the nine newest bookmarks, the one of the page shown
    // (CurrentNumber, 0 for none) checked; the list item once there are more.
    static constexpr int MenuItems = 9;
    TPageMenu Menu(int32_t CurrentNumber) const;

private:
    std::vector<TPageEntry> FEntries;
};
