#pragma once

#include "platform/MetafileDC.h"
#include "platform/MetafileOutput.h"
#include "platform/MetafilePath.h"
#include "platform/MetafileRecord.h"

#include <cstdint>
#include <memory>

class TCanvas;

// What the header record of an enhanced metafile says about the picture.
struct TEmfHeader {
    TMfRect Bounds;        // device units
    TMfRect Frame;         // 0.01 mm
    TMfPoint DevicePixels; // reference device size in pixels
    TMfPoint DeviceMm;     // and in millimetres
    uint32_t Bytes = 0;    // size of the whole metafile
    uint32_t Handles = 0;  // object table slots
};

constexpr uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr size_t EmfHeaderMinSize = 88;

// Reads and checks the header at the start of Data; raises EInvalidGraphic
// when it is not an enhanced metafile header.
TEmfHeader ReadEmfHeader(const uint8_t* Data, size_t Size);
// The picture's size in pixels at 96 per inch, from its frame.
void EmfPictureSize(const TEmfHeader& Header, int& Width, int& Height);

// Plays the records of an enhanced metafile onto a canvas, scaled so that
// the frame fills Width x Height pixels.
class TEmfPlayer {
public:
    // Data holds the whole metafile (Header.Bytes bytes).
    TEmfPlayer(const uint8_t* Data, size_t Size, const TEmfHeader& Header);
    ~TEmfPlayer();

    void Play(TCanvas& Canvas, int Width, int Height);

    // Most records a metafile may have played.
    static constexpr uint32_t MaxRecords = 1'000'000;

private:
    // False at the end-of-file record.
    bool PlayRecord(uint32_t Type, const TMfRecord& R);
    bool PlayStateRecord(uint32_t Type, const TMfRecord& R);
    bool PlayObjectRecord(uint32_t Type, const TMfRecord& R);
    bool PlayShapeRecord(uint32_t Type, const TMfRecord& R);
    bool PlayPathRecord(uint32_t Type, const TMfRecord& R);
    bool PlayBitmapRecord(uint32_t Type, const TMfRecord& R);
    void PlayPolyRecord(uint32_t Type, const TMfRecord& R);
    void PlayPolyPolyRecord(uint32_t Type, const TMfRecord& R);
    void PlayPolyDraw(const TMfRecord& R, bool Short);
    void PlayText(const TMfRecord& R, bool Wide);
    void PlayGradientFill(const TMfRecord& R);
    void PlayClipRegion(const TMfRecord& R);
    void PlayFillRegion(const TMfRecord& R, bool WithBrush);
    void PlayBlit(uint32_t Type, const TMfRecord& R);
    void PlayStretchDIBits(const TMfRecord& R);
    void PlaySetDIBitsToDevice(const TMfRecord& R);

    const uint8_t* FData;
    size_t FSize;
    TEmfHeader FHeader;
    std::unique_ptr<TMetafileDC> FDC;
    std::unique_ptr<TMfOutput> FOut;
    TMfPath FPath;
    TMfXform FDeviceToOutput;
};
