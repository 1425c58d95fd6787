#pragma once

#include <optional>
#include <string>
#include <vector>

// The viewer's command-line options. They may stand anywhere among the
// arguments and are taken out before the first argument left is read as the
// page number; "--" ends the options. Other arguments, the toolkit's own
// options among them, are left in place.
struct TProgramOptions {
    bool Help = false;    // --help, -h
    bool Version = false; // --version
    // --book FILE or --book=FILE: the textbook to open instead of the one the
    // settings file names, as given. "--book" with nothing after it names
    // none: a desktop launcher started without a file leaves just that.
    std::optional<std::string> Book;
    // The arguments that are not options, in order.
    std::vector<std::string> Arguments;
};

// Parses Arguments, the program's name not included.
TProgramOptions ParseProgramOptions(const std::vector<std::string>& Arguments);

// The text of --help and of --version, each ending in a line break.
std::string ProgramHelpText();
std::string ProgramVersionText();

// Handles the options that end the program before any window exists: prints
// the help or the version to stdout. Returns the exit status (0), or nothing
// when the viewer is to run.
std::optional<int> RunInfoOptions(int argc, const char* const* argv);
