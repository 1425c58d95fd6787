#include "platform/wmf/EmfPlayer.h"

#include "platform/graphics/Graphic.h"

#include <uemf.h>
#include <uemf_safe.h>

#include <cmath>

namespace {

constexpr double HundredthsMmPerInch = 2540;
constexpr int MaxPictureSide = 16384;

TWmfRect RectOf(const U_RECTL& R) {
    return {double(R.left), double(R.top), double(R.right), double(R.bottom)};
}

// Record types this player reads; libuemf's own check is asked only about
// these (it reports the types it does not know on standard output).
bool Known(uint32_t Type) {
    return (Type >= U_EMR_HEADER && Type <= U_EMR_ABORTPATH) || Type == U_EMR_COMMENT ||
           (Type >= U_EMR_FILLRGN && Type <= U_EMR_CREATEDIBPATTERNBRUSHPT) ||
           Type == U_EMR_EXTCREATEPEN || Type == U_EMR_ALPHABLEND || Type == U_EMR_TRANSPARENTBLT ||
           Type == U_EMR_GRADIENTFILL;
}

} // namespace

TEmfHeader ReadEmfHeader(const uint8_t* Data, size_t Size) {
    const TWmfRecord R(Data, Size);
    U_EMRHEADER H;
    if (!R.Read(0, H, EmfHeaderMinSize) || H.emr.iType != U_EMR_HEADER ||
        H.dSignature != EmfSignature || H.emr.nSize < EmfHeaderMinSize || H.emr.nSize > H.nBytes ||
        H.emr.nSize % 4 != 0)
        throw EInvalidGraphic("not an enhanced metafile");
    TEmfHeader Out;
    Out.Bounds = RectOf(H.rclBounds);
    Out.Frame = RectOf(H.rclFrame);
    Out.DevicePixels = {double(H.szlDevice.cx), double(H.szlDevice.cy)};
    Out.DeviceMm = {double(H.szlMillimeters.cx), double(H.szlMillimeters.cy)};
    Out.Bytes = H.nBytes;
    Out.Handles = H.nHandles;
    return Out;
}

void EmfPictureSize(const TEmfHeader& Header, int& Width, int& Height) {
    const double W = Header.Frame.Width() * 96 / HundredthsMmPerInch;
    const double H = Header.Frame.Height() * 96 / HundredthsMmPerInch;
    Width = Height = 0;
    if (!(W > 0 && H > 0)) return;
    // Absurd frames are scaled down as a whole, keeping the aspect.
    const double Fit = std::min(1.0, MaxPictureSide / std::max(W, H));
    Width = std::max(1, static_cast<int>(std::lround(W * Fit)));
    Height = std::max(1, static_cast<int>(std::lround(H * Fit)));
}

TEmfPlayer::TEmfPlayer(const uint8_t* Data, size_t Size, const TEmfHeader& Header)
    : FData(Data), FSize(Size), FHeader(Header) {}

TEmfPlayer::~TEmfPlayer() = default;

void TEmfPlayer::Play(TCanvas& Canvas, int Width, int Height) {
    // The reference device's resolution, with 96 per inch where the header
    // leaves it out.
    const TEmfHeader& H = FHeader;
    TWmfPoint PerMm{96 / 25.4, 96 / 25.4};
    if (H.DevicePixels.X > 0 && H.DeviceMm.X > 0) PerMm.X = H.DevicePixels.X / H.DeviceMm.X;
    if (H.DevicePixels.Y > 0 && H.DeviceMm.Y > 0) PerMm.Y = H.DevicePixels.Y / H.DeviceMm.Y;
    // The frame, in device units, fills the output.
    const TWmfRect Frame{H.Frame.Left * PerMm.X / 100, H.Frame.Top * PerMm.Y / 100,
                         H.Frame.Right * PerMm.X / 100, H.Frame.Bottom * PerMm.Y / 100};
    if (Frame.IsEmpty() || Width <= 0 || Height <= 0) return;
    const double Sx = Width / Frame.Width(), Sy = Height / Frame.Height();
    FDeviceToOutput = TWmfXform::Scale(Sx, Sy, -Frame.Left * Sx, -Frame.Top * Sy);
    if (!FDeviceToOutput.Usable()) return;

    FDC = std::make_unique<TWmfDC>(FDeviceToOutput, PerMm, H.Handles);
    FOut = std::make_unique<TWmfOutput>(Canvas, *FDC);
    size_t Offset = 0;
    for (uint32_t Count = 0; Count < MaxRecords && !FOut->Exhausted(); ++Count) {
        if (FSize - Offset < 8) break;
        uint32_t Type = 0, Size = 0;
        std::memcpy(&Type, FData + Offset, 4);
        std::memcpy(&Size, FData + Offset + 4, 4);
        // A record that lies about its size ends the playback.
        if (Size < 8 || Size % 4 != 0 || Size > FSize - Offset) break;
        const TWmfRecord R(FData + Offset, Size);
        // A record whose counts or offsets point outside it is skipped.
        const bool Safe =
            !Known(Type) || U_emf_record_safe(reinterpret_cast<const char*>(R.Data()));
        if (Safe && !PlayRecord(Type, R)) break;
        Offset += Size;
    }
    FOut.reset();
    FDC.reset();
}

bool TEmfPlayer::PlayRecord(uint32_t Type, const TWmfRecord& R) {
    if (Type == U_EMR_EOF) return false;
    PlayStateRecord(Type, R) || PlayObjectRecord(Type, R) || PlayPathRecord(Type, R) ||
        PlayShapeRecord(Type, R) || PlayBitmapRecord(Type, R);
    // Anything else (comments, palettes, colour management) is skipped.
    return true;
}

bool TEmfPlayer::PlayStateRecord(uint32_t Type, const TWmfRecord& R) {
    TWmfDC& DC = *FDC;
    TWmfState& S = DC.State();
    const TWmfPoint Pair{double(R.Get<int32_t>(8)), double(R.Get<int32_t>(12))};
    const uint32_t Value = R.Get<uint32_t>(8);
    switch (Type) {
    case U_EMR_SETWINDOWEXTEX:
        DC.SetWindowExt(Pair);
        break;
    case U_EMR_SETWINDOWORGEX:
        DC.SetWindowOrg(Pair);
        break;
    case U_EMR_SETVIEWPORTEXTEX:
        DC.SetViewportExt(Pair);
        break;
    case U_EMR_SETVIEWPORTORGEX:
        DC.SetViewportOrg(Pair);
        break;
    case U_EMR_SETMAPMODE:
        DC.SetMapMode(static_cast<int>(Value));
        break;
    case U_EMR_SETBKMODE:
        S.BkOpaque = Value == U_OPAQUE;
        break;
    case U_EMR_SETPOLYFILLMODE:
        S.Winding = Value == U_WINDING;
        break;
    case U_EMR_SETTEXTALIGN:
        S.TextAlign = Value;
        break;
    case U_EMR_SETTEXTCOLOR:
        S.TextColor = Value & 0xFFFFFF;
        break;
    case U_EMR_SETBKCOLOR:
        S.BkColor = Value & 0xFFFFFF;
        break;
    case U_EMR_SETARCDIRECTION:
        S.Clockwise = Value == U_AD_CLOCKWISE;
        break;
    case U_EMR_MOVETOEX:
        FOut->MoveTo(Pair);
        break;
    case U_EMR_SAVEDC:
        DC.SaveDC();
        break;
    case U_EMR_RESTOREDC:
        DC.RestoreDC(R.Get<int32_t>(8));
        break;
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX: {
        const double XNum = R.Get<int32_t>(8), XDen = R.Get<int32_t>(12);
        const double YNum = R.Get<int32_t>(16), YDen = R.Get<int32_t>(20);
        if (Type == U_EMR_SCALEWINDOWEXTEX)
            DC.ScaleWindowExt(XNum, XDen, YNum, YDen);
        else
            DC.ScaleViewportExt(XNum, XDen, YNum, YDen);
        break;
    }
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM: {
        const U_XFORM X = R.Get<U_XFORM>(8);
        const TWmfXform M{X.eM11, X.eM12, X.eM21, X.eM22, X.eDx, X.eDy};
        if (Type == U_EMR_SETWORLDTRANSFORM)
            DC.SetWorldTransform(M);
        else
            DC.ModifyWorldTransform(M, R.Get<uint32_t>(32));
        break;
    }
    case U_EMR_INTERSECTCLIPRECT:
        DC.IntersectClip(RectOf(R.Get<U_RECTL>(8)));
        break;
    case U_EMR_OFFSETCLIPRGN:
        if (S.Clip) {
            const TWmfPoint A = DC.ToOutput({0, 0}), B = DC.ToOutput(Pair);
            const double Dx = B.X - A.X, Dy = B.Y - A.Y;
            S.Clip = TWmfRect{S.Clip->Left + Dx, S.Clip->Top + Dy, S.Clip->Right + Dx,
                              S.Clip->Bottom + Dy};
        }
        break;
    case U_EMR_EXTSELECTCLIPRGN:
        PlayClipRegion(R);
        break;
    default:
        return false;
    }
    return true;
}

void TEmfPlayer::PlayClipRegion(const TWmfRecord& R) {
    // Regions are kept as their bounding box, in device units.
    const uint32_t Bytes = R.Get<uint32_t>(8), Mode = R.Get<uint32_t>(12);
    TWmfDC& DC = *FDC;
    if (Mode == U_RGN_COPY && Bytes == 0) return DC.ResetClip();
    U_RGNDATAHEADER Head;
    if (Bytes < sizeof Head || !R.Read(16, Head) || Head.nCount == 0) return;
    const TWmfRect Device = RectOf(Head.rclBounds).Normalized();
    const TWmfPoint A = FDeviceToOutput.Apply({Device.Left, Device.Top});
    const TWmfPoint B = FDeviceToOutput.Apply({Device.Right, Device.Bottom});
    const TWmfRect Out = TWmfRect{A.X, A.Y, B.X, B.Y}.Normalized();
    if (Mode == U_RGN_COPY)
        DC.SetClipOutput(Out);
    else if (Mode == U_RGN_AND)
        DC.SetClipOutput(DC.State().Clip ? DC.State().Clip->Intersect(Out) : Out);
}
