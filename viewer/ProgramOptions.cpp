#include "viewer/ProgramOptions.h"

#include <cstdio>
#include <string_view>

#ifndef PLB_VERSION
#define PLB_VERSION "unknown"
#endif

namespace {

constexpr std::string_view kBookOption = "--book";

// The last --book wins; an empty name names no book.
void SetBook(TProgramOptions& Options, const std::string& Name) {
    if (Name.empty())
        Options.Book.reset();
    else
        Options.Book = Name;
}

} // namespace

TProgramOptions ParseProgramOptions(const std::vector<std::string>& Arguments) {
    TProgramOptions options;
    bool optionsEnded = false;
    for (size_t i = 0; i < Arguments.size(); ++i) {
        const std::string& argument = Arguments[i];
        if (optionsEnded) {
            options.Arguments.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options.Help = true;
        } else if (argument == "--version") {
            options.Version = true;
        } else if (argument == kBookOption) {
            if (i + 1 < Arguments.size()) SetBook(options, Arguments[++i]);
        } else if (argument.starts_with(std::string(kBookOption) + "=")) {
            SetBook(options, argument.substr(kBookOption.size() + 1));
        } else {
            options.Arguments.push_back(argument);
        }
    }
    return options;
}

std::string ProgramHelpText() {
    return "Usage: plbviewer [--book FILE.plb] [PAGE]\n"
           "Shows an electronic textbook.\n"
           "\n"
           "  PAGE             the number of the page to open first\n"
           "  --book FILE.plb  open this textbook instead of the one named by the\n"
           "                   settings file beside the program\n"
           "  -h, --help       print this help and exit\n"
           "  --version        print the version and exit\n";
}

std::string ProgramVersionText() {
    return std::string("plbviewer ") + PLB_VERSION + "\n";
}

std::optional<int> RunInfoOptions(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    const TProgramOptions options = ParseProgramOptions(arguments);
    if (options.Help) {
        std::fputs(ProgramHelpText().c_str(), stdout);
        return 0;
    }
    if (options.Version) {
        std::fputs(ProgramVersionText().c_str(), stdout);
        return 0;
    }
    return std::nullopt;
}
