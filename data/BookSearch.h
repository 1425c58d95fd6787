#pragma once

#include "data/Textbook.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// A page found by a search: the item, where the match starts in its text and
// a snippet of the text around it.
struct TSearchHit {
    const TPLBDataItem* Item = nullptr;
    size_t Offset = 0;
    size_t Length = 0;
    AnsiString Snippet;
};

// Finds text in a book's pages (sub-pages included, in book order). Each
// page's text is taken once, through PageText (markup in, plain text out,
// bound by the caller to the page compiler), and kept folded: letter case is
// ignored in code page 1251 and Ё matches Е. A query matches where its
// folded text, with white space collapsed, occurs in a page's; each page is
// found once, at its first match.
class TBookSearch {
public:
    using TPageText = std::function<AnsiString(const AnsiString& Markup)>;
    TBookSearch(const TPLBData& Book, const TPageText& PageText);

    std::vector<TSearchHit> Find(const AnsiString& Query) const;
    // The page's plain text, as searched (not folded).
    const AnsiString& Text(size_t Page) const { return FPages[Page].Text; }
    size_t PageCount() const { return FPages.size(); }

    // Lower case, with Ё as Е.
    static AnsiString Fold(const AnsiString& Text);
    // Fold with white space collapsed into single spaces and trimmed.
    static AnsiString FoldQuery(const AnsiString& Query);

private:
    struct TPage {
        const TPLBDataItem* Item;
        AnsiString Text;
        size_t Start; // of its folded text in FFolded
    };
    std::vector<TPage> FPages;
    // Every page's folded text, each followed by a zero byte, so that no
    // match runs from one page into the next.
    std::string FFolded;
};

// Text around Offset .. Offset + Length of Text: up to Before characters
// before and After after, cut at spaces, with "…" where text was left out.
AnsiString SearchSnippet(const AnsiString& Text, size_t Offset, size_t Length, size_t Before = 40,
                         size_t After = 60);
