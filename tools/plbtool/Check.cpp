#include "BookArgs.h"
#include "data/BookCheck.h"

#include <iostream>

int RunCheck(const TCommandArgs& Args) {
    if (Args.size() != 1) return Usage("plbtool check BOOK.plb");
    TLoadedBook loaded;
    if (!LoadBook(Args[0], loaded)) return Fail(loaded.Error);
    const auto problems = CheckTextbook(*loaded.Book, loaded.Pictures);
    for (const auto& problem : problems)
        std::cout << problem << "\n";
    std::cout << problems.size() << " problem(s) in " << loaded.Book->Items.size() << " item(s)\n";
    return 0;
}
