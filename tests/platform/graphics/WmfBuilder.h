#pragma once

// Hand-made Windows metafiles for the tests: an EMF or WMF writer that takes
// records as lists of numbers.

#include "PictureTestUtil.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace metafiletest {

// An enhanced metafile whose frame is Width x Height pixels at 96 per inch,
// with a reference device of 96 pixels per inch (one device unit = one
// output pixel).
class TEmfBuilder {
public:
    TEmfBuilder(int Width = 100, int Height = 100, uint16_t Handles = 16) {
        const uint32_t fw = uint32_t(Width * 2540 / 96.0 + 0.5),
                       fh = uint32_t(Height * 2540 / 96.0 + 0.5);
        FOut.U32(1).U32(108);
        FOut.U32(0).U32(0).U32(uint32_t(Width)).U32(uint32_t(Height)); // bounds
        FOut.U32(0).U32(0).U32(fw).U32(fh);                            // frame
        FOut.U32(0x464D4520).U32(0x10000).U32(0).U32(0); // signature, version, bytes, records
        FOut.U16(Handles).U16(0).U32(0).U32(0).U32(0);
        FOut.U32(960).U32(960).U32(254).U32(254); // device: 96 pixels per inch
        FOut.U32(0).U32(0).U32(0).U32(254000).U32(254000);
    }
    // A record of 32-bit words.
    TEmfBuilder& Rec(uint32_t Type, std::initializer_list<uint32_t> Words) {
        FOut.U32(Type).U32(uint32_t(8 + 4 * Words.size()));
        for (uint32_t w : Words)
            FOut.U32(w);
        return *this;
    }
    // A record with raw bytes after the type and size (padded to 4).
    TEmfBuilder& Raw(uint32_t Type, std::string Bytes) {
        while (Bytes.size() % 4)
            Bytes += '\0';
        FOut.U32(Type).U32(uint32_t(8 + Bytes.size())).Bytes(Bytes);
        return *this;
    }
    std::string Finish() {
        Rec(14, {0, 16, 20}); // EOF
        std::string bytes = FOut.Str();
        picturetest::Poke32(bytes, 48, uint32_t(bytes.size()));
        return bytes;
    }

private:
    picturetest::TByteWriter FOut;
};

// A placeable Windows metafile whose bounding box is Box units at
// UnitsPerInch; records are lists of 16-bit words after the function.
class TWmfBuilder {
public:
    TWmfBuilder(int16_t Right, int16_t Bottom, uint16_t UnitsPerInch, uint16_t Objects = 16,
                bool Placeable = true) {
        if (Placeable) {
            FOut.U32(0x9AC6CDD7).U16(0).U16(0).U16(0).U16(uint16_t(Right)).U16(uint16_t(Bottom));
            FOut.U16(UnitsPerInch).U32(0).U16(0);
            FHeaderAt = 22;
        }
        FOut.U16(1).U16(9).U16(0x300).U32(0).U16(Objects).U32(0).U16(0);
    }
    TWmfBuilder& Rec(uint16_t Function, std::initializer_list<int> Words) {
        FOut.U32(uint32_t(3 + Words.size())).U16(Function);
        for (int w : Words)
            FOut.U16(uint32_t(w));
        return *this;
    }
    TWmfBuilder& Raw(uint16_t Function, std::string Bytes) {
        if (Bytes.size() % 2) Bytes += '\0';
        FOut.U32(uint32_t(3 + Bytes.size() / 2)).U16(Function).Bytes(Bytes);
        return *this;
    }
    std::string Finish() {
        Rec(0, {});
        std::string bytes = FOut.Str();
        picturetest::Poke32(bytes, FHeaderAt + 6, uint32_t((bytes.size() - FHeaderAt) / 2));
        return bytes;
    }

private:
    picturetest::TByteWriter FOut;
    size_t FHeaderAt = 0;
};

} // namespace metafiletest
