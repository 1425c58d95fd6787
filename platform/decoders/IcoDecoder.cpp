#include "platform/decoders/IcoDecoder.h"

#include "platform/decoders/DibDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const Kind = "icon";
constexpr size_t DirHeaderSize = 6;
constexpr size_t DirEntrySize = 16;
const uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct TDirEntry {
    uint32_t Size = 0;
    uint32_t Offset = 0;
};

uint32_t BigEndian32(TByteView View, size_t Offset) {
    return uint32_t(View.U8(Offset)) << 24 | uint32_t(View.U8(Offset + 1)) << 16 |
           uint32_t(View.U8(Offset + 2)) << 8 | View.U8(Offset + 3);
}

TIconImage DecodePng(TByteView Data) {
    // The IHDR chunk follows the signature; check its size before decoding.
    CheckPictureSize(BigEndian32(Data, 16), BigEndian32(Data, 20), Kind);
    QImage image;
    if (!image.loadFromData(Data.Data(), static_cast<int>(Data.Size()), "PNG"))
        InvalidGraphic("icon: damaged PNG image");
    return {image.convertToFormat(QImage::Format_ARGB32), 32};
}

// The fourth bytes of 32-bit pixels, row by row as displayed; empty when all are 0.
std::vector<uint8_t> AlphaOf(const TDibHeader& Header, TByteView Bits) {
    std::vector<uint8_t> alpha;
    if (Header.BitCount != 32) return alpha;
    alpha.resize(size_t(Header.Width) * Header.Height);
    bool any = false;
    for (int y = 0; y < Header.Height; ++y) {
        const int row = Header.TopDown ? y : Header.Height - 1 - y;
        for (int x = 0; x < Header.Width; ++x) {
            const uint8_t a = Bits.U8(size_t(row) * Header.Stride() + size_t(x) * 4 + 3);
            alpha[size_t(y) * Header.Width + x] = a;
            any = any || a != 0;
        }
    }
    if (!any) alpha.clear();
    return alpha;
}

// Clears the pixels whose AND-mask bit is set (they show what lies beneath).
void ApplyMask(const TDibHeader& Header, TByteView Mask, QImage& Image) {
    const size_t stride = ((size_t(Header.Width) + 31) / 32) * 4;
    if (!Mask.Has(0, stride * Header.Height)) return; // no mask stored: all opaque
    for (int y = 0; y < Header.Height; ++y) {
        const int row = Header.TopDown ? y : Header.Height - 1 - y;
        auto* line = reinterpret_cast<QRgb*>(Image.scanLine(y));
        for (int x = 0; x < Header.Width; ++x)
            if (Mask.U8(row * stride + x / 8) & (0x80 >> (x % 8))) line[x] = qRgba(0, 0, 0, 0);
    }
}

TIconImage DecodeDib(TByteView Data) {
    TDibHeader header = ParseDibHeader(Data, true);
    if (header.Compression != BI_RGB && header.Compression != BI_BITFIELDS)
        InvalidGraphic("icon: compressed image");
    ReadDibMasks(header, Data.Sub(header.HeaderSize, header.MaskBytes()));
    const size_t paletteStart = header.HeaderSize + header.MaskBytes();
    const auto palette = ReadDibPalette(header, Data.Sub(paletteStart, header.PaletteBytes()));
    const size_t bitsStart = paletteStart + header.PaletteBytes();
    const TByteView bits = Data.Sub(bitsStart, static_cast<size_t>(header.BitsSize()));
    QImage image = DecodeDibBits(header, palette, bits).convertToFormat(QImage::Format_ARGB32);
    const auto alpha = AlphaOf(header, bits);
    if (alpha.empty()) {
        const size_t maskStart = bitsStart + bits.Size();
        ApplyMask(header, Data.Sub(maskStart, Data.Size() - maskStart), image);
        return {image, header.BitCount};
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint8_t* a = alpha.data() + size_t(y) * image.width();
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0x00FFFFFF) | uint32_t(a[x]) << 24;
    }
    return {image, header.BitCount};
}

TIconImage DecodeImage(TByteView Data) {
    if (Data.Has(0, sizeof PngSignature) &&
        std::memcmp(Data.Data(), PngSignature, sizeof PngSignature) == 0)
        return DecodePng(Data);
    return DecodeDib(Data);
}

std::vector<TDirEntry> ReadDirectory(TStream& Stream, int64_t& End) {
    uint8_t head[DirHeaderSize];
    ReadPictureBytes(Stream, head, DirHeaderSize, Kind);
    const TByteView view(head, DirHeaderSize);
    const uint16_t count = view.U16(4);
    if (view.U16(0) != 0 || view.U16(2) != 1 || count == 0)
        InvalidGraphic("icon: not an icon file");
    const TBytes entries = ReadPictureBytes(Stream, int64_t(count) * DirEntrySize, Kind);
    const TByteView list(entries);
    const int64_t dirEnd = DirHeaderSize + int64_t(count) * DirEntrySize;
    std::vector<TDirEntry> dir(count);
    End = dirEnd;
    for (size_t i = 0; i < count; ++i) {
        dir[i] = {list.U32(i * DirEntrySize + 8), list.U32(i * DirEntrySize + 12)};
        if (dir[i].Size == 0 || dir[i].Offset < dirEnd)
            InvalidGraphic("icon: image " + std::to_string(i) + " lies outside the file");
        End = std::max<int64_t>(End, int64_t(dir[i].Offset) + dir[i].Size);
    }
    return dir;
}

} // namespace

std::vector<TIconImage> ReadIco(TStream& Stream) {
    int64_t end = 0;
    const auto dir = ReadDirectory(Stream, end);
    const int64_t dirEnd = DirHeaderSize + int64_t(dir.size()) * DirEntrySize;
    const TBytes body = ReadPictureBytes(Stream, end - dirEnd, Kind);
    std::vector<TIconImage> images;
    std::string firstError;
    for (const auto& entry : dir) {
        try {
            images.push_back(DecodeImage(TByteView(body).Sub(entry.Offset - dirEnd, entry.Size)));
        } catch (const EInvalidGraphic& e) {
            if (firstError.empty()) firstError = e.what();
        }
    }
    if (images.empty()) InvalidGraphic(firstError);
    return images;
}

size_t BestIconImage(const std::vector<TIconImage>& Images) {
    size_t best = 0;
    for (size_t i = 1; i < Images.size(); ++i) {
        const int64_t area = int64_t(Images[i].Image.width()) * Images[i].Image.height();
        const int64_t bestArea = int64_t(Images[best].Image.width()) * Images[best].Image.height();
        if (area > bestArea || (area == bestArea && Images[i].BitCount > Images[best].BitCount))
            best = i;
    }
    return best;
}
