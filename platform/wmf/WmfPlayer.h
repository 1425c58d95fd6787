#pragma once

#include "platform/wmf/WmfDC.h"
#include "platform/wmf/WmfOutput.h"
#include "platform/wmf/WmfRecordView.h"

#include <cstdint>
#include <memory>

class TCanvas;

// What the headers of a Windows metafile say about it.
struct TWmfHeader {
    bool Placeable = false;
    TWmfRect Box; // placeable bounding box, logical units
    uint32_t UnitsPerInch = 0;
    uint64_t Bytes = 0;   // the whole metafile, placeable header included
    uint32_t Objects = 0; // object table slots
    size_t RecordsAt = 0; // offset of the first record
};

constexpr uint32_t WmfPlaceableKey = 0x9AC6CDD7;
constexpr size_t WmfPlaceableSize = 22;
constexpr size_t WmfHeaderSize = 18;

// Reads and checks the headers at the start of Data (at least the placeable
// and standard headers' bytes); raises EInvalidGraphic when they are not a
// Windows metafile's.
TWmfHeader ReadWmfHeader(const uint8_t* Data, size_t Size);

// Where the records of the first Size bytes of Data end: just after the first
// end-of-file record (function 0, three words long), or 0 when the records
// that fit reach none (a record that lies about its size ends the search).
size_t WmfEndOfRecords(const uint8_t* Data, size_t Size, const TWmfHeader& Header);

// Plays the records of a Windows metafile (Data holds all Header.Bytes)
// onto a canvas. Placeable metafiles map their bounding box onto the output;
// plain ones map the window their records set up.
class TWmfPlayer {
public:
    TWmfPlayer(const uint8_t* Data, size_t Size, const TWmfHeader& Header);
    ~TWmfPlayer();

    // The picture's size in pixels at 96 per inch: the bounding box for a
    // placeable metafile, the window extent of a plain one.
    void PictureSize(int& Width, int& Height) const;
    void Play(TCanvas& Canvas, int Width, int Height);

    static constexpr uint32_t MaxRecords = 1'000'000;

private:
    // Calls Visit(function, record) for each record up to the end-of-file
    // record or the first record that lies about its size.
    template <class F> void ForEachRecord(F Visit) const;
    // The window a plain metafile sets up before it draws.
    TWmfRect PlainWindow() const;

    bool PlayRecord(uint8_t Function, const TWmfRecord& R);
    bool PlayStateRecord(uint8_t Function, const TWmfRecord& R);
    bool PlayObjectRecord(uint8_t Function, const TWmfRecord& R);
    bool PlayShapeRecord(uint8_t Function, const TWmfRecord& R);
    bool PlayBitmapRecord(uint8_t Function, const TWmfRecord& R);
    void PlayPolyPolygon(const TWmfRecord& R);
    void PlayTextOut(const TWmfRecord& R);
    void PlayExtTextOut(const TWmfRecord& R);
    void PlayDib(const TWmfRect& Dest, const char* Dib, const TWmfRecord& R, QRect Source,
                 uint32_t Rop, bool PaletteIndices);

    const uint8_t* FData;
    size_t FSize;
    TWmfHeader FHeader;
    std::unique_ptr<TWmfDC> FDC;
    std::unique_ptr<TWmfOutput> FOut;
};
