#pragma once

#include "Commands.h"
#include "data/Data.h"

#include <memory>
#include <string>

// A book loaded as the viewer loads it, with headless progress controls.
struct TLoadedBook {
    THeadlessProgress Progress;
    std::unique_ptr<TPLBData> Book;
    TPLBHTP Pictures;
    std::string Error;
};

// Loads FileName (native path); false with Error set when it does not load.
bool LoadBook(const std::string& FileName, TLoadedBook& Loaded);

// Parses "INPUT -o OUTPUT"; false after reporting a usage error.
bool ParseInputOutput(const TCommandArgs& Args, std::string& Input, std::string& Output);
