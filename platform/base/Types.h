#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Byte string in Windows code page 1251: the text type of textbooks and markup.
using AnsiString = std::string;

// Root of the objects that raise events; an event hands its sender along.
class TObject {
public:
    virtual ~TObject() = default;
};

// A bound event: a single subscriber, called with the object that raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Colour number: red in the low byte; 0x80000000 + n is system colour n.
using TColor = int32_t;
