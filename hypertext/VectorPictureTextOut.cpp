// Fonts, text and links of the vector picture executor.
#include "hypertext/VectorPictureExecutor.h"

#include "common/ValueConversions.h"
#include "components/DrawTextA.h"
#include "hypertext/VectorPictureKeywords.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstring>

namespace vpic {

void TVectorExecutor::UpdateCanvasFont() {
    // Rebuilding from the description keeps the font's colour.
    myDefines::CreateFontIndirectA(&FCanvas.Font(), FLogFont);
}

bool TVectorExecutor::ExecuteFont() {
    TFont& font = FCanvas.Font();
    switch (FCommand) {
    case vcFontCharset:
        font.SetCharset(static_cast<uint8_t>(P(0)));
        FLogFont.lfCharSet = font.Charset();
        return true;
    case vcFontColor:
        font.SetColor(ColorParameter());
        return true;
    case vcFontHeight:
        font.SetHeight(P(0));
        FLogFont.lfHeight = font.Height();
        return true;
    case vcFontName: {
        font.SetName(FString);
        const size_t n = std::min(FString.size(), static_cast<size_t>(LF_FACESIZE - 1));
        std::memset(FLogFont.lfFaceName, 0, sizeof FLogFont.lfFaceName);
        std::memcpy(FLogFont.lfFaceName, FString.data(), n);
        return true;
    }
    case vcFontPitch:
        if (P(0) >= fpDefault && P(0) <= fpFixed) {
            font.SetPitch(static_cast<TFontPitch>(P(0)));
            FLogFont.lfPitchAndFamily = myDefines::PitchToLogPitch(font.Pitch());
        }
        return true;
    case vcFontSize:
        font.SetSize(P(0) & 0xFF);
        FLogFont.lfHeight = font.Height();
        return true;
    case vcFontStyle:
        ExecuteFontStyle();
        return true;
    case vcFontWeight:
        FLogFont.lfWeight = P(0);
        return true;
    case vcFontWidth:
        FLogFont.lfWidth = P(0);
        return true;
    case vcTextAngle: {
        const int64_t angle = std::clamp<int64_t>(int64_t{P(0)} * 10, INT32_MIN, INT32_MAX);
        FLogFont.lfEscapement = FLogFont.lfOrientation = static_cast<int32_t>(angle);
        return true;
    }
    default:
        return false;
    }
}

void TVectorExecutor::ExecuteFontStyle() {
    TFontStyles styles;
    const TFontStyles own = FPicture.Font().Style();
    for (int r = 0; r < Repetitions(); ++r) {
        if (Defaulted(r)) {
            // An omitted value keeps style r of the control's own font.
            if (r <= fsStrikeOut && own.Contains(static_cast<TFontStyle>(r)))
                styles.Include(static_cast<TFontStyle>(r));
        } else if (P(r) >= fsBold && P(r) <= fsStrikeOut) {
            styles.Include(static_cast<TFontStyle>(P(r)));
        }
    }
    FCanvas.Font().SetStyle(styles);
    FLogFont.lfItalic = styles.Contains(fsItalic);
    FLogFont.lfWeight = styles.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    FLogFont.lfUnderline = styles.Contains(fsUnderline);
    FLogFont.lfStrikeOut = styles.Contains(fsStrikeOut);
}

void TVectorExecutor::ExecuteText() {
    const bool link = FCommand == vcLinkOut;
    if (!link && FCommand != vcTextOut) return;
    const AnsiString text = FString;
    const uint8_t underline = FLogFont.lfUnderline;
    if (link && FUnderlineLinks) FLogFont.lfUnderline = 1;
    UpdateCanvasFont();
    TRect r = Rect(P(0), P(1), P(2), P(3));
    if (Defaulted(2)) r.Right = r.Left + FCanvas.TextWidth(text);
    if (Defaulted(3)) r.Bottom = r.Top + FCanvas.TextHeight(text);
    unsigned flags =
        DT_EXPANDTABS | LayoutFlags(FLayout) | BiDiTextFlags(FPicture.BiDiMode(), FAlign);
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (FNoPrefix) flags |= DT_NOPREFIX;
    const TColor color = FCanvas.Font().Color();
    if (link) FCanvas.Font().SetColor(FLinkColor);
    TRect area = r;
    const TRect drawn = DrawTextA(&FCanvas, text, area, flags, FLogFont.lfEscapement == 0);
    if (!FPicture.RectLinks()) r = drawn;
    FCanvas.Font().SetColor(color);
    FLogFont.lfUnderline = underline;
    UpdateCanvasFont();
    if (link) RegisterLink(r, text);
}

void TVectorExecutor::RegisterLink(const TRect& R, const AnsiString& Text) {
    int32_t id = FAutoId;
    if (!Defaulted(4)) {
        id = P(4);
        if (id < INT32_MAX) FAutoId = std::max(FAutoId, id + 1);
    }
    const AnsiString hint = FHintStyle == vhLinkText   ? Text
                            : FHintStyle == vhUserText ? FUserHint
                                                       : AnsiString();
    THyperLink* link = FPicture.AddHyperLink(id, hint);
    link->ClearRects();
    link->AddRect(std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
                  std::max(R.Top, R.Bottom));
}

} // namespace vpic
