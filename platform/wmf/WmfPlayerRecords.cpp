// Object, drawing, text and bitmap records of Windows metafiles.

#include "platform/wmf/WmfPlayer.h"

#include "platform/wmf/WmfDib.h"
#include "platform/wmf/WmfObjects.h"
#include "platform/wmf/WmfText.h"

#include <uwmf.h>

namespace {

constexpr uint16_t BS_DIBPATTERN = 5, BS_DIBPATTERNPT = 6;
constexpr uint16_t ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4;

const char* Chars(const uint8_t* P) {
    return reinterpret_cast<const char*>(P);
}

TWmfPoint PointOf(const U_POINT16& P) {
    return {double(P.x), double(P.y)};
}

TWmfRect RectOf(const U_RECT16& R) {
    return {double(R.left), double(R.top), double(R.right), double(R.bottom)};
}

TWmfRect RectAt(TWmfPoint Origin, const U_POINT16& Size) {
    return {Origin.X, Origin.Y, Origin.X + Size.x, Origin.Y + Size.y};
}

// A LOGFONT with a single-byte face name, as WMF font records carry it.
TWmfFont FontOf(const TWmfRecord& R) {
    TWmfFont Font;
    Font.Height = R.Get<int16_t>(6);
    Font.Width = R.Get<int16_t>(8);
    Font.Escapement = R.Get<int16_t>(10);
    Font.Weight = R.Get<int16_t>(14);
    Font.Italic = R.Get<uint8_t>(16) != 0;
    Font.Underline = R.Get<uint8_t>(17) != 0;
    Font.StrikeOut = R.Get<uint8_t>(18) != 0;
    Font.CharSet = R.Get<uint8_t>(19);
    const uint64_t FaceAt = 6 + U_SIZE_FONT_CORE;
    const size_t FaceBytes = R.Size() > FaceAt ? std::min<size_t>(R.Size() - FaceAt, 32) : 0;
    Font.Face = FaceNameFromAnsi(R.Data() + FaceAt, FaceBytes, Font.CharSet);
    return Font;
}

} // namespace

bool TWmfPlayer::PlayObjectRecord(uint8_t Function, const TWmfRecord& R) {
    TWmfDC& DC = *FDC;
    switch (Function) {
    case U_WMR_SELECTOBJECT:
        DC.SelectObject(R.Get<uint16_t>(6));
        break;
    case U_WMR_DELETEOBJECT:
        DC.DeleteObject(R.Get<uint16_t>(6));
        break;
    case U_WMR_CREATEPENINDIRECT: {
        U_PEN Pen;
        if (!U_WMRCREATEPENINDIRECT_get(Chars(R.Data()), &Pen)) break;
        DC.AddObject(MakePen(Pen.Style, static_cast<int16_t>(Pen.Widthw[0]), ColorOf(Pen.Color)));
        break;
    }
    case U_WMR_CREATEBRUSHINDIRECT:
        if (!R.Has(6, U_SIZE_WLOGBRUSH)) break;
        DC.AddObject(
            MakeBrush(R.Get<uint16_t>(6), ColorOf(R.Get<uint32_t>(8)), R.Get<uint16_t>(12)));
        break;
    case U_WMR_DIBCREATEPATTERNBRUSH: {
        // Patterns paint as their average colour.
        const uint16_t Style = R.Get<uint16_t>(6), Usage = R.Get<uint16_t>(8);
        QImage Pattern;
        if (Style == BS_DIBPATTERN || Style == BS_DIBPATTERNPT)
            Pattern = DecodePackedDib(R.Bytes(10, R.Size() > 10 ? R.Size() - 10 : 0),
                                      Usage == U_DIB_PAL_COLORS);
        TWmfBrush Brush;
        Brush.Color = Pattern.isNull() ? 0x808080 : static_cast<TColor>(AverageColor(Pattern));
        DC.AddObject(Brush);
        break;
    }
    case U_WMR_CREATEPATTERNBRUSH: {
        TWmfBrush Grey;
        Grey.Color = 0x808080;
        DC.AddObject(Grey);
        break;
    }
    case U_WMR_CREATEFONTINDIRECT:
        if (R.Has(6, U_SIZE_FONT_CORE)) DC.AddObject(FontOf(R));
        break;
    case U_WMR_CREATEPALETTE:
    case U_WMR_CREATEREGION:
    case U_WMR_CREATEBITMAP:
    case U_WMR_CREATEBITMAPINDIRECT:
        DC.AddObject(TWmfOther{});
        break;
    default:
        return false;
    }
    return true;
}

bool TWmfPlayer::PlayShapeRecord(uint8_t Function, const TWmfRecord& R) {
    TWmfOutput& Out = *FOut;
    const char* C = Chars(R.Data());
    U_POINT16 P{}, Q{};
    U_RECT16 Box{};
    U_COLORREF Color{};
    int16_t W = 0, H = 0;
    uint16_t Mode = 0;
    std::vector<TWmfPoint> Points;
    switch (Function) {
    case U_WMR_MOVETO:
        if (U_WMRMOVETO_get(C, &P)) Out.MoveTo(PointOf(P));
        break;
    case U_WMR_LINETO:
        if (U_WMRLINETO_get(C, &P)) Out.LineTo(PointOf(P));
        break;
    case U_WMR_POLYGON:
    case U_WMR_POLYLINE:
        if (!R.Points16(8, R.Get<uint16_t>(6), Points)) break;
        if (Function == U_WMR_POLYGON)
            Out.Polygon(Points);
        else
            Out.Polyline(Points);
        break;
    case U_WMR_POLYPOLYGON:
        PlayPolyPolygon(R);
        break;
    case U_WMR_RECTANGLE:
        if (U_WMRRECTANGLE_get(C, &Box)) Out.Rectangle(RectOf(Box));
        break;
    case U_WMR_ELLIPSE:
        if (U_WMRELLIPSE_get(C, &Box)) Out.Ellipse(RectOf(Box));
        break;
    case U_WMR_ROUNDRECT:
        if (U_WMRROUNDRECT_get(C, &W, &H, &Box)) Out.RoundRect(RectOf(Box), {double(W), double(H)});
        break;
    case U_WMR_ARC:
        if (U_WMRARC_get(C, &P, &Q, &Box))
            Out.Arc(TWmfOutput::akArc, RectOf(Box), PointOf(P), PointOf(Q));
        break;
    case U_WMR_PIE:
        if (U_WMRPIE_get(C, &P, &Q, &Box))
            Out.Arc(TWmfOutput::akPie, RectOf(Box), PointOf(P), PointOf(Q));
        break;
    case U_WMR_CHORD:
        if (U_WMRCHORD_get(C, &P, &Q, &Box))
            Out.Arc(TWmfOutput::akChord, RectOf(Box), PointOf(P), PointOf(Q));
        break;
    case U_WMR_SETPIXEL:
        if (U_WMRSETPIXEL_get(C, &Color, &P)) Out.SetPixel(PointOf(P), ColorOf(Color));
        break;
    case U_WMR_FLOODFILL:
        if (U_WMRFLOODFILL_get(C, &Mode, &Color, &P))
            Out.FloodFill(PointOf(P), ColorOf(Color), false);
        break;
    case U_WMR_EXTFLOODFILL:
        if (U_WMREXTFLOODFILL_get(C, &Mode, &Color, &P))
            Out.FloodFill(PointOf(P), ColorOf(Color), Mode == U_FLOODFILLSURFACE);
        break;
    case U_WMR_TEXTOUT:
        PlayTextOut(R);
        break;
    case U_WMR_EXTTEXTOUT:
        PlayExtTextOut(R);
        break;
    default:
        return false;
    }
    return true;
}

void TWmfPlayer::PlayPolyPolygon(const TWmfRecord& R) {
    const uint16_t Polys = R.Get<uint16_t>(6);
    if (!R.Has(8, uint64_t{Polys} * 2)) return;
    std::vector<std::vector<TWmfPoint>> Parts;
    uint64_t At = 8 + uint64_t{Polys} * 2;
    for (uint16_t i = 0; i < Polys; ++i) {
        std::vector<TWmfPoint> Points;
        const uint16_t N = R.Get<uint16_t>(8 + uint64_t{i} * 2);
        if (!R.Points16(At, N, Points)) return;
        Parts.push_back(std::move(Points));
        At += uint64_t{N} * 4;
    }
    FOut->PolyPolygon(Parts);
}

void TWmfPlayer::PlayTextOut(const TWmfRecord& R) {
    const int16_t Length = R.Get<int16_t>(6);
    if (Length <= 0) return;
    const uint64_t After = 8 + ((static_cast<uint64_t>(Length) + 1) & ~uint64_t{1});
    const TWmfBytes Text = R.Bytes(8, static_cast<uint64_t>(Length));
    if (!Text.Data || !R.Has(After, 4)) return;
    const TWmfPoint At{double(R.Get<int16_t>(After + 2)), double(R.Get<int16_t>(After))};
    FOut->Text(At, DecodeAnsiText(Text.Data, Text.Size, FDC->State().Font.CharSet), {}, 0, {});
}

void TWmfPlayer::PlayExtTextOut(const TWmfRecord& R) {
    const TWmfPoint At{double(R.Get<int16_t>(8)), double(R.Get<int16_t>(6))};
    const int16_t Count = R.Get<int16_t>(10);
    const uint16_t Options = R.Get<uint16_t>(12);
    uint64_t TextAt = 14;
    std::optional<TWmfRect> Box;
    if (Options & (ETO_OPAQUE | ETO_CLIPPED)) {
        Box = TWmfRect{double(R.Get<int16_t>(14)), double(R.Get<int16_t>(16)),
                       double(R.Get<int16_t>(18)), double(R.Get<int16_t>(20))};
        TextAt += 8;
    }
    if (Count < 0) return;
    const TWmfBytes Text = R.Bytes(TextAt, static_cast<uint64_t>(Count));
    if (!Text.Data) return;
    // The advances that may follow the (even-padded) string.
    std::vector<double> Advances;
    const uint64_t DxAt = TextAt + ((static_cast<uint64_t>(Count) + 1) & ~uint64_t{1});
    if (R.Has(DxAt, uint64_t(Count) * 2))
        for (int16_t i = 0; i < Count; ++i)
            Advances.push_back(R.Get<int16_t>(DxAt + i * 2));
    FOut->Text(At, DecodeAnsiText(Text.Data, Text.Size, FDC->State().Font.CharSet), Advances,
               Options, Box);
}

bool TWmfPlayer::PlayBitmapRecord(uint8_t Function, const TWmfRecord& R) {
    const char* C = Chars(R.Data());
    U_POINT16 Dst{}, CDst{}, Src{}, CSrc{};
    uint32_t Rop = 0;
    uint16_t Usage = 0, Scans = 0, StartScan = 0;
    const char* Dib = nullptr;
    switch (Function) {
    case U_WMR_PATBLT:
        if (U_WMRPATBLT_get(C, &Dst, &CDst, &Rop))
            FOut->StretchImage(RectAt(PointOf(Dst), CDst), QImage(), QRect(), Rop);
        break;
    case U_WMR_STRETCHDIB:
        if (U_WMRSTRETCHDIB_get(C, &Dst, &CDst, &Src, &CSrc, &Usage, &Rop, &Dib))
            PlayDib(RectAt(PointOf(Dst), CDst), Dib, R, QRect(Src.x, Src.y, CSrc.x, CSrc.y), Rop,
                    Usage == U_DIB_PAL_COLORS);
        break;
    case U_WMR_DIBSTRETCHBLT:
        if (U_WMRDIBSTRETCHBLT_get(C, &Dst, &CDst, &Src, &CSrc, &Rop, &Dib))
            PlayDib(RectAt(PointOf(Dst), CDst), Dib, R, QRect(Src.x, Src.y, CSrc.x, CSrc.y), Rop,
                    false);
        break;
    case U_WMR_DIBBITBLT:
        if (U_WMRDIBBITBLT_get(C, &Dst, &CDst, &Src, &Rop, &Dib))
            PlayDib(RectAt(PointOf(Dst), CDst), Dib, R, QRect(Src.x, Src.y, CDst.x, CDst.y), Rop,
                    false);
        break;
    case U_WMR_SETDIBTODEV:
        if (U_WMRSETDIBTODEV_get(C, &Dst, &CDst, &Src, &Usage, &Scans, &StartScan, &Dib))
            PlayDib(RectAt(PointOf(Dst), CDst), Dib, R, QRect(Src.x, Src.y, CDst.x, CDst.y),
                    0x00CC0020, Usage == U_DIB_PAL_COLORS);
        break;
    default:
        return false;
    }
    return true;
}

void TWmfPlayer::PlayDib(const TWmfRect& Dest, const char* Dib, const TWmfRecord& R, QRect Source,
                         uint32_t Rop, bool PaletteIndices) {
    // Blits without a bitmap paint with the brush.
    const auto* Start = reinterpret_cast<const uint8_t*>(Dib);
    if (!Dib) return FOut->StretchImage(Dest, QImage(), QRect(), Rop);
    if (Start < R.Data() || Start >= R.Data() + R.Size()) return;
    const size_t Offset = static_cast<size_t>(Start - R.Data());
    bool BottomUp = true;
    const QImage Image =
        DecodePackedDib(R.Bytes(Offset, R.Size() - Offset), PaletteIndices, &BottomUp);
    if (Image.isNull()) return;
    // In a bottom-up DIB the source rectangle counts from the bottom row.
    if (BottomUp) Source.moveTop(Image.height() - Source.y() - Source.height());
    FOut->StretchImage(Dest, Image, Source, Rop);
}
