#include "BookArgs.h"
#include "data/BookSource.h"

#include <iostream>

int RunPack(const TCommandArgs& Args) {
    // "--set KEY=VALUE" overrides a book setting of the manifest, so that one
    // source folder can be tried with other settings (a sub-page mode, say).
    TCommandArgs rest;
    std::vector<std::string> settings;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "--set" && i + 1 < Args.size())
            settings.push_back(Args[++i]);
        else
            rest.push_back(Args[i]);
    }
    std::string folder, output;
    if (!ParseInputOutput(rest, folder, output)) return 2;
    std::string error;
    if (!PackBook(folder, output, error, settings)) return Fail(error);
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
