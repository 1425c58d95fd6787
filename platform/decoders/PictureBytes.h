#pragma once

#include "platform/base/Streams.h"
#include "platform/decoders/InvalidGraphic.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Shared by the picture decoders: size limits, exact reads from a stream and
// bounds-checked little-endian access to the bytes read.

using TBytes = std::vector<uint8_t>;

// The largest picture any decoder accepts: 32 Mpixels (128 MiB at four bytes
// a pixel) and 32768 pixels on a side. Headers claiming more are rejected
// before anything is allocated.
constexpr int64_t MaxPictureSide = 32768;
constexpr int64_t MaxPicturePixels = int64_t(1) << 25;

// Raises EInvalidGraphic unless 0 < Width, Height within the limits above.
void CheckPictureSize(int64_t Width, int64_t Height, const char* Kind);

// Bytes between the stream's position and its end.
int64_t BytesLeft(TStream& Stream);

// Reads exactly Count bytes from the stream's position. The stream's size is
// checked first, so a lying length raises EInvalidGraphic without allocating.
TBytes ReadPictureBytes(TStream& Stream, int64_t Count, const char* Kind);
void ReadPictureBytes(TStream& Stream, void* Buffer, int64_t Count, const char* Kind);

// Little-endian reads from a block of bytes; reading outside it raises
// EInvalidGraphic.
class TByteView {
public:
    TByteView() = default;
    TByteView(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
    explicit TByteView(const TBytes& Bytes) : FData(Bytes.data()), FSize(Bytes.size()) {}

    const uint8_t* Data() const { return FData; }
    size_t Size() const { return FSize; }
    bool Has(size_t Offset, size_t Count) const {
        return Offset <= FSize && Count <= FSize - Offset;
    }
    // The Count bytes at Offset as a view of their own.
    TByteView Sub(size_t Offset, size_t Count) const;

    uint8_t U8(size_t Offset) const;
    uint16_t U16(size_t Offset) const;
    uint32_t U32(size_t Offset) const;
    int32_t I32(size_t Offset) const { return static_cast<int32_t>(U32(Offset)); }

private:
    void Need(size_t Offset, size_t Count) const;

    const uint8_t* FData = nullptr;
    size_t FSize = 0;
};
