#pragma once

#include <optional>
#include <string>

// The program's command line, its options taken out (ProgramOptions.h).

// The first argument that is not an option (UTF-8), "" without one.
std::string FirstArgument();
// Stands in for the arguments the program was started with (tests); none
// restores them.
void SetFirstArgument(std::optional<std::string> Argument);

// The textbook named with --book as an absolute path in the system's file
// name encoding (a relative name is taken from the folder the program was
// started in), "" without one. The first call fixes the answer, so it must
// come before the start-up changes the current folder.
std::string BookArgument();
// Stands in for the --book option (tests); none restores the command line's.
void SetBookArgument(std::optional<std::string> FileName);
