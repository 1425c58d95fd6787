// Text output of the metafile player.

#include "platform/wmf/WmfOutput.h"

#include "platform/base/Cp1251.h"
#include "platform/graphics/Canvas.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr unsigned TA_UPDATECP = 1;
constexpr uint32_t ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4, ETO_GLYPH_INDEX = 0x10;

// The canvas draws code page 1251 text; characters outside it show as '?'.
AnsiString ToCanvasText(const std::u16string& Text) {
    AnsiString Out;
    Out.reserve(Text.size());
    for (char16_t C : Text) {
        unsigned char Byte = '?';
        if (!UnicodeToCp1251(C, Byte)) Byte = '?';
        Out += static_cast<char>(Byte);
    }
    return Out;
}

} // namespace

void TWmfOutput::ApplyFont() {
    const TWmfState& S = FDC.State();
    const TWmfXform& M = FDC.LogicalToOutput();
    LOGFONTA Lf;
    const double Height = FDC.FontHeight();
    // Height 0 asks for the default size.
    Lf.lfHeight = Height == 0 ? -12 * Precision : Fixed(Height);
    Lf.lfWidth = Fixed(std::fabs(S.Font.Width * std::hypot(M.M11, M.M12)));
    Lf.lfEscapement = S.Font.Escapement;
    Lf.lfOrientation = S.Font.Escapement;
    Lf.lfWeight = S.Font.Weight;
    Lf.lfItalic = S.Font.Italic;
    Lf.lfUnderline = S.Font.Underline;
    Lf.lfStrikeOut = S.Font.StrikeOut;
    Lf.lfCharSet = S.Font.CharSet;
    const AnsiString Face = Utf8ToCp1251(S.Font.Face);
    std::memcpy(Lf.lfFaceName, Face.data(), std::min<size_t>(Face.size(), LF_FACESIZE - 1));
    TFont& Font = FCanvas.Font();
    if (!(Font.LogFont() == Lf)) Font.SetLogFont(Lf);
    if (Font.Color() != S.TextColor) Font.SetColor(S.TextColor);
    // The canvas draws text over a solid brush: the background mode.
    if (S.BkOpaque)
        ApplySolidBrush(S.BkColor);
    else if (FCanvas.Brush().Style() != bsClear || FCanvas.Brush().HasPattern()) {
        FCanvas.Brush().ClearPattern();
        FCanvas.Brush().SetStyle(bsClear);
    }
}

void TWmfOutput::TextRun(TWmfPoint Origin, const std::u16string& Text, unsigned Align) {
    if (FCanvas.TextAlign() != Align) FCanvas.SetTextAlign(Align);
    const TPoint P = Fixed(Origin);
    FCanvas.TextOut(P.X, P.Y, ToCanvasText(Text));
}

void TWmfOutput::Text(TWmfPoint Reference, const std::u16string& Text,
                      const std::vector<double>& Advances, uint32_t Options,
                      std::optional<TWmfRect> Box) {
    if (FRecording || (Options & ETO_GLYPH_INDEX) || !Spend(Text.size())) return;
    TWmfState& S = FDC.State();
    const bool UpdateCP = S.TextAlign & TA_UPDATECP;
    const TWmfPoint Ref = UpdateCP ? S.Position : Reference;
    if (Box && (Options & ETO_OPAQUE)) FillRect(*Box, S.BkColor);
    if (Text.empty()) return;
    if (Box && (Options & ETO_CLIPPED)) {
        const TWmfRect R = FDC.BoundsToOutput(Box->Normalized());
        ApplyClip(S.Clip ? S.Clip->Intersect(R) : R);
    } else {
        SyncClip();
    }
    ApplyFont();
    const unsigned Vertical = S.TextAlign & TA_BASELINE;
    const unsigned Horizontal = S.TextAlign & TA_CENTER;
    const TWmfXform& M = FDC.LogicalToOutput();
    const TWmfPoint Origin = FDC.ToOutput(Ref);
    double Total = 0; // logical advance of the whole string
    if (Advances.empty()) {
        TextRun(Origin, Text, Horizontal | Vertical);
        Total = FCanvas.TextWidth(ToCanvasText(Text)) / static_cast<double>(Precision) /
                std::max(1e-9, std::hypot(M.M11, M.M12));
    } else {
        // Each character at the position its advance gives, along the
        // escapement direction, as the record laid them out.
        for (size_t i = 0; i < Text.size() && i < Advances.size(); ++i)
            Total += Advances[i];
        const double Angle = S.Font.Escapement / 10.0 * std::numbers::pi / 180;
        const double Scale = std::hypot(M.M11, M.M12);
        const TWmfPoint Dir{std::cos(Angle) * Scale, -std::sin(Angle) * Scale};
        double At = Horizontal == TA_RIGHT ? -Total : Horizontal == TA_CENTER ? -Total / 2 : 0;
        for (size_t i = 0; i < Text.size(); ++i) {
            TextRun({Origin.X + Dir.X * At, Origin.Y + Dir.Y * At}, Text.substr(i, 1),
                    TA_LEFT | Vertical);
            At += i < Advances.size() ? Advances[i] : 0;
        }
    }
    if (UpdateCP) S.Position.X += Horizontal == TA_RIGHT ? -Total : Total;
}
