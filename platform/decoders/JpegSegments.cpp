#include "platform/decoders/JpegSegments.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const Kind = "JPEG";

// The stream's bytes, fetched in blocks as the scan needs them.
class TJpegScanner {
public:
    explicit TJpegScanner(TStream& Stream) : FStream(Stream) {}

    TBytes Run() {
        if (Byte(0) != 0xFF || Byte(1) != 0xD8) InvalidGraphic("JPEG: not a JPEG file");
        size_t pos = 2;
        for (;;) {
            pos = NextMarker(pos);
            const uint8_t marker = Byte(pos + 1);
            pos += 2;
            if (marker == 0xD9) break; // end of image
            if (Standalone(marker)) continue;
            const size_t length = size_t(Byte(pos)) << 8 | Byte(pos + 1);
            if (length < 2) InvalidGraphic("JPEG: bad segment length");
            pos += length;
            if (marker == 0xDA) pos = SkipEntropyData(pos);
        }
        FBytes.resize(pos);
        return std::move(FBytes);
    }

private:
    static bool Standalone(uint8_t Marker) {
        return Marker == 0x01 || Marker == 0xD8 || (Marker >= 0xD0 && Marker <= 0xD7);
    }

    // The byte at Pos, reading more of the stream when needed.
    uint8_t Byte(size_t Pos) {
        while (Pos >= FBytes.size())
            Fetch();
        return FBytes[Pos];
    }

    void Fetch() {
        const int64_t chunk = std::min<int64_t>(64 * 1024, BytesLeft(FStream));
        if (chunk <= 0) InvalidGraphic("JPEG: data ends before the end-of-image marker");
        const size_t old = FBytes.size();
        FBytes.resize(old + chunk);
        ReadPictureBytes(FStream, FBytes.data() + old, chunk, Kind);
    }

    // Position of the next marker's 0xFF, skipping fill bytes (and, as
    // decoders do, stray bytes before it).
    size_t NextMarker(size_t Pos) {
        while (Byte(Pos) != 0xFF)
            ++Pos;
        while (Byte(Pos + 1) == 0xFF)
            ++Pos;
        return Pos;
    }

    // Skips entropy-coded data, where 0xFF is followed by a stuffed zero or a
    // restart marker; returns the position of the marker that ends it.
    size_t SkipEntropyData(size_t Pos) {
        for (;;) {
            Byte(Pos); // fetched
            const auto* ff = static_cast<const uint8_t*>(
                std::memchr(FBytes.data() + Pos, 0xFF, FBytes.size() - Pos));
            if (!ff) {
                Pos = FBytes.size();
                continue;
            }
            Pos = static_cast<size_t>(ff - FBytes.data());
            const uint8_t next = Byte(Pos + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
                ++Pos;
                continue;
            }
            return Pos;
        }
    }

    TStream& FStream;
    TBytes FBytes;
};

} // namespace

TBytes ReadJpegBytes(TStream& Stream) {
    const int64_t start = Stream.Position();
    TJpegScanner scanner(Stream);
    TBytes bytes = scanner.Run();
    Stream.SetPosition(start + static_cast<int64_t>(bytes.size()));
    return bytes;
}
