#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An entry of a zip archive as the tests read it back.
struct TZipEntry {
    std::string Name;
    uint16_t Flags = 0;
    uint16_t Method = 0;
    uint32_t DosTime = 0;
    uint32_t Offset = 0; // of its local header
    std::string Data;    // inflated when deflated
};

// Reads Archive through its central directory, checking each entry against
// its local header, its CRC and sizes; the first problem goes to Error.
bool ReadZip(const std::string& Archive, std::vector<TZipEntry>& Entries, std::string& Error);
