// Object records of enhanced metafiles: creating, selecting and deleting
// pens, brushes, fonts and the objects that only take a slot.

#include "platform/wmf/EmfPlayer.h"

#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfObjects.h"
#include "platform/wmf/WmfText.h"

#include <uemf.h>

namespace {

// A LOGFONTW as the font records carry it (the face name is UTF-16).
TWmfFont FontOf(const U_LOGFONT& Lf) {
    TWmfFont Font;
    Font.Height = Lf.lfHeight;
    Font.Width = Lf.lfWidth;
    Font.Escapement = Lf.lfEscapement;
    Font.Weight = Lf.lfWeight;
    Font.Italic = Lf.lfItalic != 0;
    Font.Underline = Lf.lfUnderline != 0;
    Font.StrikeOut = Lf.lfStrikeOut != 0;
    Font.CharSet = Lf.lfCharSet;
    Font.Face = FaceNameFromUtf16(reinterpret_cast<const uint8_t*>(Lf.lfFaceName), U_LF_FACESIZE);
    return Font;
}

// A DIB given by offsets and sizes within the record; empty when they lie.
QImage RecordDib(const TWmfRecord& R, uint32_t OffBmi, uint32_t CbBmi, uint32_t OffBits,
                 uint32_t CbBits, uint32_t Usage, bool* BottomUp = nullptr) {
    const TWmfBytes Info = R.Bytes(OffBmi, CbBmi), Bits = R.Bytes(OffBits, CbBits);
    if (!Info.Data || !Bits.Data) return {};
    return DecodeDib(Info, Bits, Usage == U_DIB_PAL_COLORS, BottomUp);
}

} // namespace

bool TEmfPlayer::PlayObjectRecord(uint32_t Type, const TWmfRecord& R) {
    TWmfDC& DC = *FDC;
    const uint32_t Index = R.Get<uint32_t>(8);
    switch (Type) {
    case U_EMR_SELECTOBJECT:
        DC.SelectObject(Index);
        break;
    case U_EMR_DELETEOBJECT:
        DC.DeleteObject(Index);
        break;
    case U_EMR_CREATEPEN: {
        const U_LOGPEN P = R.Get<U_LOGPEN>(12);
        DC.PutObject(Index, MakePen(P.lopnStyle, P.lopnWidth.x, ColorOf(P.lopnColor)));
        break;
    }
    case U_EMR_EXTCREATEPEN: {
        U_EXTLOGPEN P;
        if (!R.Read(28, P, U_SIZE_EXTLOGPEN)) break;
        DC.PutObject(Index,
                     MakeExtPen(P.elpPenStyle, P.elpWidth, P.elpBrushStyle, ColorOf(P.elpColor)));
        break;
    }
    case U_EMR_CREATEBRUSHINDIRECT: {
        const U_LOGBRUSH B = R.Get<U_LOGBRUSH>(12);
        DC.PutObject(Index, MakeBrush(B.lbStyle, ColorOf(B.lbColor), B.lbHatch));
        break;
    }
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT: {
        // Patterns paint as their average colour.
        const QImage Pattern =
            RecordDib(R, R.Get<uint32_t>(16), R.Get<uint32_t>(20), R.Get<uint32_t>(24),
                      R.Get<uint32_t>(28), R.Get<uint32_t>(12));
        TWmfBrush Brush;
        Brush.Color = Pattern.isNull() ? 0x808080 : static_cast<TColor>(AverageColor(Pattern));
        DC.PutObject(Index, Brush);
        break;
    }
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        U_LOGFONT Lf;
        if (R.Read(12, Lf)) DC.PutObject(Index, FontOf(Lf));
        break;
    }
    case U_EMR_CREATEPALETTE:
    case U_EMR_CREATECOLORSPACE:
    case U_EMR_CREATECOLORSPACEW:
        DC.PutObject(Index, TWmfOther{});
        break;
    default:
        return false;
    }
    return true;
}

bool TEmfPlayer::PlayBitmapRecord(uint32_t Type, const TWmfRecord& R) {
    switch (Type) {
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_ALPHABLEND:
    case U_EMR_TRANSPARENTBLT:
        PlayBlit(Type, R);
        break;
    case U_EMR_STRETCHDIBITS:
        PlayStretchDIBits(R);
        break;
    case U_EMR_SETDIBITSTODEVICE:
        PlaySetDIBitsToDevice(R);
        break;
    case U_EMR_GRADIENTFILL:
        PlayGradientFill(R);
        break;
    default:
        return false;
    }
    return true;
}

void TEmfPlayer::PlayBlit(uint32_t Type, const TWmfRecord& R) {
    // BITBLT, STRETCHBLT, ALPHABLEND and TRANSPARENTBLT share their layout up
    // to the source size, which BITBLT lacks.
    U_EMRSTRETCHBLT B;
    if (!R.Read(0, B, Type == U_EMR_BITBLT ? U_SIZE_EMRBITBLT : U_SIZE_EMRSTRETCHBLT)) return;
    const TWmfRect Dest{double(B.Dest.x), double(B.Dest.y), double(B.Dest.x) + B.cDest.x,
                        double(B.Dest.y) + B.cDest.y};
    const uint32_t Rop = Type == U_EMR_BITBLT || Type == U_EMR_STRETCHBLT ? B.dwRop : 0x00CC0020;
    if (B.cbBmiSrc == 0) return FOut->StretchImage(Dest, QImage(), QRect(), Rop);
    bool BottomUp = true;
    const QImage Image =
        RecordDib(R, B.offBmiSrc, B.cbBmiSrc, B.offBitsSrc, B.cbBitsSrc, B.iUsageSrc, &BottomUp);
    if (Image.isNull()) return;
    const int Cx = Type == U_EMR_BITBLT ? B.cDest.x : B.cSrc.x;
    const int Cy = Type == U_EMR_BITBLT ? B.cDest.y : B.cSrc.y;
    // Blits from a bitmap count source rows from its top.
    const QRect Source = BlitSource(Image, B.Src.x, B.Src.y, Cx, Cy, false);
    std::optional<QRgb> Key;
    if (Type == U_EMR_TRANSPARENTBLT) {
        const uint32_t C = B.dwRop; // the transparent colour takes the place of the operation
        Key = qRgb(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
    }
    FOut->StretchImage(Dest, Image, Source, Rop, Key);
}

void TEmfPlayer::PlayStretchDIBits(const TWmfRecord& R) {
    U_EMRSTRETCHDIBITS B;
    if (!R.Read(0, B)) return;
    const TWmfRect Dest{double(B.Dest.x), double(B.Dest.y), double(B.Dest.x) + B.cDest.x,
                        double(B.Dest.y) + B.cDest.y};
    if (B.cbBmiSrc == 0) return FOut->StretchImage(Dest, QImage(), QRect(), B.dwRop);
    bool BottomUp = true;
    const QImage Image =
        RecordDib(R, B.offBmiSrc, B.cbBmiSrc, B.offBitsSrc, B.cbBitsSrc, B.iUsageSrc, &BottomUp);
    if (Image.isNull()) return;
    // In a bottom-up DIB the source rectangle counts from the bottom row.
    FOut->StretchImage(Dest, Image,
                       BlitSource(Image, B.Src.x, B.Src.y, B.cSrc.x, B.cSrc.y, BottomUp), B.dwRop);
}

void TEmfPlayer::PlaySetDIBitsToDevice(const TWmfRecord& R) {
    U_EMRSETDIBITSTODEVICE B;
    if (!R.Read(0, B)) return;
    bool BottomUp = true;
    const QImage Image =
        RecordDib(R, B.offBmiSrc, B.cbBmiSrc, B.offBitsSrc, B.cbBitsSrc, B.iUsageSrc, &BottomUp);
    if (Image.isNull()) return;
    const TWmfRect Dest{double(B.Dest.x), double(B.Dest.y), double(B.Dest.x) + B.cSrc.x,
                        double(B.Dest.y) + B.cSrc.y};
    FOut->StretchImage(
        Dest, Image, BlitSource(Image, B.Src.x, B.Src.y, B.cSrc.x, B.cSrc.y, BottomUp), 0x00CC0020);
}
