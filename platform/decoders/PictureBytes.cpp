#include "platform/decoders/PictureBytes.h"

void InvalidGraphic(const std::string& Message) {
    throw EInvalidGraphic(Message);
}

void CheckPictureSize(int64_t Width, int64_t Height, const char* Kind) {
    if (Width <= 0 || Height <= 0)
        InvalidGraphic(std::string(Kind) + ": empty picture (" + std::to_string(Width) + " x " +
                       std::to_string(Height) + ")");
    if (Width > MaxPictureSide || Height > MaxPictureSide || Width * Height > MaxPicturePixels)
        InvalidGraphic(std::string(Kind) + ": picture too large (" + std::to_string(Width) + " x " +
                       std::to_string(Height) + ")");
}

int64_t BytesLeft(TStream& Stream) {
    const int64_t left = Stream.Size() - Stream.Position();
    return left > 0 ? left : 0;
}

void ReadPictureBytes(TStream& Stream, void* Buffer, int64_t Count, const char* Kind) {
    if (Count < 0 || Count > BytesLeft(Stream) ||
        (Count > 0 && Stream.Read(Buffer, Count) != Count))
        InvalidGraphic(std::string(Kind) + ": unexpected end of data");
}

TBytes ReadPictureBytes(TStream& Stream, int64_t Count, const char* Kind) {
    if (Count < 0 || Count > BytesLeft(Stream))
        InvalidGraphic(std::string(Kind) + ": unexpected end of data");
    TBytes bytes(static_cast<size_t>(Count));
    ReadPictureBytes(Stream, bytes.data(), Count, Kind);
    return bytes;
}

void TByteView::Need(size_t Offset, size_t Count) const {
    if (!Has(Offset, Count)) InvalidGraphic("picture data ends inside a record");
}

TByteView TByteView::Sub(size_t Offset, size_t Count) const {
    Need(Offset, Count);
    return TByteView(FData + Offset, Count);
}

uint8_t TByteView::U8(size_t Offset) const {
    Need(Offset, 1);
    return FData[Offset];
}

uint16_t TByteView::U16(size_t Offset) const {
    Need(Offset, 2);
    return static_cast<uint16_t>(FData[Offset] | FData[Offset + 1] << 8);
}

uint32_t TByteView::U32(size_t Offset) const {
    Need(Offset, 4);
    return static_cast<uint32_t>(FData[Offset]) | static_cast<uint32_t>(FData[Offset + 1]) << 8 |
           static_cast<uint32_t>(FData[Offset + 2]) << 16 |
           static_cast<uint32_t>(FData[Offset + 3]) << 24;
}
