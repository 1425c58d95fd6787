#include "BookArgs.h"

bool LoadBook(const std::string& FileName, TLoadedBook& Loaded) {
    Loaded.Book = std::make_unique<TPLBData>(&Loaded.Progress.Record);
    if (Loaded.Book->LoadFromFile(FileName, &Loaded.Pictures)) return true;
    Loaded.Error = FileName + ": " + Loaded.Book->LoadError();
    return false;
}

bool ParseInputOutput(const TCommandArgs& Args, std::string& Input, std::string& Output) {
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "-o" && i + 1 < Args.size()) {
            Output = Args[++i];
        } else if (Input.empty() && !Args[i].empty() && Args[i][0] != '-') {
            Input = Args[i];
        } else {
            Usage("unexpected argument \"" + Args[i] + "\"");
            return false;
        }
    }
    if (Input.empty() || Output.empty()) {
        Usage("expected INPUT -o OUTPUT");
        return false;
    }
    return true;
}
