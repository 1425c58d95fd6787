#pragma once

#include "hypertext/MarkupKeywords.h"

#include <cstdint>
#include <vector>

namespace markup {

// One compiled record, decoded.
struct TRecord {
    uint8_t Tag = 0;            // rtText, rtSet, rtReset, rtNumber or rtPercentage
    int Keyword = -1;           // the tag's keyword (none for text)
    int ValueKeyword = -1;      // for <X=word> records of keyword-valued tags
    const char* Text = nullptr; // characters of a text run or a text value
    int Length = 0;
    int32_t Number = 0;
    size_t Position = 0; // where the record starts
    size_t End = 0;      // where the next record starts
};

// Decodes the record at Position; false at the end or for a damaged record.
bool ReadRecord(const std::vector<uint8_t>& Records, size_t Position, TRecord& Record);

} // namespace markup
