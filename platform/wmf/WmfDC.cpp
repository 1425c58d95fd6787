#include "platform/wmf/WmfDC.h"

#include <cmath>

namespace {

constexpr int MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5,
              MM_TWIPS = 6, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8;

// Logical units per millimetre of the fixed-scale mapping modes.
double UnitsPerMm(int Mode) {
    switch (Mode) {
    case MM_LOMETRIC:
        return 10;
    case MM_HIMETRIC:
        return 100;
    case MM_LOENGLISH:
        return 100 / 25.4;
    case MM_HIENGLISH:
        return 1000 / 25.4;
    case MM_TWIPS:
        return 1440 / 25.4;
    default:
        return 0;
    }
}

// Keeps extents finite and away from zero so the mapping stays invertible.
double SaneExtent(double V) {
    if (!std::isfinite(V) || V == 0) return 1;
    return std::clamp(V, -1e9, 1e9);
}

TWmfPen StockPen(uint32_t Stock) {
    TWmfPen Pen;
    if (Stock == 6) Pen.Color = 0xFFFFFF;           // WHITE_PEN
    if (Stock == 8) Pen.Style = TWmfPenStyle::Null; // NULL_PEN
    return Pen;
}

TWmfBrush StockBrush(uint32_t Stock) {
    static const TColor Greys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
    TWmfBrush Brush;
    if (Stock == 5)
        Brush.Style = TWmfBrushStyle::Null;
    else
        Brush.Color = Greys[Stock];
    return Brush;
}

TWmfFont StockFont(uint32_t Stock) {
    TWmfFont Font;
    const bool Fixed = Stock == 10 || Stock == 11 || Stock == 16;
    Font.Face = Fixed ? "Courier New" : "Arial";
    Font.Height = Stock == 17 ? -11 : 16;
    Font.Weight = Stock == 13 || Stock == 16 ? 700 : 400;
    return Font;
}

} // namespace

TWmfDC::TWmfDC(const TWmfXform& DeviceToOutput, TWmfPoint PixelsPerMm, uint32_t ObjectSlots)
    : FDeviceToOutput(DeviceToOutput), FPixelsPerMm(PixelsPerMm), FObjects(ObjectSlots) {
    FState.Font = StockFont(13);
    UpdateMapping();
}

void TWmfDC::SaveDC() {
    // Beyond the cap only the depth is counted, so a flood of SaveDC records
    // costs no memory and the matching RestoreDC records stay balanced.
    if (FSaved.size() < MaxSavedStates)
        FSaved.push_back(FState);
    else
        ++FOverflow;
}

void TWmfDC::RestoreDC(int32_t Level) {
    if (Level < 0) {
        const uint64_t Pops = static_cast<uint64_t>(-static_cast<int64_t>(Level));
        const uint64_t FromOverflow = std::min<uint64_t>(Pops, FOverflow);
        FOverflow -= FromOverflow;
        const uint64_t Rest = Pops - FromOverflow;
        if (Rest == 0 || Rest > FSaved.size()) return;
        Level = static_cast<int32_t>(FSaved.size() - Rest + 1);
    }
    if (Level <= 0 || static_cast<size_t>(Level) > FSaved.size()) return;
    FState = FSaved[static_cast<size_t>(Level) - 1];
    FSaved.resize(static_cast<size_t>(Level) - 1);
    FOverflow = 0;
    UpdateMapping();
}

void TWmfDC::PutObject(uint32_t Index, TWmfObject Object) {
    if (ValidSlot(Index)) FObjects[Index] = std::move(Object);
}

void TWmfDC::AddObject(TWmfObject Object) {
    for (auto& Slot : FObjects)
        if (!Slot) {
            Slot = std::move(Object);
            return;
        }
}

void TWmfDC::DeleteObject(uint32_t Index) {
    if (ValidSlot(Index)) FObjects[Index].reset();
}

void TWmfDC::SelectObject(uint32_t Index) {
    if (Index & 0x80000000u) return SelectStockObject(Index & 0x7FFFFFFFu);
    if (!ValidSlot(Index) || !FObjects[Index]) return;
    const TWmfObject& Object = *FObjects[Index];
    if (auto* Pen = std::get_if<TWmfPen>(&Object)) FState.Pen = *Pen;
    if (auto* Brush = std::get_if<TWmfBrush>(&Object)) FState.Brush = *Brush;
    if (auto* Font = std::get_if<TWmfFont>(&Object)) FState.Font = *Font;
}

void TWmfDC::SelectStockObject(uint32_t Stock) {
    if (Stock <= 5)
        FState.Brush = StockBrush(Stock);
    else if (Stock <= 8)
        FState.Pen = StockPen(Stock);
    else if (Stock >= 10 && Stock <= 17 && Stock != 15)
        FState.Font = StockFont(Stock);
    else if (Stock == 18) // DC_BRUSH
        FState.Brush = StockBrush(0);
    else if (Stock == 19) // DC_PEN
        FState.Pen = StockPen(7);
}

void TWmfDC::SetMapMode(int Mode) {
    if (Mode < MM_TEXT || Mode > MM_ANISOTROPIC) return;
    FState.MapMode = Mode;
    UpdateMapping();
}

void TWmfDC::SetWindowOrg(TWmfPoint P) {
    FState.WindowOrg = P;
    UpdateMapping();
}

void TWmfDC::SetWindowExt(TWmfPoint P) {
    // Fixed-scale modes ignore extents, as GDI does.
    if (FState.MapMode < MM_ISOTROPIC) return;
    FState.WindowExt = {SaneExtent(P.X), SaneExtent(P.Y)};
    UpdateMapping();
}

void TWmfDC::SetViewportOrg(TWmfPoint P) {
    FState.ViewportOrg = P;
    UpdateMapping();
}

void TWmfDC::SetViewportExt(TWmfPoint P) {
    if (FState.MapMode < MM_ISOTROPIC) return;
    FState.ViewportExt = {SaneExtent(P.X), SaneExtent(P.Y)};
    UpdateMapping();
}

void TWmfDC::ScaleWindowExt(double XNum, double XDenom, double YNum, double YDenom) {
    if (XDenom == 0 || YDenom == 0) return;
    SetWindowExt({FState.WindowExt.X * XNum / XDenom, FState.WindowExt.Y * YNum / YDenom});
}

void TWmfDC::ScaleViewportExt(double XNum, double XDenom, double YNum, double YDenom) {
    if (XDenom == 0 || YDenom == 0) return;
    SetViewportExt({FState.ViewportExt.X * XNum / XDenom, FState.ViewportExt.Y * YNum / YDenom});
}

void TWmfDC::SetWorldTransform(const TWmfXform& X) {
    if (!X.Usable()) return;
    FState.World = X;
    UpdateMapping();
}

void TWmfDC::ModifyWorldTransform(const TWmfXform& X, uint32_t Mode) {
    TWmfXform Result;
    switch (Mode) {
    case 1:
        break;
    case 2:
        Result = X.Then(FState.World);
        break;
    case 3:
        Result = FState.World.Then(X);
        break;
    case 4:
        Result = X;
        break;
    default:
        return;
    }
    SetWorldTransform(Result);
}

void TWmfDC::UpdateMapping() {
    const TWmfState& S = FState;
    double Sx = 1, Sy = 1;
    if (const double Units = UnitsPerMm(S.MapMode); Units > 0) {
        // Metric and English modes: y grows upwards.
        Sx = FPixelsPerMm.X / Units;
        Sy = -FPixelsPerMm.Y / Units;
    } else if (S.MapMode == MM_ISOTROPIC || S.MapMode == MM_ANISOTROPIC) {
        Sx = S.ViewportExt.X / S.WindowExt.X;
        Sy = S.ViewportExt.Y / S.WindowExt.Y;
        if (S.MapMode == MM_ISOTROPIC) {
            const double Min = std::min(std::fabs(Sx), std::fabs(Sy));
            Sx = std::copysign(Min, Sx);
            Sy = std::copysign(Min, Sy);
        }
    }
    const TWmfXform Page = TWmfXform::Scale(Sx, Sy, S.ViewportOrg.X - S.WindowOrg.X * Sx,
                                            S.ViewportOrg.Y - S.WindowOrg.Y * Sy);
    const TWmfXform Mapping = S.World.Then(Page).Then(FDeviceToOutput);
    if (Mapping.Usable()) FMapping = Mapping;
}

TWmfRect TWmfDC::BoundsToOutput(const TWmfRect& Logical) const {
    const TWmfPoint Corners[] = {
        ToOutput({Logical.Left, Logical.Top}), ToOutput({Logical.Right, Logical.Top}),
        ToOutput({Logical.Left, Logical.Bottom}), ToOutput({Logical.Right, Logical.Bottom})};
    TWmfRect R{Corners[0].X, Corners[0].Y, Corners[0].X, Corners[0].Y};
    for (const TWmfPoint& C : Corners) {
        R.Left = std::min(R.Left, C.X);
        R.Top = std::min(R.Top, C.Y);
        R.Right = std::max(R.Right, C.X);
        R.Bottom = std::max(R.Bottom, C.Y);
    }
    return R;
}

double TWmfDC::PenWidth() const {
    const TWmfPen& Pen = FState.Pen;
    if (Pen.Cosmetic || Pen.Width <= 0) return 1;
    return std::max(1.0, std::fabs(Pen.Width) * FMapping.LengthScale());
}

double TWmfDC::FontHeight() const {
    // Heights follow the vertical scale of the mapping (with any rotation).
    const double Scale = std::hypot(FMapping.M21, FMapping.M22);
    return FState.Font.Height * Scale;
}

void TWmfDC::IntersectClip(const TWmfRect& Logical) {
    const TWmfRect R = BoundsToOutput(Logical.Normalized());
    FState.Clip = FState.Clip ? FState.Clip->Intersect(R) : R;
}
