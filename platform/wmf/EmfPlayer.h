#pragma once

#include "platform/wmf/WmfDC.h"
#include "platform/wmf/WmfOutput.h"
#include "platform/wmf/WmfPath.h"
#include "platform/wmf/WmfRecordView.h"

#include <cstdint>
#include <memory>

class TCanvas;

// What the header record of an enhanced metafile says about the picture.
struct TEmfHeader {
    TWmfRect Bounds;        // device units
    TWmfRect Frame;         // 0.01 mm
    TWmfPoint DevicePixels; // reference device size in pixels
    TWmfPoint DeviceMm;     // and in millimetres
    uint32_t Bytes = 0;     // size of the whole metafile
    uint32_t Handles = 0;   // object table slots
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
    bool PlayRecord(uint32_t Type, const TWmfRecord& R);
    bool PlayStateRecord(uint32_t Type, const TWmfRecord& R);
    bool PlayObjectRecord(uint32_t Type, const TWmfRecord& R);
    bool PlayShapeRecord(uint32_t Type, const TWmfRecord& R);
    bool PlayPathRecord(uint32_t Type, const TWmfRecord& R);
    bool PlayBitmapRecord(uint32_t Type, const TWmfRecord& R);
    void PlayPolyRecord(uint32_t Type, const TWmfRecord& R);
    void PlayPolyPolyRecord(uint32_t Type, const TWmfRecord& R);
    void PlayPolyDraw(const TWmfRecord& R, bool Short);
    void PlayText(const TWmfRecord& R, bool Wide);
    void PlayGradientFill(const TWmfRecord& R);
    void PlayClipRegion(const TWmfRecord& R);
    void PlayFillRegion(const TWmfRecord& R, bool WithBrush);
    void PlayBlit(uint32_t Type, const TWmfRecord& R);
    void PlayStretchDIBits(const TWmfRecord& R);
    void PlaySetDIBitsToDevice(const TWmfRecord& R);

    const uint8_t* FData;
    size_t FSize;
    TEmfHeader FHeader;
    std::unique_ptr<TWmfDC> FDC;
    std::unique_ptr<TWmfOutput> FOut;
    TWmfPath FPath;
    TWmfXform FDeviceToOutput;
};
