#include "data/BookSearch.h"

#include "platform/base/AnsiText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace {

constexpr unsigned char kSmallYo = 0xB8;
constexpr unsigned char kSmallYe = 0xE5;
constexpr char kEllipsis = '\x85';

const std::array<unsigned char, 256>& FoldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            unsigned char lower = AnsiLowerChar(static_cast<unsigned char>(c));
            if (lower == kSmallYo) lower = kSmallYe;
            t[static_cast<size_t>(c)] = lower;
        }
        return t;
    }();
    return table;
}

bool IsSpace(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\xA0';
}

} // namespace

AnsiString TBookSearch::Fold(const AnsiString& Text) {
    const auto& table = FoldTable();
    AnsiString folded(Text.size(), '\0');
    for (size_t i = 0; i < Text.size(); ++i)
        folded[i] = static_cast<char>(table[static_cast<unsigned char>(Text[i])]);
    return folded;
}

AnsiString TBookSearch::FoldQuery(const AnsiString& Query) {
    AnsiString collapsed;
    for (const char c : Query) {
        if (IsSpace(c)) {
            if (!collapsed.empty() && collapsed.back() != ' ') collapsed += ' ';
        } else if (c != '\0') {
            collapsed += c;
        }
    }
    if (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
    return Fold(collapsed);
}

TBookSearch::TBookSearch(const TPLBData& Book, const TPageText& PageText) {
    FPages.reserve(Book.Items.size());
    for (const auto& item : Book.Items) {
        AnsiString text = PageText(item->Lines.Text());
        // A zero byte would end a page early; the text never shows one.
        std::replace(text.begin(), text.end(), '\0', ' ');
        FPages.push_back({item.get(), std::move(text), FFolded.size()});
        FFolded += Fold(FPages.back().Text);
        FFolded += '\0';
    }
}

std::vector<TSearchHit> TBookSearch::Find(const AnsiString& Query) const {
    std::vector<TSearchHit> hits;
    const AnsiString query = FoldQuery(Query);
    if (query.empty()) return hits;
    const std::string_view all(FFolded);
    size_t from = 0;
    while (from < all.size()) {
        const size_t at = all.find(query, from);
        if (at == std::string_view::npos) break;
        // The page holding the match: the last one starting at or before it.
        const auto page =
            std::upper_bound(FPages.begin(), FPages.end(), at,
                             [](size_t Offset, const TPage& P) { return Offset < P.Start; }) -
            1;
        const size_t offset = at - page->Start;
        hits.push_back(
            {page->Item, offset, query.size(), SearchSnippet(page->Text, offset, query.size())});
        // Each page once: go on from the next page.
        from = page->Start + page->Text.size() + 1;
    }
    return hits;
}

AnsiString SearchSnippet(const AnsiString& Text, size_t Offset, size_t Length, size_t Before,
                         size_t After) {
    Offset = std::min(Offset, Text.size());
    Length = std::min(Length, Text.size() - Offset);
    size_t start = Offset > Before ? Offset - Before : 0;
    size_t end = std::min(Text.size(), Offset + Length + After);
    // Whole words: move the cuts to the next space inwards when one is near.
    if (start > 0) {
        const size_t space = Text.find(' ', start);
        if (space != AnsiString::npos && space < Offset) start = space + 1;
    }
    if (end < Text.size()) {
        const size_t space = Text.rfind(' ', end);
        if (space != AnsiString::npos && space > Offset + Length) end = space;
    }
    AnsiString snippet;
    if (start > 0) snippet += kEllipsis;
    snippet += Text.substr(start, end - start);
    if (end < Text.size()) snippet += kEllipsis;
    return snippet;
}
