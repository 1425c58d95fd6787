#include "BookArgs.h"
#include "common/Json.h"
#include "hypertext/PageText.h"
#include "platform/base/Cp1251.h"

#include <cstdlib>
#include <iostream>

// text BOOK.plb (--page N | --json): the text a reader sees on a page, as the
// search finds it (UTF-8, runs of white space as one space), or every page's
// and sub-page's text in book order as JSON. Exit status 0 when printed, 1
// when the book does not load or has no such page, 2 for a usage error.
int RunText(const TCommandArgs& Args) {
    const char* syntax = "plbtool text BOOK.plb (--page N | --json)";
    std::string book;
    bool json = false, pageGiven = false;
    long page = 0;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "--json") {
            json = true;
        } else if (Args[i] == "--page" && i + 1 < Args.size() && !pageGiven) {
            char* end = nullptr;
            page = std::strtol(Args[++i].c_str(), &end, 10);
            if (Args[i].empty() || *end) return Usage(syntax);
            pageGiven = true;
        } else if (book.empty() && !Args[i].empty() && Args[i][0] != '-') {
            book = Args[i];
        } else {
            return Usage(syntax);
        }
    }
    if (book.empty() || json == pageGiven) return Usage(syntax);

    TLoadedBook loaded;
    if (!LoadBook(book, loaded)) return Fail(loaded.Error);
    if (!json) {
        // The first item with the number, as the other page commands choose.
        for (const auto& item : loaded.Book->Items)
            if (item->Number == page) {
                std::cout << Cp1251ToUtf8(PageText(item->Lines.Text())) << '\n';
                return 0;
            }
        return Fail(book + ": no page " + std::to_string(page));
    }
    TJsonWriter j;
    j.BeginArray();
    for (const auto& item : loaded.Book->Items)
        j.BeginObject()
            .Key("number")
            .Int(item->Number)
            .Key("subPage")
            .Bool(item->SubPage != 0)
            .Key("title")
            .String(Cp1251ToUtf8(item->Title))
            .Key("text")
            .String(Cp1251ToUtf8(PageText(item->Lines.Text())))
            .EndObject();
    j.EndArray();
    std::cout << j.Text() << '\n';
    return 0;
}
