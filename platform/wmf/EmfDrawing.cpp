// Drawing records of enhanced metafiles: lines, shapes, paths, text and
// gradients.

#include "platform/wmf/EmfPlayer.h"

#include "platform/wmf/WmfObjects.h"
#include "platform/wmf/WmfText.h"

#include <uemf.h>

#include <cmath>
#include <numbers>

namespace {

TWmfRect RectAt(const TWmfRecord& R, uint64_t Offset) {
    const U_RECTL B = R.Get<U_RECTL>(Offset);
    return {double(B.left), double(B.top), double(B.right), double(B.bottom)};
}

TWmfPoint PointAt(const TWmfRecord& R, uint64_t Offset) {
    return {double(R.Get<int32_t>(Offset)), double(R.Get<int32_t>(Offset + 4))};
}

bool Short(uint32_t Type) {
    return Type >= U_EMR_POLYBEZIER16 && Type <= U_EMR_POLYDRAW16;
}

TColor VertexColor(const U_TRIVERTEX& V) {
    return (V.Red >> 8) | (V.Green >> 8) << 8 | (V.Blue >> 8) << 16;
}

} // namespace

bool TEmfPlayer::PlayShapeRecord(uint32_t Type, const TWmfRecord& R) {
    TWmfOutput& Out = *FOut;
    switch (Type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
        PlayPolyRecord(Type, R);
        break;
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
        PlayPolyPolyRecord(Type, R);
        break;
    case U_EMR_POLYDRAW:
    case U_EMR_POLYDRAW16:
        PlayPolyDraw(R, Type == U_EMR_POLYDRAW16);
        break;
    case U_EMR_LINETO:
        Out.LineTo(PointAt(R, 8));
        break;
    case U_EMR_EXTFLOODFILL:
        Out.FloodFill(PointAt(R, 8), ColorOf(R.Get<uint32_t>(16)),
                      R.Get<uint32_t>(20) == U_FLOODFILLSURFACE);
        break;
    case U_EMR_SETPIXELV:
        Out.SetPixel(PointAt(R, 8), ColorOf(R.Get<uint32_t>(16)));
        break;
    case U_EMR_RECTANGLE:
        Out.Rectangle(RectAt(R, 8));
        break;
    case U_EMR_ELLIPSE:
        Out.Ellipse(RectAt(R, 8));
        break;
    case U_EMR_ROUNDRECT:
        Out.RoundRect(RectAt(R, 8), PointAt(R, 24));
        break;
    case U_EMR_ARC:
        Out.Arc(TWmfOutput::akArc, RectAt(R, 8), PointAt(R, 24), PointAt(R, 32));
        break;
    case U_EMR_ARCTO:
        Out.Arc(TWmfOutput::akArcTo, RectAt(R, 8), PointAt(R, 24), PointAt(R, 32));
        break;
    case U_EMR_CHORD:
        Out.Arc(TWmfOutput::akChord, RectAt(R, 8), PointAt(R, 24), PointAt(R, 32));
        break;
    case U_EMR_PIE:
        Out.Arc(TWmfOutput::akPie, RectAt(R, 8), PointAt(R, 24), PointAt(R, 32));
        break;
    case U_EMR_ANGLEARC: {
        const TWmfPoint C = PointAt(R, 8);
        const double Radius = R.Get<uint32_t>(16);
        const double Start = R.Get<float>(20),
                     Sweep = std::clamp(R.Get<float>(24), -3600.f, 3600.f);
        if (!std::isfinite(Start) || !std::isfinite(Sweep)) break;
        // Counter-clockwise on screen for a positive sweep.
        const int N = static_cast<int>(std::clamp(std::fabs(Sweep) / 5, 2.0, 720.0));
        std::vector<TWmfPoint> Points;
        for (int i = 0; i <= N; ++i) {
            const double A = (Start + Sweep * i / N) * std::numbers::pi / 180;
            Points.push_back({C.X + Radius * std::cos(A), C.Y - Radius * std::sin(A)});
        }
        Out.PolylineTo(Points);
        break;
    }
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_EXTTEXTOUTW:
        PlayText(R, Type == U_EMR_EXTTEXTOUTW);
        break;
    case U_EMR_FILLRGN:
        PlayFillRegion(R, true);
        break;
    case U_EMR_PAINTRGN:
        PlayFillRegion(R, false);
        break;
    default:
        return false;
    }
    return true;
}

void TEmfPlayer::PlayPolyRecord(uint32_t Type, const TWmfRecord& R) {
    std::vector<TWmfPoint> Points;
    const uint32_t Count = R.Get<uint32_t>(24);
    if (!(Short(Type) ? R.Points16(28, Count, Points) : R.Points32(28, Count, Points))) return;
    TWmfOutput& Out = *FOut;
    switch (Type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYBEZIER16:
        return Out.PolyBezier(Points, false);
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYBEZIERTO16:
        return Out.PolyBezier(Points, true);
    case U_EMR_POLYGON:
    case U_EMR_POLYGON16:
        return Out.Polygon(Points);
    case U_EMR_POLYLINE:
    case U_EMR_POLYLINE16:
        return Out.Polyline(Points);
    default:
        return Out.PolylineTo(Points);
    }
}

void TEmfPlayer::PlayPolyPolyRecord(uint32_t Type, const TWmfRecord& R) {
    const uint32_t Polys = R.Get<uint32_t>(24), Total = R.Get<uint32_t>(28);
    if (Polys > TWmfRecord::MaxItems || !R.Has(32, uint64_t{Polys} * 4)) return;
    std::vector<TWmfPoint> Points;
    const uint64_t At = 32 + uint64_t{Polys} * 4;
    if (!(Short(Type) ? R.Points16(At, Total, Points) : R.Points32(At, Total, Points))) return;
    std::vector<std::vector<TWmfPoint>> Parts;
    uint64_t Next = 0;
    for (uint32_t i = 0; i < Polys; ++i) {
        const uint32_t N = R.Get<uint32_t>(32 + uint64_t{i} * 4);
        if (N > Points.size() - Next) return; // counts beyond the points
        Parts.emplace_back(Points.begin() + static_cast<ptrdiff_t>(Next),
                           Points.begin() + static_cast<ptrdiff_t>(Next + N));
        Next += N;
    }
    if (Type == U_EMR_POLYPOLYGON || Type == U_EMR_POLYPOLYGON16)
        FOut->PolyPolygon(Parts);
    else
        FOut->PolyPolyline(Parts);
}

void TEmfPlayer::PlayPolyDraw(const TWmfRecord& R, bool Short16) {
    const uint32_t Count = R.Get<uint32_t>(24);
    std::vector<TWmfPoint> Points;
    if (!(Short16 ? R.Points16(28, Count, Points) : R.Points32(28, Count, Points))) return;
    const uint64_t TypesAt = 28 + uint64_t{Count} * (Short16 ? 4 : 8);
    const TWmfBytes Types = R.Bytes(TypesAt, Count);
    if (!Types.Data) return;
    constexpr uint8_t PT_CLOSEFIGURE = 1, PT_LINETO = 2, PT_BEZIERTO = 4, PT_MOVETO = 6;
    TWmfDC& DC = *FDC;
    TWmfPath Local;
    TWmfPath& Path = FOut->Recording() ? FPath : Local;
    if (!Path.FigureOpen()) Path.AddMoveTo(DC.ToOutput(DC.State().Position));
    for (size_t i = 0; i < Points.size(); ++i) {
        const uint8_t T = Types.Data[i];
        const TWmfPoint P = DC.ToOutput(Points[i]);
        if ((T & PT_MOVETO) == PT_MOVETO) {
            Path.AddMoveTo(P);
        } else if (T & PT_BEZIERTO) {
            if (i + 2 >= Points.size()) break;
            Path.AddBezierTo(P, DC.ToOutput(Points[i + 1]), DC.ToOutput(Points[i + 2]));
            i += 2;
        } else if (T & PT_LINETO) {
            Path.AddLineTo(P);
        }
        DC.State().Position = Points[std::min(i, Points.size() - 1)];
        if (T & PT_CLOSEFIGURE) Path.AddClose();
    }
    if (&Path == &Local) FOut->DrawPath(Local, false, true);
}

bool TEmfPlayer::PlayPathRecord(uint32_t Type, const TWmfRecord& R) {
    (void)R;
    TWmfOutput& Out = *FOut;
    switch (Type) {
    case U_EMR_BEGINPATH:
        FPath.Clear();
        Out.RecordInto(&FPath);
        break;
    case U_EMR_ENDPATH:
        Out.RecordInto(nullptr);
        break;
    case U_EMR_ABORTPATH:
        Out.RecordInto(nullptr);
        FPath.Clear();
        break;
    case U_EMR_CLOSEFIGURE:
        FPath.AddClose();
        break;
    case U_EMR_FILLPATH:
    case U_EMR_STROKEPATH:
    case U_EMR_STROKEANDFILLPATH:
        Out.RecordInto(nullptr);
        Out.DrawPath(FPath, Type != U_EMR_STROKEPATH, Type != U_EMR_FILLPATH);
        FPath.Clear();
        break;
    case U_EMR_SELECTCLIPPATH: {
        // The clip becomes the path's bounding box.
        Out.RecordInto(nullptr);
        const TWmfRect B = FPath.Bounds();
        if (!FPath.Empty()) {
            TWmfState& S = FDC->State();
            FDC->SetClipOutput(S.Clip && R.Get<uint32_t>(8) == U_RGN_AND ? S.Clip->Intersect(B)
                                                                         : B);
        }
        FPath.Clear();
        break;
    }
    case U_EMR_FLATTENPATH:
    case U_EMR_WIDENPATH:
        break; // the path is drawn as it is
    default:
        return false;
    }
    return true;
}

void TEmfPlayer::PlayText(const TWmfRecord& R, bool Wide) {
    U_EMREXTTEXTOUTW T;
    if (!R.Read(0, T)) return;
    const U_EMRTEXT& E = T.emrtext;
    const uint64_t Count = E.nChars;
    if (Count > TWmfRecord::MaxItems) return;
    // The optional rectangle, then the offset of the advances.
    const uint64_t After = offsetof(U_EMREXTTEXTOUTW, emrtext) + sizeof(U_EMRTEXT);
    std::optional<TWmfRect> Box;
    uint64_t DxOffsetAt = After;
    if (!(E.fOptions & U_ETO_NO_RECT)) {
        Box = RectAt(R, After);
        DxOffsetAt += sizeof(U_RECTL);
    }
    const TWmfBytes Chars = R.Bytes(E.offString, Count * (Wide ? 2 : 1));
    if (Count && !Chars.Data) return;
    std::u16string Text = Wide ? DecodeUtf16Text(Chars.Data, Count)
                               : DecodeAnsiText(Chars.Data, Count, FDC->State().Font.CharSet);
    // Advances are optional in practice: without them the font spaces the text.
    std::vector<double> Advances;
    const uint64_t Pairs = (E.fOptions & U_ETO_PDY) ? 2 : 1;
    const uint32_t OffDx = R.Get<uint32_t>(DxOffsetAt);
    if (OffDx && R.Has(OffDx, Count * 4 * Pairs)) {
        for (uint64_t i = 0; i < Count; ++i)
            Advances.push_back(R.Get<int32_t>(OffDx + i * 4 * Pairs));
    }
    FOut->Text({double(E.ptlReference.x), double(E.ptlReference.y)}, Text, Advances, E.fOptions,
               Box);
}

void TEmfPlayer::PlayGradientFill(const TWmfRecord& R) {
    const uint32_t Vertices = R.Get<uint32_t>(24), Objects = R.Get<uint32_t>(28);
    const uint32_t Mode = R.Get<uint32_t>(32);
    constexpr uint64_t VertexSize = sizeof(U_TRIVERTEX);
    const uint64_t ObjectsAt = 36 + uint64_t{Vertices} * VertexSize;
    const uint64_t ObjectSize = Mode == U_GRADIENT_FILL_TRIANGLE ? 12 : 8;
    if (!R.Has(36, uint64_t{Vertices} * VertexSize) || !R.Has(ObjectsAt, Objects * ObjectSize))
        return;
    auto Vertex = [&](uint32_t i) { return R.Get<U_TRIVERTEX>(36 + uint64_t{i} * VertexSize); };
    for (uint32_t o = 0; o < Objects && !FOut->Exhausted(); ++o) {
        const uint64_t At = ObjectsAt + o * ObjectSize;
        const uint32_t A = R.Get<uint32_t>(At), B = R.Get<uint32_t>(At + 4);
        if (A >= Vertices || B >= Vertices) continue;
        const U_TRIVERTEX Va = Vertex(A), Vb = Vertex(B);
        if (Mode == U_GRADIENT_FILL_TRIANGLE) {
            const uint32_t C = R.Get<uint32_t>(At + 8);
            if (C >= Vertices) continue;
            const U_TRIVERTEX Vc = Vertex(C);
            const TWmfPoint P[3] = {{double(Va.x), double(Va.y)},
                                    {double(Vb.x), double(Vb.y)},
                                    {double(Vc.x), double(Vc.y)}};
            const TColor Colors[3] = {VertexColor(Va), VertexColor(Vb), VertexColor(Vc)};
            FOut->GradientTriangle(P, Colors);
        } else if (Mode <= U_GRADIENT_FILL_RECT_V) {
            const TWmfRect Box{double(Va.x), double(Va.y), double(Vb.x), double(Vb.y)};
            FOut->GradientRect(Box, VertexColor(Va), VertexColor(Vb),
                               Mode == U_GRADIENT_FILL_RECT_V);
        }
    }
}

void TEmfPlayer::PlayFillRegion(const TWmfRecord& R, bool WithBrush) {
    // FILLRGN names a brush before the region data; PAINTRGN uses the
    // selected one.
    const uint32_t Bytes = R.Get<uint32_t>(24);
    const uint64_t DataAt = WithBrush ? 32 : 28;
    U_RGNDATAHEADER Head;
    if (!R.Has(DataAt, Bytes) || Bytes < sizeof Head || !R.Read(DataAt, Head)) return;
    const uint64_t Rects = std::min<uint64_t>(Head.nCount, (Bytes - sizeof Head) / 16);
    TWmfDC& DC = *FDC;
    const TWmfState Saved = DC.State();
    if (WithBrush) DC.SelectObject(R.Get<uint32_t>(28));
    for (uint64_t i = 0; i < Rects && !FOut->Exhausted(); ++i)
        FOut->FillRect(RectAt(R, DataAt + sizeof Head + i * 16));
    DC.State().Pen = Saved.Pen;
    DC.State().Brush = Saved.Brush;
    DC.State().Font = Saved.Font;
}
