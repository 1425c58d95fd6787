#pragma once

#include "hypertext/LinkLabelSettings.h"
#include "hypertext/TextAlignment.h"
#include "platform/base/Cursors.h"
#include "platform/base/Font.h"
#include "platform/widgets/GraphicControl.h"

#include <memory>

class TCanvas;

enum TLLLabelType : uint8_t { lltText = 0, lltLink = 1 };

// A label that draws its caption embossed: the face over an inner and an
// outer bevel copy, each offset in a compass direction, optionally over a
// drop shadow, with separate colours for the enabled and disabled state.
// As a link (lltLink) it is underlined, shows the link cursor and reports
// clicks through OnLink instead of OnClick.
class TLinkLabel : public TGraphicControl {
public:
    explicit TLinkLabel(QWidget* Parent = nullptr);
    ~TLinkLabel() override;

    // Re-measures (with AutoSize) and repaints, guarded against re-entrance.
    void Changed(TObject* Sender);
    // Fits the bounds to the caption with its bevels and shadow when
    // AutoSize is on; right-aligned labels keep their right edge.
    void AdjustBounds();
    // Draws the caption into Rect with the text-drawing Flags (only measures
    // with DT_CALCRECT); Rect's right and bottom then include the bevels and
    // the shadow.
    void DoDrawText(TRect& Rect, unsigned Flags);
    // The same on a given canvas.
    void DoDrawText(TCanvas& Canvas, TRect& Rect, unsigned Flags);
    // Copies the label's own settings from another link label.
    void Assign(const TLinkLabel& Source);

    // The label.
    const AnsiString& Caption() const { return FCaption; }
    void SetCaption(const AnsiString& Value);
    TFont& Font() { return *FFont; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);

    // The link label's own settings.
    TLinkLabelBevels& Bevels() { return *FBevels; }
    void SetBevels(const TLinkLabelBevels& Value) { FBevels->Assign(Value); }
    TLinkLabelColors& LinkColors() { return *FLinkColors; }
    void SetLinkColors(const TLinkLabelColors& Value);
    TLinkLabelColors& TextColors() { return *FTextColors; }
    void SetTextColors(const TLinkLabelColors& Value);
    TLinkLabelShadow& Shadow() { return *FShadow; }
    void SetShadow(const TLinkLabelShadow& Value) { FShadow->Assign(Value); }
    TCursor LinkCursor() const { return FLinkCursor; }
    void SetLinkCursor(TCursor Value);
    TCursor TextCursor() const { return FTextCursor; }
    void SetTextCursor(TCursor Value);
    TLLLabelType Type() const { return FType; }
    // Accepts 0 and 1 only.
    void SetType(int Value);
    bool UnderlineLink() const { return FUnderlineLink; }
    void SetUnderlineLink(bool Value);

    TNotifyEvent OnLink;

protected:
    void Paint() override;
    void Click() override;
    void EnabledChanged() override;

private:
    // The colours the current type draws with.
    const TLinkLabelColors& Colors() const;
    unsigned TextFlags() const;

    AnsiString FCaption;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TLinkLabelColors> FLinkColors;
    std::unique_ptr<TLinkLabelColors> FTextColors;
    std::unique_ptr<TLinkLabelBevels> FBevels;
    std::unique_ptr<TLinkLabelShadow> FShadow;
    bool FAutoSize = true;
    bool FWordWrap = false;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FShowAccelChar = true;
    TCursor FLinkCursor = crHandPoint;
    TCursor FTextCursor = crDefault;
    TLLLabelType FType = lltText;
    bool FUnderlineLink = true;
    bool FChanging = false;
};
