#pragma once

#include "hypertext/HyperControl.h"
#include "hypertext/TextAlignment.h"
#include "platform/base/Brush.h"
#include "platform/base/Font.h"
#include "platform/base/FreeNotifier.h"
#include "platform/base/Pen.h"

#include <array>
#include <cstdint>
#include <memory>

// Hint of the links a picture's LINKOUT statements make: none, the link's
// own text, or the text of the last HINT statement.
enum TVPHintStyle : uint8_t { vhEmpty = 0, vhLinkText = 1, vhUserText = 2 };

// A picture described by a script of drawing commands in Lines: pens,
// brushes, fonts, lines, shapes, fills, text and rectangular links with
// hints. The script is compiled into byte code when Lines changes; every
// paint executes the byte code, starting from the property values, and
// registers the links again. On a form it hit-tests and reports its links
// like any hyper control.
class TVectorPicture : public THyperControl, public TFreeNotifier {
public:
    explicit TVectorPicture(QWidget* Parent = nullptr);
    ~TVectorPicture() override;

    // Compiles the script when Sender is Lines (dropping the links, which
    // the next paint registers); other changes only repaint.
    void Changed(TObject* Sender) override;
    // Executes the byte code on Canvas at the real size; false, drawing
    // nothing, while the control is busy.
    bool PaintTo(TCanvas& Canvas) override;
    // Copies the picture's settings from another vector picture, then the
    // hyper control's.
    void Assign(const THyperControl& Source) override;

    // Sets the canvas brush to Style (0 to 7) in Color, or for 8 to the 8 x
    // 8 brush pattern: the pen colour where a pattern flag is set, Color
    // elsewhere. A previous pattern is removed first.
    void SetBrushStyle(TCanvas& Canvas, int Style, TColor Color) const;

    // The 8 x 8 brush pattern, kept between paints: bit 7 of a row is its
    // leftmost pixel.
    uint8_t PatternRow(int Row) const;
    void SetPatternRow(int Row, uint8_t Bits);

    TBrush& Brush() { return *FBrush; }
    void SetBrush(const TBrush& Value) { FBrush->Assign(Value); }
    TPen& Pen() { return *FPen; }
    void SetPen(const TPen& Value) { FPen->Assign(Value); }
    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }

    TVPHintStyle HintStyle() const { return FHintStyle; }
    void SetHintStyle(TVPHintStyle Value);
    bool RectLinks() const { return FRectLinks; }
    void SetRectLinks(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TAlignment TextAlign() const { return FTextAlign; }
    // Accepts 0 to 2 only.
    void SetTextAlign(int Value);
    int32_t TextAngle() const { return FTextAngle; }
    void SetTextAngle(int32_t Value);
    TTextLayout TextLayout() const { return FTextLayout; }
    // Accepts 0 to 2 only.
    void SetTextLayout(int Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value) { FParentBiDiMode = Value; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value) { FParentFont = Value; }

private:
    // A setting that changes what the rendering shows.
    void Rerender();

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::array<uint8_t, 8> FPattern{};
    TVPHintStyle FHintStyle = vhLinkText;
    bool FRectLinks = true;
    bool FShowAccelChar = true;
    TAlignment FTextAlign = taLeftJustify;
    int32_t FTextAngle = 0;
    TTextLayout FTextLayout = tlTop;
    bool FWordWrap = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    bool FParentFont = true;
};
