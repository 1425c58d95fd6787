#include "ZipReading.h"

#include <zlib.h>

namespace {

uint32_t U16(const std::string& B, size_t At) {
    return static_cast<uint8_t>(B[At]) | static_cast<uint32_t>(static_cast<uint8_t>(B[At + 1]))
                                             << 8;
}
uint32_t U32(const std::string& B, size_t At) {
    return U16(B, At) | U16(B, At + 2) << 16;
}

bool Inflate(const std::string& In, size_t Size, std::string& Out) {
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK) return false;
    Out.assign(Size, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(In.data()));
    s.avail_in = static_cast<uInt>(In.size());
    s.next_out = reinterpret_cast<Bytef*>(Out.data());
    s.avail_out = static_cast<uInt>(Out.size());
    const int status = inflate(&s, Z_FINISH);
    const bool whole = status == Z_STREAM_END && s.total_out == Size && s.avail_in == 0;
    inflateEnd(&s);
    return whole;
}

} // namespace

bool ReadZip(const std::string& B, std::vector<TZipEntry>& Entries, std::string& Error) {
    const auto fail = [&](const std::string& Message) {
        Error = Message;
        return false;
    };
    if (B.size() < 22) return fail("too short");
    const size_t end = B.size() - 22; // no archive comment is written
    if (U32(B, end) != 0x06054b50) return fail("no end record at the end");
    const uint32_t count = U16(B, end + 10), size = U32(B, end + 12), start = U32(B, end + 16);
    if (U16(B, end + 8) != count || start + size != end) return fail("end record mismatch");
    size_t at = start;
    for (uint32_t i = 0; i < count; ++i) {
        if (at + 46 > end || U32(B, at) != 0x02014b50) return fail("bad central header");
        TZipEntry e;
        e.Flags = static_cast<uint16_t>(U16(B, at + 8));
        e.Method = static_cast<uint16_t>(U16(B, at + 10));
        e.DosTime = U32(B, at + 12);
        const uint32_t crc = U32(B, at + 16), packed = U32(B, at + 20), unpacked = U32(B, at + 24);
        const uint32_t nameLength = U16(B, at + 28), extra = U16(B, at + 30),
                       comment = U16(B, at + 32);
        e.Offset = U32(B, at + 42);
        e.Name = B.substr(at + 46, nameLength);
        at += 46 + nameLength + extra + comment;

        const size_t local = e.Offset;
        if (local + 30 > start || U32(B, local) != 0x04034b50) return fail(e.Name + ": no local");
        if (U16(B, local + 6) != e.Flags || U16(B, local + 8) != e.Method ||
            U32(B, local + 10) != e.DosTime || U32(B, local + 14) != crc ||
            U32(B, local + 18) != packed || U32(B, local + 22) != unpacked ||
            B.compare(local + 30, nameLength, e.Name) != 0)
            return fail(e.Name + ": local header differs from the central one");
        const size_t data = local + 30 + nameLength + U16(B, local + 28);
        if (data + packed > start) return fail(e.Name + ": data past the directory");
        const std::string body = B.substr(data, packed);
        if (e.Method == 0) {
            if (packed != unpacked) return fail(e.Name + ": stored sizes differ");
            e.Data = body;
        } else if (e.Method != Z_DEFLATED || !Inflate(body, unpacked, e.Data)) {
            return fail(e.Name + ": does not inflate");
        }
        const uLong actual = crc32(0, reinterpret_cast<const Bytef*>(e.Data.data()),
                                   static_cast<uInt>(e.Data.size()));
        if (actual != crc) return fail(e.Name + ": CRC mismatch");
        Entries.push_back(std::move(e));
    }
    return at == end || fail("central directory size mismatch");
}
