#include "platform/wmf/WmfPlayer.h"

#include "platform/graphics/Graphic.h"
#include "platform/wmf/WmfObjects.h"

#include <uwmf.h>

#include <cmath>

namespace {

constexpr int MaxPictureSide = 16384;
constexpr int MM_ANISOTROPIC = 8;

const char* Chars(const uint8_t* P) {
    return reinterpret_cast<const char*>(P);
}

TWmfPoint PointOf(const U_POINT16& P) {
    return {double(P.x), double(P.y)};
}

// Sizes in pixels, scaled down as a whole when a side is absurd.
void FitSize(double W, double H, int& Width, int& Height) {
    Width = Height = 0;
    if (!(W > 0 && H > 0) || !std::isfinite(W) || !std::isfinite(H)) return;
    const double Fit = std::min(1.0, MaxPictureSide / std::max(W, H));
    Width = std::max(1, static_cast<int>(std::lround(W * Fit)));
    Height = std::max(1, static_cast<int>(std::lround(H * Fit)));
}

} // namespace

TWmfHeader ReadWmfHeader(const uint8_t* Data, size_t Size) {
    TWmfHeader Out;
    const TWmfRecord R(Data, Size);
    size_t At = 0;
    if (R.Get<uint32_t>(0) == WmfPlaceableKey) {
        U_WMRPLACEABLE P;
        if (!R.Read(0, P, WmfPlaceableSize)) throw EInvalidGraphic("truncated metafile header");
        Out.Placeable = true;
        Out.Box = {double(P.Dst.left), double(P.Dst.top), double(P.Dst.right),
                   double(P.Dst.bottom)};
        Out.UnitsPerInch = P.Inch ? P.Inch : 1440;
        At = WmfPlaceableSize;
    }
    const uint16_t Type = R.Get<uint16_t>(At), HeaderWords = R.Get<uint16_t>(At + 2);
    const uint16_t Version = R.Get<uint16_t>(At + 4);
    const uint32_t Words = R.Get<uint32_t>(At + 6);
    if (!R.Has(At, WmfHeaderSize) || (Type != 1 && Type != 2) || HeaderWords != 9 ||
        (Version != 0x100 && Version != 0x300) || uint64_t{Words} * 2 < WmfHeaderSize)
        throw EInvalidGraphic("not a Windows metafile");
    // libuemf agrees on where the records start.
    U_WMRPLACEABLE Placeable;
    U_WMRHEADER Header;
    const int Headers = wmfheader_get(Chars(Data), Chars(Data) + Size, &Placeable, &Header);
    if (Headers <= 0 || static_cast<size_t>(Headers) != At + WmfHeaderSize)
        throw EInvalidGraphic("not a Windows metafile");
    Out.Bytes = At + uint64_t{Words} * 2;
    Out.Objects = R.Get<uint16_t>(At + 10);
    Out.RecordsAt = At + WmfHeaderSize;
    return Out;
}

size_t WmfEndOfRecords(const uint8_t* Data, size_t Size, const TWmfHeader& Header) {
    const TWmfRecord R(Data, Size);
    uint64_t Offset = Header.RecordsAt;
    for (uint32_t Count = 0; Count < TWmfPlayer::MaxRecords && R.Has(Offset, U_SIZE_METARECORD);
         ++Count) {
        const uint64_t Bytes = uint64_t{R.Get<uint32_t>(Offset)} * 2;
        if (Bytes < U_SIZE_METARECORD || !R.Has(Offset, Bytes)) return 0;
        if (R.Get<uint16_t>(Offset + 4) == U_WMR_EOF && Bytes == U_SIZE_WMREOF)
            return static_cast<size_t>(Offset + Bytes);
        Offset += Bytes;
    }
    return 0;
}

TWmfPlayer::TWmfPlayer(const uint8_t* Data, size_t Size, const TWmfHeader& Header)
    : FData(Data), FSize(Size), FHeader(Header) {}

TWmfPlayer::~TWmfPlayer() = default;

template <class F> void TWmfPlayer::ForEachRecord(F Visit) const {
    const char* Limit = Chars(FData) + FSize;
    size_t Offset = FHeader.RecordsAt;
    for (uint32_t Count = 0; Count < MaxRecords && FSize - Offset >= U_SIZE_METARECORD; ++Count) {
        const size_t Size = U_WMRRECSAFE_get(Chars(FData) + Offset, Limit);
        if (Size == 0) break; // a record that lies about its size ends the playback
        const uint8_t Function = FData[Offset + 4];
        if (Function == U_WMR_EOF || !Visit(Function, TWmfRecord(FData + Offset, Size))) break;
        Offset += Size;
    }
}

TWmfRect TWmfPlayer::PlainWindow() const {
    TWmfRect Window{0, 0, 0, 0};
    bool Origin = false, Extent = false;
    ForEachRecord([&](uint8_t Function, const TWmfRecord& R) {
        U_POINT16 P{};
        if (Function == U_WMR_SETWINDOWORG && !Origin &&
            U_WMRSETWINDOWORG_get(Chars(R.Data()), &P)) {
            Window.Left = P.x;
            Window.Top = P.y;
            Origin = true;
        }
        if (Function == U_WMR_SETWINDOWEXT && U_WMRSETWINDOWEXT_get(Chars(R.Data()), &P)) {
            Window.Right = P.x;
            Window.Bottom = P.y;
            Extent = true;
        }
        return !Extent;
    });
    Window.Right += Window.Left;
    Window.Bottom += Window.Top;
    return Window;
}

void TWmfPlayer::PictureSize(int& Width, int& Height) const {
    if (FHeader.Placeable) {
        const double Scale = 96.0 / FHeader.UnitsPerInch;
        return FitSize(std::fabs(FHeader.Box.Width()) * Scale,
                       std::fabs(FHeader.Box.Height()) * Scale, Width, Height);
    }
    const TWmfRect Window = PlainWindow();
    FitSize(std::fabs(Window.Width()), std::fabs(Window.Height()), Width, Height);
}

void TWmfPlayer::Play(TCanvas& Canvas, int Width, int Height) {
    if (Width <= 0 || Height <= 0) return;
    const TWmfRect Window = FHeader.Placeable ? FHeader.Box : PlainWindow();
    if (Window.Width() == 0 || Window.Height() == 0) return;
    // The window is mapped onto the output, as a player sets up the device
    // context before it plays the records.
    FDC = std::make_unique<TWmfDC>(TWmfXform{}, TWmfPoint{96 / 25.4, 96 / 25.4}, FHeader.Objects);
    FDC->SetMapMode(MM_ANISOTROPIC);
    FDC->SetWindowOrg({Window.Left, Window.Top});
    FDC->SetWindowExt({Window.Width(), Window.Height()});
    FDC->SetViewportExt({double(Width), double(Height)});
    FOut = std::make_unique<TWmfOutput>(Canvas, *FDC);
    ForEachRecord([&](uint8_t Function, const TWmfRecord& R) {
        PlayRecord(Function, R);
        return !FOut->Exhausted();
    });
    FOut.reset();
    FDC.reset();
}

bool TWmfPlayer::PlayRecord(uint8_t Function, const TWmfRecord& R) {
    // Escapes (comments, embedded EMF copies), palettes and the rest are
    // skipped.
    return PlayStateRecord(Function, R) || PlayObjectRecord(Function, R) ||
           PlayShapeRecord(Function, R) || PlayBitmapRecord(Function, R);
}

bool TWmfPlayer::PlayStateRecord(uint8_t Function, const TWmfRecord& R) {
    TWmfDC& DC = *FDC;
    TWmfState& S = DC.State();
    const char* C = Chars(R.Data());
    U_POINT16 P{}, Q{};
    U_RECT16 Box{};
    U_COLORREF Color{};
    uint16_t Mode = 0;
    int16_t Level = 0;
    switch (Function) {
    case U_WMR_SETBKCOLOR:
        if (U_WMRSETBKCOLOR_get(C, &Color)) S.BkColor = ColorOf(Color);
        break;
    case U_WMR_SETTEXTCOLOR:
        if (U_WMRSETTEXTCOLOR_get(C, &Color)) S.TextColor = ColorOf(Color);
        break;
    case U_WMR_SETBKMODE:
        if (U_WMRSETBKMODE_get(C, &Mode)) S.BkOpaque = Mode == U_OPAQUE;
        break;
    case U_WMR_SETMAPMODE:
        if (U_WMRSETMAPMODE_get(C, &Mode)) DC.SetMapMode(Mode);
        break;
    case U_WMR_SETPOLYFILLMODE:
        if (U_WMRSETPOLYFILLMODE_get(C, &Mode)) S.Winding = Mode == U_WINDING;
        break;
    case U_WMR_SETTEXTALIGN:
        if (U_WMRSETTEXTALIGN_get(C, &Mode)) S.TextAlign = Mode;
        break;
    case U_WMR_SETWINDOWORG:
        if (U_WMRSETWINDOWORG_get(C, &P)) DC.SetWindowOrg(PointOf(P));
        break;
    case U_WMR_SETWINDOWEXT:
        if (U_WMRSETWINDOWEXT_get(C, &P)) DC.SetWindowExt(PointOf(P));
        break;
    case U_WMR_SETVIEWPORTORG:
        if (U_WMRSETVIEWPORTORG_get(C, &P)) DC.SetViewportOrg(PointOf(P));
        break;
    case U_WMR_SETVIEWPORTEXT:
        if (U_WMRSETVIEWPORTEXT_get(C, &P)) DC.SetViewportExt(PointOf(P));
        break;
    case U_WMR_OFFSETWINDOWORG:
        if (U_WMROFFSETWINDOWORG_get(C, &P))
            DC.SetWindowOrg({S.WindowOrg.X + P.x, S.WindowOrg.Y + P.y});
        break;
    case U_WMR_OFFSETVIEWPORTORG:
        if (U_WMROFFSETVIEWPORTORG_get(C, &P))
            DC.SetViewportOrg({S.ViewportOrg.X + P.x, S.ViewportOrg.Y + P.y});
        break;
    case U_WMR_SCALEWINDOWEXT:
        if (U_WMRSCALEWINDOWEXT_get(C, &P, &Q)) DC.ScaleWindowExt(Q.x, P.x, Q.y, P.y);
        break;
    case U_WMR_SCALEVIEWPORTEXT:
        if (U_WMRSCALEVIEWPORTEXT_get(C, &P, &Q)) DC.ScaleViewportExt(Q.x, P.x, Q.y, P.y);
        break;
    case U_WMR_SAVEDC:
        DC.SaveDC();
        break;
    case U_WMR_RESTOREDC:
        if (U_WMRRESTOREDC_get(C, &Level)) DC.RestoreDC(Level);
        break;
    case U_WMR_INTERSECTCLIPRECT:
        if (U_WMRINTERSECTCLIPRECT_get(C, &Box))
            DC.IntersectClip(
                {double(Box.left), double(Box.top), double(Box.right), double(Box.bottom)});
        break;
    case U_WMR_SELECTCLIPREGION:
        DC.ResetClip();
        break; // regions are not kept
    default:
        return false;
    }
    return true;
}
