#include "viewer/PageState.h"

#include "platform/base/Cp1251.h"

#include <cctype>
#include <cstdlib>
#include <limits>

void TPageHistory::Record(const TPageEntry& Entry) {
    FEntries.resize(static_cast<size_t>(FIndex + 1));
    FEntries.push_back(Entry);
    ++FIndex;
}

bool TPageHistory::Move(int Delta) {
    const int64_t n = int64_t{FIndex} + Delta;
    if (n < 0 || n >= static_cast<int64_t>(FEntries.size())) return false;
    FIndex = static_cast<int>(n);
    return true;
}

TPageMenuItem PageMenuItem(int Key, const TPageEntry& Entry) {
    static const AnsiString GoTo = Utf8ToCp1251("Перейти к ");
    TPageMenuItem item;
    item.Visible = true;
    item.Number = Entry.Number;
    item.Caption = "&" + std::to_string(Key) + " " + Entry.ShortTitle;
    item.Hint = GoTo + "\"" + Entry.ShortTitle + "\"";
    return item;
}

TPageMenu TPageHistory::BackwardMenu() const {
    TPageMenu menu;
    menu.EmptyVisible = FIndex <= 0;
    menu.ListVisible = FIndex > MenuItems;
    menu.Items.resize(MenuItems);
    for (int i = 0; i < MenuItems && i < FIndex; ++i)
        menu.Items[static_cast<size_t>(i)] =
            PageMenuItem(i + 1, FEntries[static_cast<size_t>(FIndex - i - 1)]);
    return menu;
}

TPageMenu TPageHistory::ForwardMenu() const {
    TPageMenu menu;
    menu.EmptyVisible = FIndex >= Count() - 1;
    menu.ListVisible = FIndex < Count() - MenuItems - 1;
    menu.Items.resize(MenuItems);
    for (int i = 0; i < MenuItems && FIndex < Count() - i - 1; ++i)
        menu.Items[static_cast<size_t>(i)] =
            PageMenuItem(i + 1, FEntries[static_cast<size_t>(FIndex + i + 1)]);
    return menu;
}

void TPageState::Show(const TPLBDataItem& Item, TPLBNavStart NavStart) {
    CurrentItem = &Item;
    CurrentNav = &Item.NavPoints[NavStart == 1 ? 1 : 0];
}

TNavigationEnabled NavigationEnabled(const TPLBNavPoints* Nav, bool Across, bool Sizeable,
                                     bool Zoomable) {
    TNavigationEnabled e;
    e.Zoom = Sizeable && Zoomable;
    if (!Nav) return e;
    e.First = Nav->First > 0;
    e.Prev = Nav->Prev >= 1 && (Nav->First >= 1 || Across);
    e.Next = Nav->Next >= 1 && (Nav->Last >= 1 || Across);
    e.Last = Nav->Last > 0;
    e.Contents = Nav->Contents > 0;
    return e;
}

bool CommandLinePage(const std::string& Argument, int32_t& Page) {
    size_t i = 0;
    bool negative = false;
    if (i < Argument.size() && (Argument[i] == '+' || Argument[i] == '-'))
        negative = Argument[i++] == '-';
    const size_t digits = i;
    int64_t value = 0;
    for (; i < Argument.size() && std::isdigit(static_cast<unsigned char>(Argument[i])); ++i) {
        value = value * 10 + (Argument[i] - '0');
        if (value > std::numeric_limits<int32_t>::max()) return false;
    }
    if (i == digits) return false;
    Page = static_cast<int32_t>(negative ? -value : value);
    return true;
}

TZoomSize ZoomedSize(int FontHeight, int Step, int RealWidth, int RealHeight) {
    if (FontHeight <= 0) return {RealWidth, RealHeight};
    const int64_t scale = int64_t{FontHeight} + Step;
    return {static_cast<int>(scale * RealWidth / FontHeight),
            static_cast<int>(scale * RealHeight / FontHeight)};
}
