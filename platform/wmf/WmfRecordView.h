#pragma once

#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfGeometry.h"

#include <cstdint>
#include <cstring>
#include <vector>

// A bounds-checked view of one metafile record. Every read is checked
// against the record's size with 64-bit arithmetic and copied out (records
// are not aligned for direct access), so lying counts and offsets read
// nothing outside the record.
class TWmfRecord {
public:
    // Most points or characters a single record may carry; records with more
    // are skipped rather than copied.
    static constexpr uint64_t MaxItems = 1 << 20;

    TWmfRecord(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}

    const uint8_t* Data() const { return FData; }
    size_t Size() const { return FSize; }
    bool Has(uint64_t Offset, uint64_t Bytes) const {
        return Offset <= FSize && Bytes <= FSize - Offset;
    }

    // A value at Offset; zero when the record is too short.
    template <class T> T Get(uint64_t Offset) const {
        T Value{};
        if (Has(Offset, sizeof Value)) std::memcpy(&Value, FData + Offset, sizeof Value);
        return Value;
    }
    // Copies a structure of at least MinSize bytes (the rest, if the record is
    // shorter than the structure, is zero); false when even MinSize is absent.
    template <class T> bool Read(uint64_t Offset, T& Out, size_t MinSize = sizeof(T)) const {
        Out = T{};
        if (!Has(Offset, MinSize)) return false;
        std::memcpy(&Out, FData + Offset, std::min<uint64_t>(sizeof Out, FSize - Offset));
        return true;
    }
    // Count bytes at Offset, or none when they do not fit.
    TWmfBytes Bytes(uint64_t Offset, uint64_t Count) const {
        if (!Has(Offset, Count)) return {};
        return {FData + Offset, static_cast<size_t>(Count)};
    }

    // Count points of two 16-bit or two 32-bit coordinates; false when they
    // do not fit in the record.
    bool Points16(uint64_t Offset, uint64_t Count, std::vector<TWmfPoint>& Out) const {
        return ReadPoints<int16_t>(Offset, Count, Out);
    }
    bool Points32(uint64_t Offset, uint64_t Count, std::vector<TWmfPoint>& Out) const {
        return ReadPoints<int32_t>(Offset, Count, Out);
    }

private:
    template <class C>
    bool ReadPoints(uint64_t Offset, uint64_t Count, std::vector<TWmfPoint>& Out) const {
        Out.clear();
        if (Count > MaxItems || !Has(Offset, Count * 2 * sizeof(C))) return false;
        Out.reserve(static_cast<size_t>(Count));
        for (uint64_t i = 0; i < Count; ++i) {
            C XY[2];
            std::memcpy(XY, FData + Offset + i * sizeof XY, sizeof XY);
            Out.push_back({static_cast<double>(XY[0]), static_cast<double>(XY[1])});
        }
        return true;
    }

    const uint8_t* FData;
    size_t FSize;
};
