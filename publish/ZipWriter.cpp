#include "publish/ZipWriter.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint16_t kUtf8NamesFlag = 1 << 11;
constexpr uint16_t kMadeByUnix = 3 << 8 | 20; // zip 2.0 on Unix
constexpr uint64_t kMaxOffset = 0xFFFFFFFFull;
constexpr size_t kMaxEntries = 0xFFFF;

// Little-endian fields of a header, appended in order.
class THeader {
public:
    THeader& U16(uint32_t Value) {
        FBytes.push_back(static_cast<char>(Value & 0xFF));
        FBytes.push_back(static_cast<char>(Value >> 8 & 0xFF));
        return *this;
    }
    THeader& U32(uint32_t Value) { return U16(Value & 0xFFFF).U16(Value >> 16); }
    THeader& Bytes(std::string_view Text) {
        FBytes += Text;
        return *this;
    }
    const std::string& Text() const { return FBytes; }

private:
    std::string FBytes;
};

bool IsAscii(const std::string& Text) {
    return std::all_of(Text.begin(), Text.end(),
                       [](char C) { return static_cast<unsigned char>(C) < 0x80; });
}

uint16_t Flags(const std::string& Name) {
    return IsAscii(Name) ? 0 : kUtf8NamesFlag;
}

uint16_t VersionNeeded(uint16_t Method) {
    return Method == Z_DEFLATED ? 20 : 10;
}

// Raw deflate of Data (no zlib header, as zip wants it); false when zlib fails.
bool Deflate(std::string_view Data, std::string& Out) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return false;
    Out.resize(deflateBound(&stream, static_cast<uLong>(Data.size())));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Data.data()));
    stream.avail_in = static_cast<uInt>(Data.size());
    stream.next_out = reinterpret_cast<Bytef*>(Out.data());
    stream.avail_out = static_cast<uInt>(Out.size());
    const int status = deflate(&stream, Z_FINISH);
    Out.resize(stream.total_out);
    deflateEnd(&stream);
    return status == Z_STREAM_END;
}

} // namespace

TZipWriter::~TZipWriter() {
    if (FFile) {
        std::fclose(FFile);
        std::remove(FFileName.c_str());
    }
}

uint32_t TZipWriter::DosTime(std::time_t Time) {
    std::tm t{};
    gmtime_r(&Time, &t);
    // DOS dates run from 1980 to 2107.
    if (t.tm_year < 80) return (1 << 5 | 1) << 16; // 1980-01-01 00:00
    if (t.tm_year > 207) t.tm_year = 207;
    const uint32_t date =
        static_cast<uint32_t>((t.tm_year - 80) << 9 | (t.tm_mon + 1) << 5 | t.tm_mday);
    const uint32_t time = static_cast<uint32_t>(t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec / 2);
    return date << 16 | time;
}

bool TZipWriter::IsSafeName(const std::string& Name) {
    if (Name.empty() || Name.front() == '/' || Name.find('\\') != std::string::npos ||
        Name.find('\0') != std::string::npos)
        return false;
    size_t start = 0;
    while (start <= Name.size()) {
        size_t end = Name.find('/', start);
        if (end == std::string::npos) end = Name.size();
        const std::string_view part(Name.data() + start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

bool TZipWriter::Fail(const std::string& Message) {
    if (FError.empty()) FError = Message;
    return false;
}

bool TZipWriter::Open(const std::string& FileName) {
    if (FFile) return Fail("the archive is already open");
    FFileName = FileName;
    FFile = std::fopen(FileName.c_str(), "wb");
    if (!FFile) return Fail("cannot create " + FileName);
    return true;
}

bool TZipWriter::WriteBytes(const void* Data, size_t Size) {
    if (FOffset + Size > kMaxOffset) return Fail("the archive would pass 4 GiB");
    if (Size && std::fwrite(Data, 1, Size, FFile) != Size) return Fail("cannot write " + FFileName);
    FOffset += Size;
    return true;
}

bool TZipWriter::WriteLocalHeader(const TEntry& Entry) {
    THeader h;
    h.U32(kLocalSignature).U16(VersionNeeded(Entry.Method)).U16(Flags(Entry.Name));
    h.U16(Entry.Method).U32(FDosTime).U32(Entry.Crc).U32(Entry.CompressedSize).U32(Entry.Size);
    h.U16(static_cast<uint32_t>(Entry.Name.size())).U16(0).Bytes(Entry.Name);
    return WriteBytes(h.Text().data(), h.Text().size());
}

bool TZipWriter::WriteCentralHeader(const TEntry& Entry) {
    THeader h;
    h.U32(kCentralSignature).U16(kMadeByUnix).U16(VersionNeeded(Entry.Method));
    h.U16(Flags(Entry.Name)).U16(Entry.Method).U32(FDosTime).U32(Entry.Crc);
    h.U32(Entry.CompressedSize).U32(Entry.Size).U16(static_cast<uint32_t>(Entry.Name.size()));
    // No extra field or comment, disk 0, no internal attributes; Unix mode
    // rw-r--r-- of a regular file in the high half of the external ones.
    h.U16(0).U16(0).U16(0).U16(0).U32(0100644u << 16).U32(Entry.Offset).Bytes(Entry.Name);
    return WriteBytes(h.Text().data(), h.Text().size());
}

bool TZipWriter::Add(const std::string& Name, std::string_view Data, TMethod Method) {
    if (!FFile) return Fail("the archive is not open");
    if (!FError.empty()) return false;
    if (!IsSafeName(Name)) return Fail("unsafe entry name \"" + Name + "\"");
    if (Name.size() > 0xFFFF) return Fail("entry name too long");
    if (FEntries.size() >= kMaxEntries) return Fail("more than 65535 entries");
    if (Data.size() > kMaxOffset) return Fail(Name + ": entry larger than 4 GiB");
    for (const TEntry& e : FEntries)
        if (e.Name == Name) return Fail("duplicate entry \"" + Name + "\"");

    TEntry entry;
    entry.Name = Name;
    entry.Size = static_cast<uint32_t>(Data.size());
    entry.Crc = static_cast<uint32_t>(
        crc32_z(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(Data.data()), Data.size()));
    entry.Offset = static_cast<uint32_t>(FOffset);
    std::string deflated;
    std::string_view body = Data;
    if (Method == TMethod::Deflated) {
        if (!Deflate(Data, deflated)) return Fail(Name + ": compression failed");
        if (deflated.size() < Data.size()) {
            entry.Method = Z_DEFLATED;
            body = deflated;
        }
    }
    entry.CompressedSize = static_cast<uint32_t>(body.size());
    if (!WriteLocalHeader(entry) || !WriteBytes(body.data(), body.size())) return false;
    FEntries.push_back(std::move(entry));
    return true;
}

bool TZipWriter::Close() {
    if (!FFile) return Fail("the archive is not open");
    bool ok = FError.empty();
    const uint64_t directoryStart = FOffset;
    for (const TEntry& e : FEntries)
        ok = ok && WriteCentralHeader(e);
    if (ok) {
        THeader end;
        const auto count = static_cast<uint32_t>(FEntries.size());
        end.U32(kEndSignature).U16(0).U16(0).U16(count).U16(count);
        end.U32(static_cast<uint32_t>(FOffset - directoryStart));
        end.U32(static_cast<uint32_t>(directoryStart)).U16(0);
        ok = WriteBytes(end.Text().data(), end.Text().size());
    }
    if (std::fclose(FFile) != 0) ok = Fail("cannot write " + FFileName);
    FFile = nullptr;
    if (!ok) std::remove(FFileName.c_str());
    return ok;
}
