#pragma once

#include "platform/base/Colors.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <initializer_list>
#include <string>

constexpr int LF_FACESIZE = 32;

constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t SYMBOL_CHARSET = 2;
constexpr uint8_t RUSSIAN_CHARSET = 204;

// Pitch bits of a logical font description (low two bits of lfPitchAndFamily).
constexpr uint8_t DEFAULT_PITCH = 0;
constexpr uint8_t FIXED_PITCH = 1;
constexpr uint8_t VARIABLE_PITCH = 2;

// Logical font description. Heights are in pixels: negative = character (em)
// height, positive = cell height, 0 = default. Escapement and orientation are
// in tenths of a degree, counter-clockwise.
struct LOGFONTA {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
bool operator==(const LOGFONTA& A, const LOGFONTA& B);

// Pitch of the font object (note: numbered differently from the LOGFONTA bits).
enum TFontPitch : uint8_t { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

enum TFontStyle : uint8_t { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };

// A set of font styles.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> Styles) {
        for (TFontStyle s : Styles)
            FBits |= Bit(s);
    }
    constexpr bool Contains(TFontStyle S) const { return (FBits & Bit(S)) != 0; }
    constexpr TFontStyles& Include(TFontStyle S) {
        FBits |= Bit(S);
        return *this;
    }
    constexpr TFontStyles& Exclude(TFontStyle S) {
        FBits &= static_cast<uint8_t>(~Bit(S));
        return *this;
    }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr uint8_t Bits() const { return FBits; }
    static constexpr TFontStyles FromBits(uint8_t Bits) {
        TFontStyles s;
        s.FBits = Bits & 0x0F;
        return s;
    }
    // Intersection and union.
    constexpr TFontStyles operator*(TFontStyles O) const { return FromBits(FBits & O.FBits); }
    constexpr TFontStyles operator+(TFontStyles O) const { return FromBits(FBits | O.FBits); }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr uint8_t Bit(TFontStyle S) { return static_cast<uint8_t>(1u << S); }
    uint8_t FBits = 0;
};

// Page coordinates are pixels at this fixed resolution.
constexpr int ScreenPixelsPerInch = 96;

// A font: face, size, colour, charset, pitch and styles, with a change event.
// A font made from a logical description (SetLogFont) keeps the description's
// further attributes (explicit weight, character width, escapement,
// orientation) until one of the properties that the description derives from
// is set again.
class TFont : public TObject {
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    // Copies every attribute (not the change event) and reports one change.
    void Assign(const TFont& Source);
    // True when both fonts draw the same (colour included).
    bool SameAs(const TFont& Other) const;

    const AnsiString& Name() const { return FName; }
    void SetName(const AnsiString& Value);
    // Size in points; negative for a font given by its cell height.
    int Size() const;
    void SetSize(int Value);
    // Height in pixels: negative = character (em) height, positive = cell height.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    uint8_t Charset() const { return FCharset; }
    void SetCharset(uint8_t Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);

    // Effective attributes beyond the properties: from the logical description
    // when the font was made from one, else derived from the properties.
    int Weight() const;
    int Width() const { return FHasLogFont ? FLogFont.lfWidth : 0; }
    int Escapement() const { return FHasLogFont ? FLogFont.lfEscapement : 0; }
    int Orientation() const { return FHasLogFont ? FLogFont.lfOrientation : 0; }
    bool HasLogFont() const { return FHasLogFont; }

    // The complete logical description of the font.
    LOGFONTA LogFont() const;
    // Takes on every attribute of the description: name, height, charset,
    // pitch, styles (bold from a weight of 700 or more) and the further
    // attributes. The colour stays.
    void SetLogFont(const LOGFONTA& Value);

    // A number no other font and no earlier state of this font has had:
    // equal revisions mean the same font, unchanged since (for caches).
    uint64_t Revision() const { return FRevision; }

    TNotifyEvent OnChange;

private:
    void PropertyChanged();
    void Changed();

    uint64_t FRevision;
    AnsiString FName;
    int FHeight;
    uint8_t FCharset;
    TColor FColor;
    TFontPitch FPitch;
    TFontStyles FStyle;
    bool FHasLogFont = false;
    LOGFONTA FLogFont;
};

// Height in pixels (em height, negative) of a font of Size points at 96 dpi,
// and back.
int FontSizeToHeight(int Size);
int FontHeightToSize(int Height);
