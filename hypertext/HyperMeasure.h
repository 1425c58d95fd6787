#pragma once

#include "platform/base/Font.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

class TCanvas;
class TMetafile;
class TFontTextWidths;

// Text measuring for layout and painting with the few quantities a page needs:
// a font's ascent and descent, the height of "W", the width of " " and the
// width of each word. Every distinct font is measured once and then answered
// from memory; words are measured by the font's own glyph table. All
// canvases measure alike, so the answers hold for any canvas; measuring uses
// a canvas of its own.
class THyperMeasure {
public:
    THyperMeasure();
    ~THyperMeasure();
    THyperMeasure(const THyperMeasure&) = delete;
    THyperMeasure& operator=(const THyperMeasure&) = delete;

    // Selects Font, or Font with its height replaced by Height when Height is
    // not 0 (pixels; positive is the cell height).
    void SelectFont(const TFont& Font, int Height = 0);

    int Ascent() const { return FCurrent->Ascent; }
    int Descent() const { return FCurrent->Descent; }
    // The text height of "W".
    int HeightW() const { return FCurrent->HeightW; }
    // The width of " ".
    int SpaceWidth() const { return FCurrent->Space; }
    int TextWidth(const AnsiString& Text);

    // Forgets everything measured.
    void Clear();

    // The selected font: Font with the height given to SelectFont.
    static void ApplyHeight(TFont& Font, int Height);

private:
    struct TKey {
        AnsiString Name;
        int Height, Weight, Width, Escapement, Orientation;
        uint8_t Style, Charset, Pitch;
        bool operator==(const TKey&) const = default;
    };
    struct TKeyHash {
        size_t operator()(const TKey& K) const;
    };
    struct TEntry {
        std::unique_ptr<TFont> Font;
        std::shared_ptr<const TFontTextWidths> Measured;
        int Ascent = 0, Descent = 0, HeightW = 0, Space = 0;
    };

    static void FillKey(TKey& Key, const TFont& Font, int Height);
    TEntry& Measure(const TKey& Key, const TFont& Font, int Height);
    void SelectOnCanvas(const TEntry& Entry);

    std::unique_ptr<TMetafile> FScratch;
    std::unique_ptr<TCanvas> FCanvas;
    std::unordered_map<TKey, std::unique_ptr<TEntry>, TKeyHash> FFonts;
    TKey FKey{};
    TEntry* FCurrent = nullptr;
    const TEntry* FOnCanvas = nullptr;
    // The font selected last, by revision: words in a row share their font.
    uint64_t FRevision = 0;
    int FHeight = 0;
};
