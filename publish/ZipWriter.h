#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Writes a zip archive entry by entry, each stored as is or deflated. Names
// are relative paths with '/' separators (UTF-8, flagged as such when they are
// not plain ASCII); entries keep the order they were added in, so a reader that
// looks at the first bytes (an EPUB's "mimetype") finds what it expects. No
// zip64: an archive or entry past 4 GiB, or more than 65535 entries, is
// refused with an error rather than written wrongly.
class TZipWriter {
public:
    enum class TMethod { Stored, Deflated };

    TZipWriter() = default;
    ~TZipWriter();
    TZipWriter(const TZipWriter&) = delete;
    TZipWriter& operator=(const TZipWriter&) = delete;

    // Creates (or truncates) FileName; false with Error() set on failure.
    bool Open(const std::string& FileName);
    // The modification time recorded for the entries added from now on.
    void SetTime(std::time_t Time) { FDosTime = DosTime(Time); }
    // Adds one entry. A deflated entry that would not get smaller is stored.
    bool Add(const std::string& Name, std::string_view Data, TMethod Method = TMethod::Deflated);
    // Writes the central directory and closes the file; false on any error
    // here or earlier (a failed archive is removed).
    bool Close();
    const std::string& Error() const { return FError; }

    // Whether Name is a relative path that stays inside the archive: not
    // empty, no '\', no leading '/', no empty, "." or ".." component.
    static bool IsSafeName(const std::string& Name);

private:
    struct TEntry {
        std::string Name;
        uint16_t Method = 0;
        uint32_t Crc = 0;
        uint32_t CompressedSize = 0;
        uint32_t Size = 0;
        uint32_t Offset = 0;
    };

    static uint32_t DosTime(std::time_t Time);
    bool Fail(const std::string& Message);
    bool WriteBytes(const void* Data, size_t Size);
    bool WriteLocalHeader(const TEntry& Entry);
    bool WriteCentralHeader(const TEntry& Entry);

    std::FILE* FFile = nullptr;
    std::string FFileName;
    std::string FError;
    std::vector<TEntry> FEntries;
    uint64_t FOffset = 0;
    uint32_t FDosTime = DosTime(0);
};
