#include "platform/decoders/DibRle.h"

namespace {

// Walks the run-length codes, writing into rows counted from the bottom.
class TRleDecoder {
public:
    TRleDecoder(const TDibHeader& Header, const std::vector<QRgb>& Palette, TByteView Bits,
                QImage& Image)
        : FPalette(Palette), FBits(Bits), FImage(Image), FWidth(Header.Width),
          FHeight(Header.Height), FFourBits(Header.Compression == BI_RLE4) {}

    void Run() {
        while (FBits.Has(FPos, 2)) {
            const uint8_t count = FBits.U8(FPos);
            const uint8_t value = FBits.U8(FPos + 1);
            FPos += 2;
            if (count > 0) {
                EncodedRun(count, value);
            } else if (value == 0) { // end of line
                FX = 0;
                if (FY < FHeight) ++FY;
            } else if (value == 1) { // end of bitmap
                return;
            } else if (value == 2) {
                Delta();
            } else {
                AbsoluteRun(value);
            }
        }
    }

private:
    void Overrun() const { InvalidGraphic("bitmap: run-length code runs past the picture"); }

    void CheckRun(int Count) const {
        if (FY >= FHeight || FX + Count > FWidth) Overrun();
    }

    void Put(uint8_t Index) {
        auto* row = reinterpret_cast<QRgb*>(FImage.scanLine(FHeight - 1 - FY));
        row[FX++] = Index < FPalette.size() ? FPalette[Index] : qRgb(0, 0, 0);
    }

    // A pair repeated: the byte (8 bits) or its two nibbles in turn (4 bits).
    void EncodedRun(int Count, uint8_t Value) {
        CheckRun(Count);
        for (int i = 0; i < Count; ++i)
            Put(FFourBits ? (i % 2 ? Value & 0x0F : Value >> 4) : Value);
    }

    // Count literal pixels, padded to a whole number of 16-bit words.
    void AbsoluteRun(int Count) {
        const size_t bytes = FFourBits ? (Count + 1) / 2 : Count;
        if (!FBits.Has(FPos, bytes)) InvalidGraphic("bitmap: run-length data is truncated");
        CheckRun(Count);
        for (int i = 0; i < Count; ++i) {
            const uint8_t byte = FBits.U8(FPos + (FFourBits ? i / 2 : i));
            Put(FFourBits ? (i % 2 ? byte & 0x0F : byte >> 4) : byte);
        }
        FPos += bytes + (bytes & 1);
    }

    void Delta() {
        if (!FBits.Has(FPos, 2)) InvalidGraphic("bitmap: run-length data is truncated");
        FX += FBits.U8(FPos);
        FY += FBits.U8(FPos + 1);
        FPos += 2;
        if (FX > FWidth || FY > FHeight) Overrun();
    }

    const std::vector<QRgb>& FPalette;
    TByteView FBits;
    QImage& FImage;
    const int FWidth;
    const int FHeight;
    const bool FFourBits;
    size_t FPos = 0;
    int FX = 0;
    int FY = 0;
};

} // namespace

void DecodeDibRle(const TDibHeader& Header, const std::vector<QRgb>& Palette, TByteView Bits,
                  QImage& Image) {
    TRleDecoder(Header, Palette, Bits, Image).Run();
}
