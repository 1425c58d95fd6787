// Area fills of the metafile output: rectangles, gradients and bitmaps.

#include "platform/wmf/WmfOutput.h"

#include "platform/graphics/Canvas.h"

#include <cmath>

namespace {

// Ternary raster operations that blits use.
constexpr uint32_t SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                   PATCOPY = 0x00F00021, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
                   DSTINVERT = 0x00550009, NOP = 0x00AA0029;

// Makes pixels of Key transparent: what a blit leaves unchanged where it
// combines the source with the destination (white under AND, black under OR
// and XOR).
QImage KeyedOut(const QImage& Image, QRgb Key) {
    QImage Out = Image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < Out.height(); ++y) {
        auto* Row = reinterpret_cast<QRgb*>(Out.scanLine(y));
        for (int x = 0; x < Out.width(); ++x)
            if ((Row[x] & 0xFFFFFF) == (Key & 0xFFFFFF)) Row[x] = 0;
    }
    return Out;
}

TColor Mix(TColor A, TColor B, TColor C, double Wa, double Wb, double Wc) {
    auto Channel = [&](int Shift) {
        const double V =
            ((A >> Shift) & 0xFF) * Wa + ((B >> Shift) & 0xFF) * Wb + ((C >> Shift) & 0xFF) * Wc;
        return static_cast<TColor>(std::clamp(std::lround(V), 0L, 255L)) << Shift;
    };
    return Channel(0) | Channel(8) | Channel(16);
}

} // namespace

void TWmfOutput::FillRect(const TWmfRect& Box, std::optional<TColor> Color) {
    if (FRecording || !Spend(4)) return;
    const TWmfRect B = Box.Normalized();
    if (!FDC.LogicalToOutput().AxisAligned()) {
        const std::vector<TWmfPoint> Corners{
            {B.Left, B.Top}, {B.Right, B.Top}, {B.Right, B.Bottom}, {B.Left, B.Bottom}};
        const std::vector<TPoint> Out = Fixed(Map(Corners));
        SyncClip();
        ApplyNullPen();
        if (Color)
            ApplySolidBrush(*Color);
        else
            ApplyBrush();
        return FCanvas.Polygon(Out);
    }
    const TRect R = Fixed(FDC.BoundsToOutput(B));
    SyncClip();
    if (Color) {
        ApplySolidBrush(*Color);
        return FCanvas.FillRect(R);
    }
    const TWmfState& S = FDC.State();
    if (S.Brush.Style == TWmfBrushStyle::Null) return;
    if (S.Brush.Style == TWmfBrushStyle::Hatched && S.BkOpaque) {
        ApplySolidBrush(S.BkColor);
        FCanvas.FillRect(R);
    }
    ApplyBrush();
    FCanvas.FillRect(R);
}

void TWmfOutput::GradientRect(const TWmfRect& Box, TColor From, TColor To, bool Vertical) {
    if (FRecording || !Spend(4)) return;
    const TWmfPoint A = FDC.ToOutput({Box.Left, Box.Top});
    const TWmfPoint B = FDC.ToOutput({Box.Right, Box.Bottom});
    // A mirroring mapping runs the blend the other way on screen.
    if (Vertical ? B.Y < A.Y : B.X < A.X) std::swap(From, To);
    SyncClip();
    FCanvas.GradientFillRect(Fixed(FDC.BoundsToOutput(Box.Normalized())), From, To, Vertical);
}

void TWmfOutput::GradientTriangle(const TWmfPoint (&P)[3], const TColor (&C)[3]) {
    if (FRecording) return;
    const TWmfPoint O[3] = {FDC.ToOutput(P[0]), FDC.ToOutput(P[1]), FDC.ToOutput(P[2])};
    double Side = 0;
    for (int i = 0; i < 3; ++i)
        Side = std::max(Side, std::hypot(O[i].X - O[(i + 1) % 3].X, O[i].Y - O[(i + 1) % 3].Y));
    // Sub-triangles of about four pixels, at most 16 per side.
    const int N = static_cast<int>(std::clamp(std::ceil(Side / 4), 1.0, 16.0));
    if (!Spend(static_cast<size_t>(N * N * 3))) return;
    auto At = [&](double a, double b) {
        const double c = N - a - b;
        return TWmfPoint{(O[0].X * a + O[1].X * b + O[2].X * c) / N,
                         (O[0].Y * a + O[1].Y * b + O[2].Y * c) / N};
    };
    auto Flat = [&](TWmfPoint A, TWmfPoint B, TWmfPoint Cc, double a, double b) {
        const double c = N - a - b;
        ApplySolidBrush(Mix(C[0], C[1], C[2], a / N, b / N, c / N));
        FCanvas.Polygon({Fixed(A), Fixed(B), Fixed(Cc)});
    };
    SyncClip();
    ApplyNullPen();
    for (int i = 0; i < N; ++i)
        for (int j = 0; i + j < N; ++j) {
            Flat(At(i, j), At(i + 1, j), At(i, j + 1), i + 1.0 / 3, j + 1.0 / 3);
            if (i + j + 1 < N)
                Flat(At(i + 1, j), At(i + 1, j + 1), At(i, j + 1), i + 2.0 / 3, j + 2.0 / 3);
        }
}

void TWmfOutput::StretchImage(const TWmfRect& Dest, const QImage& Image, const QRect& Source,
                              uint32_t Rop, std::optional<QRgb> TransparentKey) {
    if (FRecording || !Spend(4)) return;
    switch (Rop) {
    case NOP:
    case DSTINVERT:
        return;
    case BLACKNESS:
        return FillRect(Dest, 0x000000);
    case WHITENESS:
        return FillRect(Dest, 0xFFFFFF);
    case PATCOPY:
        return FillRect(Dest);
    default:
        break;
    }
    if (Image.isNull()) return;
    const QRect Part = Source.normalized().intersected(Image.rect());
    if (Part.isEmpty()) return;
    const TWmfPoint A = FDC.ToOutput({Dest.Left, Dest.Top});
    const TWmfPoint B = FDC.ToOutput({Dest.Right, Dest.Bottom});
    QImage Piece = Image.copy(Part).mirrored(B.X < A.X, B.Y < A.Y);
    // Every other operation copies the source.
    if (Rop == SRCAND) Piece = KeyedOut(Piece, qRgb(255, 255, 255));
    if (Rop == SRCPAINT || Rop == SRCINVERT) Piece = KeyedOut(Piece, qRgb(0, 0, 0));
    if (TransparentKey) Piece = KeyedOut(Piece, *TransparentKey);
    SyncClip();
    FCanvas.DrawImage(Fixed(FDC.BoundsToOutput(Dest.Normalized())), Piece);
}
