#include "BookArgs.h"
#include "data/BookSource.h"

#include <iostream>

int RunPack(const TCommandArgs& Args) {
    std::string folder, output;
    if (!ParseInputOutput(Args, folder, output)) return 2;
    std::string error;
    if (!PackBook(folder, output, error)) return Fail(error);
    return 0;
}

int RunUnpack(const TCommandArgs& Args) {
    std::string input, folder;
    if (!ParseInputOutput(Args, input, folder)) return 2;
    TLoadedBook loaded;
    if (!LoadBook(input, loaded)) return Fail(loaded.Error);
    std::string error;
    if (!WriteBookSource(*loaded.Book, &loaded.Pictures, folder, error)) return Fail(error);
    return 0;
}
