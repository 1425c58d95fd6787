#include "viewer/PageMarks.h"

#include <algorithm>

bool TBookMarks::Has(int32_t Number) const {
    return IndexOf(Number) >= 0;
}

int TBookMarks::IndexOf(int32_t Number) const {
    const auto found = std::find_if(FEntries.begin(), FEntries.end(),
                                    [Number](const TPageEntry& e) { return e.Number == Number; });
    return found == FEntries.end() ? -1 : static_cast<int>(found - FEntries.begin());
}

void TBookMarks::Add(const TPageEntry& Entry) {
    Remove(Entry.Number);
    FEntries.insert(FEntries.begin(), Entry);
}

void TBookMarks::Remove(int32_t Number) {
    std::erase_if(FEntries, [Number](const TPageEntry& e) { return e.Number == Number; });
}

bool TBookMarks::MoveToFront(int Index) {
    if (Index < 0 || Index >= static_cast<int>(FEntries.size())) return false;
    std::rotate(FEntries.begin(), FEntries.begin() + Index, FEntries.begin() + Index + 1);
    return true;
}

TPageMenu TBookMarks::Menu(int32_t CurrentNumber) const {
    TPageMenu menu;
    menu.EmptyVisible = FEntries.empty();
    menu.ListVisible = FEntries.size() > MenuItems;
    menu.Items.resize(MenuItems);
    for (size_t i = 0; i < MenuItems && i < FEntries.size(); ++i) {
        TPageMenuItem& item = menu.Items[i] = PageMenuItem(static_cast<int>(i) + 1, FEntries[i]);
        item.Checked = CurrentNumber != 0 && FEntries[i].Number == CurrentNumber;
    }
    return menu;
}
