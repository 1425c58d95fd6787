#pragma once

#include <stdexcept>
#include <string>

// Raised when bytes are not a valid picture of the expected kind.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises EInvalidGraphic with Message.
[[noreturn]] void InvalidGraphic(const std::string& Message);
