#pragma once

#include "hypertext/HyperDocument.h"

#include <cstdint>
#include <memory>
#include <vector>

class THyperMacros;

// What the interpreter needs of the control it builds a page for.
class TInterpreterHost {
public:
    virtual ~TInterpreterHost() = default;
    virtual THyperStyle& DefaultStyle() = 0;
    // The style a <STYLEn> block edits (reset from numbered style n before each run).
    virtual THyperStyle& WorkingStyle(int Index) = 0;
    virtual const THyperIndex& IndexStyle() = 0;
    virtual int TabSize() = 0;
    virtual int RealWidth() = 0;
    virtual int RealHeight() = 0;
    virtual int TextWidth(const TFont& Font, const AnsiString& Text) = 0;
    virtual void AddHyperLink(int Id, const AnsiString& Hint) = 0;
    virtual void DoMacros(bool Enter, int& Counter, THyperMacros* Macros) = 0;
};

// Walks compiled markup records and builds the page's document: words with
// their styles and attributes, side boxes and macro objects.
std::unique_ptr<THyperString> InterpretMarkup(const std::vector<uint8_t>& Records,
                                              TInterpreterHost& Host);
