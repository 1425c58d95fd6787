#pragma once

#include <optional>
#include <string>

// The program's first command-line argument (UTF-8), "" without one.
std::string FirstArgument();
// Stands in for the arguments the program was started with (tests); none
// restores them.
void SetFirstArgument(std::optional<std::string> Argument);
