#include "hypertext/VectorPictureExecutor.h"

#include "common/ValueConversions.h"
#include "hypertext/VectorPictureCompiler.h"
#include "hypertext/VectorPictureKeywords.h"
#include "hypertext/VectorPictureSignatures.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace vpic {

TVectorExecutor::TVectorExecutor(TVectorPicture& Picture, TCanvas& Canvas)
    : FPicture(Picture), FCanvas(Canvas) {}

void TVectorExecutor::Start() {
    FHintStyle = FPicture.HintStyle();
    FAlign = FPicture.TextAlign();
    FLayout = FPicture.TextLayout();
    FNoPrefix = !FPicture.ShowAccelChar();
    FWordWrap = FPicture.WordWrap();
    FLinkColor = FPicture.LinkColor();
    FBrushColor = FPicture.Brush().Color();
    FBrushStyle = FPicture.Brush().Style();
    FUnderlineLinks = FPicture.UnderlineLinks();
    FCanvas.SetBrush(FPicture.Brush());
    FCanvas.SetPen(FPicture.Pen());
    FCanvas.SetFont(FPicture.Font());
    myDefines::CreateLogFont(&FCanvas.Font(), FLogFont);
    const int64_t angle =
        std::clamp<int64_t>(int64_t{FPicture.TextAngle()} * 10, INT32_MIN, INT32_MAX);
    FLogFont.lfEscapement = FLogFont.lfOrientation = static_cast<int32_t>(angle);
    FUserHint.clear();
    FAutoId = 0;
    FPos = Point(0, 0);
    FCanvas.MoveTo(0, 0);
}

void TVectorExecutor::Run(const std::vector<uint8_t>& Code) {
    Start();
    const size_t n = Code.size();
    size_t i = 0;
    while (i < n && Code[i] != bcEnd) {
        const uint8_t tag = Code[i];
        if (tag == bcStatement) {
            Execute();
            if (i + 1 >= n || !IsCommand(Code[i + 1])) break;
            BeginStatement(Code[i + 1]);
            i += 2;
        } else if (FCommand < 0) {
            break;
        } else if (tag == bcInteger && i + 5 <= n) {
            uint32_t v = 0;
            for (int b = 3; b >= 0; --b)
                v = v << 8 | Code[i + 1 + static_cast<size_t>(b)];
            SetParameter(static_cast<int32_t>(v));
            i += 5;
        } else if (tag == bcByte && i + 2 <= n) {
            SetParameter(Code[i + 1]);
            i += 2;
        } else if (tag == bcString && i + 2 <= n && i + 2 + Code[i + 1] <= n) {
            FString.assign(reinterpret_cast<const char*>(&Code[i + 2]), Code[i + 1]);
            SetParameter(0);
            i += 2 + Code[i + 1];
        } else if (tag == bcDefault) {
            SetDefault();
            ++i;
        } else {
            FCommand = -1; // a damaged record drops its statement
            break;
        }
    }
    Execute();
    FCanvas.Brush().ClearPattern();
}

void TVectorExecutor::BeginStatement(int Command) {
    FCommand = Command;
    FCount = 0;
    FParams.fill(0);
    FDefaulted.fill(false);
    FString.clear();
}

void TVectorExecutor::SetParameter(int32_t Value) {
    if (FCount >= kMaxParameters) return;
    FParams[static_cast<size_t>(FCount)] = Value;
    FDefaulted[static_cast<size_t>(FCount)] = false;
    ++FCount;
}

void TVectorExecutor::SetDefault() {
    if (FCount >= kMaxParameters) return;
    const int k = FCount;
    FDefaulted[static_cast<size_t>(k)] = true;
    FParams[static_cast<size_t>(k)] = DefaultValue(k);
    ++FCount;
}

int32_t TVectorExecutor::DefaultValue(int K) {
    if (FCommand == vcTextOut || FCommand == vcLinkOut) {
        if (K == 0) return FPos.X;
        if (K == 1) return FPos.Y;
        // x, y, id and the text: the third number is the link's id.
        if (FCommand == vcLinkOut && K == 4 && Defaulted(3) && !Defaulted(2)) {
            FAutoId = P(2);
            FDefaulted[2] = true;
        }
        return 0;
    }
    if (FCommand == vcBrushBitmap) return K > 0 ? P(K - 1) : 0;
    const int32_t flags = kKeywords[FCommand].Value;
    if (flags & cfSetting) return SettingValue();
    if (flags & cfCoordinate) {
        if ((flags & cfRepeat) && K >= Signature(FCommand).Group) return P(K - 2);
        return K % 2 ? FPos.Y : FPos.X;
    }
    return 0;
}

int32_t TVectorExecutor::SettingValue() const {
    switch (FCommand) {
    case vcBrushStyle:
        return FBrushStyle;
    case vcFontCharset:
        return FCanvas.Font().Charset();
    case vcFontHeight:
        return FCanvas.Font().Height();
    case vcFontPitch:
        return FCanvas.Font().Pitch();
    case vcFontSize:
        return FCanvas.Font().Size();
    case vcHintStyle:
        return FPicture.HintStyle();
    case vcPenMode:
        return FCanvas.Pen().Mode();
    case vcPenStyle:
        return FCanvas.Pen().Style();
    case vcPenWidth:
        return FCanvas.Pen().Width();
    case vcTextAlign:
        return FPicture.TextAlign();
    case vcTextLayout:
        return FPicture.TextLayout();
    case vcUnderlineLinks:
        return FPicture.UnderlineLinks() ? 1 : 0;
    default:
        return 0;
    }
}

int TVectorExecutor::Repetitions() const {
    const TVectorSignature& signature = Signature(FCommand);
    if (signature.Group == kNoGroup) return 1;
    return 1 + std::max(0, FCount - signature.Length()) / signature.Group;
}

void TVectorExecutor::ResolveDefaults() {
    // Byte code always holds the whole signature; filled in case it does not.
    while (FCount < Signature(FCommand).Length())
        SetDefault();
    switch (FCommand) {
    case vcFloodFill:
        if (Defaulted(2)) FParams[2] = FCanvas.Brush().Color();
        if (Defaulted(3)) FParams[3] = fsSurface;
        break;
    case vcRoundRect:
        if (Defaulted(4)) FParams[4] = static_cast<int32_t>(std::llabs(int64_t{P(2)} - P(0)) / 2);
        if (Defaulted(5)) FParams[5] = static_cast<int32_t>(std::llabs(int64_t{P(3)} - P(1)) / 2);
        break;
    case vcLineRel:
    case vcMoveRel:
        if (Defaulted(0)) FParams[0] = 0;
        if (Defaulted(1)) FParams[1] = 0;
        break;
    default:
        break;
    }
}

void TVectorExecutor::Execute() {
    if (FCommand < 0) return;
    ResolveDefaults();
    if (!ExecuteSetting() && !ExecuteFont() && !ExecuteLine() && !ExecuteShape() &&
        !ExecutePoints())
        ExecuteText();
    FCommand = -1;
}

TColor TVectorExecutor::ColorParameter(int K) const {
    const uint32_t color = static_cast<uint32_t>(P(K)) + static_cast<uint32_t>(P(K + 1)) * 256u +
                           static_cast<uint32_t>(P(K + 2)) * 65536u;
    return static_cast<TColor>(color);
}

bool TVectorExecutor::ExecuteSetting() {
    TPen& pen = FCanvas.Pen();
    switch (FCommand) {
    case vcBrushBitmap:
        ExecuteBrushBitmap();
        return true;
    case vcBrushColor:
        FBrushColor = ColorParameter();
        FPicture.SetBrushStyle(FCanvas, FBrushStyle, FBrushColor);
        return true;
    case vcBrushStyle:
        if (P(0) < 0 || P(0) > 8) return true;
        FBrushStyle = P(0);
        FPicture.SetBrushStyle(FCanvas, FBrushStyle, FBrushColor);
        return true;
    case vcHint:
        FUserHint = FString;
        return true;
    case vcHintStyle:
        if (P(0) >= vhEmpty && P(0) <= vhUserText) FHintStyle = static_cast<TVPHintStyle>(P(0));
        return true;
    case vcLinkColor:
        FLinkColor = ColorParameter();
        return true;
    case vcPenColor:
        pen.SetColor(ColorParameter());
        return true;
    case vcPenMode:
        if (P(0) >= pmBlack && P(0) <= pmNotXor) pen.SetMode(static_cast<TPenMode>(P(0)));
        return true;
    case vcPenStyle:
        if (P(0) >= psSolid && P(0) <= psInsideFrame) pen.SetStyle(static_cast<TPenStyle>(P(0)));
        return true;
    case vcPenWidth:
        pen.SetWidth(P(0) & 0xFF);
        return true;
    case vcTextAlign:
        if (P(0) >= taLeftJustify && P(0) <= taCenter) FAlign = static_cast<TAlignment>(P(0));
        return true;
    case vcTextFormat:
        ExecuteTextFormat();
        return true;
    case vcTextLayout:
        if (P(0) >= tlTop && P(0) <= tlBottom) FLayout = static_cast<TTextLayout>(P(0));
        return true;
    case vcUnderlineLinks:
        FUnderlineLinks = P(0) != 0;
        return true;
    default:
        return false;
    }
}

void TVectorExecutor::ExecuteBrushBitmap() {
    for (int row = 0; row < 8; ++row)
        FPicture.SetPatternRow(row, static_cast<uint8_t>(P(row)));
    if (FBrushStyle == 8) FPicture.SetBrushStyle(FCanvas, FBrushStyle, FBrushColor);
}

void TVectorExecutor::ExecuteTextFormat() {
    FNoPrefix = false;
    FWordWrap = false;
    for (int r = 0; r < Repetitions(); ++r) {
        if (P(r) & DT_NOPREFIX) FNoPrefix = true;
        if (P(r) & DT_WORDBREAK) FWordWrap = true;
    }
}

} // namespace vpic
