#include "platform/base/Font.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

uint64_t NextFontRevision() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

// a * b / c rounded half away from zero, as the platform's MulDiv.
int MulDiv(int A, int B, int C) {
    long long p = static_cast<long long>(A) * B;
    long long q = (std::llabs(p) + C / 2) / C;
    return static_cast<int>(p < 0 ? -q : q);
}

TFontPitch PitchFromBits(uint8_t Bits) {
    if (Bits & FIXED_PITCH) return fpFixed;
    if (Bits & VARIABLE_PITCH) return fpVariable;
    return fpDefault;
}

uint8_t PitchToBits(TFontPitch Pitch) {
    if (Pitch == fpFixed) return FIXED_PITCH;
    if (Pitch == fpVariable) return VARIABLE_PITCH;
    return DEFAULT_PITCH;
}

} // namespace

bool operator==(const LOGFONTA& A, const LOGFONTA& B) {
    return A.lfHeight == B.lfHeight && A.lfWidth == B.lfWidth && A.lfEscapement == B.lfEscapement &&
           A.lfOrientation == B.lfOrientation && A.lfWeight == B.lfWeight &&
           A.lfItalic == B.lfItalic && A.lfUnderline == B.lfUnderline &&
           A.lfStrikeOut == B.lfStrikeOut && A.lfCharSet == B.lfCharSet &&
           A.lfOutPrecision == B.lfOutPrecision && A.lfClipPrecision == B.lfClipPrecision &&
           A.lfQuality == B.lfQuality && A.lfPitchAndFamily == B.lfPitchAndFamily &&
           std::strncmp(A.lfFaceName, B.lfFaceName, LF_FACESIZE) == 0;
}

int FontSizeToHeight(int Size) {
    return -MulDiv(Size, ScreenPixelsPerInch, 72);
}

int FontHeightToSize(int Height) {
    return -MulDiv(Height, 72, ScreenPixelsPerInch);
}

TFont::TFont()
    : FRevision(NextFontRevision()), FName("MS Sans Serif"), FHeight(FontSizeToHeight(8)),
      FCharset(DEFAULT_CHARSET), FColor(clWindowText), FPitch(fpDefault) {}

void TFont::Assign(const TFont& Source) {
    if (&Source == this || SameAs(Source)) return;
    FName = Source.FName;
    FHeight = Source.FHeight;
    FCharset = Source.FCharset;
    FColor = Source.FColor;
    FPitch = Source.FPitch;
    FStyle = Source.FStyle;
    FHasLogFont = Source.FHasLogFont;
    FLogFont = Source.FLogFont;
    Changed();
}

bool TFont::SameAs(const TFont& Other) const {
    return FName == Other.FName && FHeight == Other.FHeight && FCharset == Other.FCharset &&
           FColor == Other.FColor && FPitch == Other.FPitch && FStyle == Other.FStyle &&
           FHasLogFont == Other.FHasLogFont && (!FHasLogFont || FLogFont == Other.FLogFont);
}

void TFont::SetName(const AnsiString& Value) {
    if (Value == FName) return;
    FName = Value;
    PropertyChanged();
}

int TFont::Size() const {
    return FontHeightToSize(FHeight);
}

void TFont::SetSize(int Value) {
    SetHeight(FontSizeToHeight(Value));
}

void TFont::SetHeight(int Value) {
    if (Value == FHeight) return;
    FHeight = Value;
    PropertyChanged();
}

void TFont::SetCharset(uint8_t Value) {
    if (Value == FCharset) return;
    FCharset = Value;
    PropertyChanged();
}

void TFont::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value; // the colour is not part of the description
    Changed();
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value > fpFixed || Value == FPitch) return;
    FPitch = Value;
    PropertyChanged();
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    PropertyChanged();
}

int TFont::Weight() const {
    if (FHasLogFont) return FLogFont.lfWeight;
    return FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
}

LOGFONTA TFont::LogFont() const {
    if (FHasLogFont) return FLogFont;
    LOGFONTA lf;
    lf.lfHeight = FHeight;
    lf.lfWeight = Weight();
    lf.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = FCharset;
    lf.lfPitchAndFamily = PitchToBits(FPitch);
    size_t n = std::min(FName.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::memcpy(lf.lfFaceName, FName.data(), n);
    lf.lfFaceName[n] = 0;
    return lf;
}

void TFont::SetLogFont(const LOGFONTA& Value) {
    LOGFONTA lf = Value;
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    TFontStyles style;
    if (lf.lfWeight >= FW_BOLD) style.Include(fsBold);
    if (lf.lfItalic) style.Include(fsItalic);
    if (lf.lfUnderline) style.Include(fsUnderline);
    if (lf.lfStrikeOut) style.Include(fsStrikeOut);
    AnsiString name(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    TFontPitch pitch = PitchFromBits(lf.lfPitchAndFamily);
    if (FHasLogFont && FLogFont == lf && name == FName) return;
    FName = name;
    FHeight = lf.lfHeight;
    FCharset = lf.lfCharSet;
    FPitch = pitch;
    FStyle = style;
    FHasLogFont = true;
    FLogFont = lf;
    Changed();
}

// A property the description derives from changed: the description is made
// from the properties again.
void TFont::PropertyChanged() {
    FHasLogFont = false;
    Changed();
}

void TFont::Changed() {
    FRevision = NextFontRevision();
    if (OnChange) OnChange(this);
}
