#include "platform/decoders/BmpDecoder.h"

#include "platform/decoders/DibDecoder.h"

namespace {

constexpr int64_t FileHeaderSize = 14;
const char* const Kind = "bitmap";

struct TBmpLayout {
    int64_t FileSize = 0;   // bfSize: the whole file as its header states it
    int64_t BitsOffset = 0; // bfOffBits: pixels from the start of the file
    int64_t BitsSize = 0;   // bytes of pixel data
};

TDibHeader ReadInfoHeader(TStream& Stream) {
    uint8_t sizeBytes[4];
    ReadPictureBytes(Stream, sizeBytes, 4, Kind);
    const uint32_t size = TByteView(sizeBytes, 4).U32(0);
    if (size < 12 || size > 124)
        InvalidGraphic("bitmap: unknown header size " + std::to_string(size));
    TBytes header(size);
    std::copy(sizeBytes, sizeBytes + 4, header.begin());
    ReadPictureBytes(Stream, header.data() + 4, size - 4, Kind);
    return ParseDibHeader(TByteView(header));
}

// Bytes of pixel data: the rows for uncompressed bitmaps, the stated size of
// compressed ones.
int64_t BitsSize(const TDibHeader& Header, const TBmpLayout& Layout) {
    if (!Header.IsRle()) return Header.BitsSize();
    if (Header.SizeImage > 0) return Header.SizeImage;
    if (Layout.FileSize > Layout.BitsOffset) return Layout.FileSize - Layout.BitsOffset;
    InvalidGraphic("bitmap: compressed bitmap without a data size");
}

} // namespace

QImage ReadBmp(TStream& Stream, int* BitCount) {
    const int64_t start = Stream.Position();
    uint8_t fileHeader[FileHeaderSize];
    ReadPictureBytes(Stream, fileHeader, FileHeaderSize, Kind);
    const TByteView file(fileHeader, FileHeaderSize);
    if (file.U8(0) != 'B' || file.U8(1) != 'M') InvalidGraphic("bitmap: not a BMP file");
    TBmpLayout layout;
    layout.FileSize = file.U32(2);
    layout.BitsOffset = file.U32(10);

    TDibHeader header = ReadInfoHeader(Stream);
    ReadDibMasks(header, TByteView(ReadPictureBytes(Stream, header.MaskBytes(), Kind)));
    const auto palette =
        ReadDibPalette(header, TByteView(ReadPictureBytes(Stream, header.PaletteBytes(), Kind)));
    const int64_t headersEnd = Stream.Position() - start;
    // A zero offset (written by some tools) means the pixels follow at once.
    if (layout.BitsOffset == 0) layout.BitsOffset = headersEnd;
    if (layout.BitsOffset < headersEnd)
        InvalidGraphic("bitmap: pixel data offset lies inside the headers");
    if (layout.BitsOffset - headersEnd > BytesLeft(Stream))
        InvalidGraphic("bitmap: pixel data offset lies past the end of data");
    Stream.SetPosition(start + layout.BitsOffset);
    layout.BitsSize = BitsSize(header, layout);
    const TBytes bits = ReadPictureBytes(Stream, layout.BitsSize, Kind);
    QImage image = DecodeDibBits(header, palette, TByteView(bits));

    // The stated file size may add bytes after the pixels (a colour profile,
    // padding); skip them when they are there, never beyond the stream's end.
    const int64_t bitsEnd = layout.BitsOffset + layout.BitsSize;
    if (layout.FileSize > bitsEnd && layout.FileSize - bitsEnd <= BytesLeft(Stream))
        Stream.SetPosition(start + layout.FileSize);
    if (BitCount) *BitCount = header.BitCount;
    return image;
}
