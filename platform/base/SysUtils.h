#pragma once

#include "platform/base/Types.h"

#include <stdexcept>

// Raised when a text cannot be converted to a number.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decimal text (optional sign) to a 32-bit integer; raises EConvertError when
// the text is not a number or does not fit.
int StrToInt(const AnsiString& Text);
