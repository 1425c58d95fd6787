#include "BookArgs.h"
#include "common/Json.h"
#include "data/BookSearch.h"
#include "hypertext/PageText.h"
#include "platform/base/Cp1251.h"

#include <iostream>

// search BOOK.plb TEXT [--json]: the pages whose text holds TEXT. Exit
// status 0 when some page holds it, 1 when none does (or the book does not
// load), 2 for a usage error.
int RunSearch(const TCommandArgs& Args) {
    std::string book, text;
    bool json = false, haveText = false;
    for (const std::string& arg : Args) {
        if (arg == "--json")
            json = true;
        else if (book.empty())
            book = arg;
        else if (!haveText) {
            text = arg;
            haveText = true;
        } else
            return Usage("unexpected argument \"" + arg + "\"");
    }
    if (book.empty() || !haveText) return Usage("expected BOOK.plb TEXT");
    bool exact = true;
    const AnsiString query = Utf8ToCp1251(text, &exact);
    if (!exact) return Usage("the text has characters outside code page 1251");

    TLoadedBook loaded;
    if (!LoadBook(book, loaded)) return Fail(loaded.Error);
    const TBookSearch search(*loaded.Book, PageText);
    const std::vector<TSearchHit> hits = search.Find(query);

    if (json) {
        TJsonWriter j;
        j.BeginObject().Key("query").String(text).Key("hits").BeginArray();
        for (const TSearchHit& hit : hits)
            j.BeginObject()
                .Key("number")
                .Int(hit.Item->Number)
                .Key("subPage")
                .Bool(hit.Item->SubPage != 0)
                .Key("shortTitle")
                .String(Cp1251ToUtf8(hit.Item->ShortTitle))
                .Key("title")
                .String(Cp1251ToUtf8(hit.Item->Title))
                .Key("offset")
                .UInt(hit.Offset)
                .Key("snippet")
                .String(Cp1251ToUtf8(hit.Snippet))
                .EndObject();
        j.EndArray().EndObject();
        std::cout << j.Text() << '\n';
    } else {
        for (const TSearchHit& hit : hits)
            std::cout << hit.Item->Number << '\t' << Cp1251ToUtf8(hit.Item->ShortTitle) << '\t'
                      << Cp1251ToUtf8(hit.Snippet) << '\n';
    }
    return hits.empty() ? 1 : 0;
}
