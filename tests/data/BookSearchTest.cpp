// Finding text in a book: folding, one hit per page in book order, matches
// that never run across pages, and snippets.
#include "data/BookSearch.h"
#include "platform/base/Cp1251.h"

#include <gtest/gtest.h>

namespace {

AnsiString A(const std::string& Utf8) {
    return Utf8ToCp1251(Utf8);
}

void AddPage(TPLBData& Book, int32_t Number, const std::string& Utf8Text, int32_t SubPage = 0) {
    auto item = std::make_unique<TPLBDataItem>();
    item->Number = Number;
    item->SubPage = SubPage;
    item->Lines.Add(A(Utf8Text));
    Book.Items.push_back(std::move(item));
}

// The pages' lines stand for their text here (the page compiler is bound in
// the programs).
AnsiString Identity(const AnsiString& Markup) {
    AnsiString text = Markup;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::vector<int32_t> Numbers(const std::vector<TSearchHit>& Hits) {
    std::vector<int32_t> numbers;
    for (const TSearchHit& hit : Hits)
        numbers.push_back(hit.Item->Number);
    return numbers;
}

} // namespace

TEST(BookSearch, FoldsCaseAndYoAndFindsEachPageOnceInBookOrder) {
    TPLBData book(nullptr);
    AddPage(book, 5, "Ёлка и ЕЛКА, ёлка");
    AddPage(book, 3, "Про линзы и Линзу");
    AddPage(book, 9, "Нет ничего");
    AddPage(book, 100, "ЛИНЗА во всплывающем окне", 1);
    const TBookSearch search(book, Identity);
    EXPECT_EQ(Numbers(search.Find(A("елка"))), (std::vector<int32_t>{5}));
    EXPECT_EQ(Numbers(search.Find(A("ЁЛКА"))), (std::vector<int32_t>{5}));
    EXPECT_EQ(Numbers(search.Find(A("линз"))), (std::vector<int32_t>{3, 100}));
    const std::vector<TSearchHit> hits = search.Find(A("Линзу"));
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].Offset, A("Про линзы и ").size());
    EXPECT_EQ(hits[0].Length, 5u);
    EXPECT_TRUE(search.Find(A("")).empty());
    EXPECT_TRUE(search.Find(A("   ")).empty());
    EXPECT_TRUE(search.Find(A("кот")).empty());
    // Latin letters fold too; white space in the query is collapsed.
    TPLBData latin(nullptr);
    AddPage(latin, 1, "The Quick brown fox");
    const TBookSearch other(latin, Identity);
    EXPECT_EQ(Numbers(other.Find(A("  quick\t BROWN "))), (std::vector<int32_t>{1}));
}

TEST(BookSearch, MatchesNeverRunFromOnePageIntoTheNext) {
    TPLBData book(nullptr);
    AddPage(book, 1, "конец стра");
    AddPage(book, 2, "ницы начало");
    AddPage(book, 3, "");
    AddPage(book, 4, std::string("a\0b", 3));
    const TBookSearch search(book, Identity);
    EXPECT_TRUE(search.Find(A("страницы")).empty());
    EXPECT_TRUE(search.Find(A("странице")).empty());
    EXPECT_EQ(Numbers(search.Find(A("ницы"))), (std::vector<int32_t>{2}));
    // A zero byte in a page's text is a space, never an end.
    EXPECT_EQ(Numbers(search.Find(A("a b"))), (std::vector<int32_t>{4}));
    EXPECT_EQ(search.PageCount(), 4u);
}

TEST(BookSearch, SnippetsCutAtSpacesAndMarkWhatIsLeftOut) {
    const AnsiString text = A("один два три четыре пять шесть семь восемь девять десять");
    const size_t at = text.find(A("пять"));
    const AnsiString snippet = SearchSnippet(text, at, 4, 12, 12);
    EXPECT_EQ(Cp1251ToUtf8(snippet), "…три четыре пять шесть семь…");
    EXPECT_EQ(Cp1251ToUtf8(SearchSnippet(text, 0, 4, 12, 200)), Cp1251ToUtf8(text));
    EXPECT_EQ(Cp1251ToUtf8(SearchSnippet(A("короткий"), 0, 8)), "короткий");
    // Offsets past the end stay inside the text.
    EXPECT_EQ(SearchSnippet(A("abc"), 10, 5), "abc");
    EXPECT_EQ(SearchSnippet(A(""), 0, 0), "");
}
