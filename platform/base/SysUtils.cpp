#include "platform/base/SysUtils.h"

#include <cstdint>

int StrToInt(const AnsiString& Text) {
    size_t i = 0;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
    if (i == Text.size()) throw EConvertError("'" + Text + "' is not a valid integer value");
    int64_t value = 0;
    for (; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c < '0' || c > '9') throw EConvertError("'" + Text + "' is not a valid integer value");
        value = value * 10 + (c - '0');
        if (value > int64_t(INT32_MAX) + 1)
            throw EConvertError("'" + Text + "' is not a valid integer value");
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        throw EConvertError("'" + Text + "' is not a valid integer value");
    return static_cast<int>(value);
}
