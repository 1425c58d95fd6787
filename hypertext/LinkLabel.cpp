#include "hypertext/LinkLabel.h"

#include "common/ValueConversions.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

TLinkLabel::TLinkLabel(QWidget* Parent)
    : TGraphicControl(Parent), FFont(std::make_unique<TFont>()),
      FLinkColors(std::make_unique<TLinkLabelColors>()),
      FTextColors(std::make_unique<TLinkLabelColors>()),
      FBevels(std::make_unique<TLinkLabelBevels>()), FShadow(std::make_unique<TLinkLabelShadow>()) {
    FTextCursor = Cursor();
    const TNotifyEvent changed = [this](TObject* Sender) { Changed(Sender); };
    FFont->OnChange = changed;
    FLinkColors->OnChange = changed;
    FTextColors->OnChange = changed;
    FBevels->OnChange = changed;
    FShadow->OnChange = changed;
    AdjustBounds();
}

TLinkLabel::~TLinkLabel() {
    FFont->OnChange = nullptr;
    FLinkColors->OnChange = nullptr;
    FTextColors->OnChange = nullptr;
    FBevels->OnChange = nullptr;
    FShadow->OnChange = nullptr;
}

void TLinkLabel::Changed(TObject*) {
    if (FChanging) return;
    FChanging = true;
    AdjustBounds();
    Invalidate();
    FChanging = false;
}

const TLinkLabelColors& TLinkLabel::Colors() const {
    return FType == lltLink ? *FLinkColors : *FTextColors;
}

unsigned TLinkLabel::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    return flags;
}

void TLinkLabel::AdjustBounds() {
    if (!FAutoSize) return;
    TCanvas& canvas = Canvas();
    canvas.SetFont(*FFont);
    TRect r = ClientRect();
    DoDrawText(canvas, r, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (BiDiAlignment(FBiDiMode, FAlignment) == taRightJustify) left += Width() - r.Right;
    SetBoundsRect(Bounds(left, Top(), r.Right, r.Bottom));
}

void TLinkLabel::DoDrawText(TRect& Rect, unsigned Flags) {
    DoDrawText(Canvas(), Rect, Flags);
}

void TLinkLabel::DoDrawText(TCanvas& Canvas, TRect& Rect, unsigned Flags) {
    const TLinkLabelColors& colors = Colors();
    // The extents of the bevel and shadow copies around the face.
    TPoint bevel[2];
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int k = 0; k < 2; ++k) {
        bevel[k] = DirectionOffset(FBevels->GetDirection(k), FBevels->GetWidth(k));
        minX = std::min(minX, bevel[k].X);
        maxX = std::max(maxX, bevel[k].X);
        minY = std::min(minY, bevel[k].Y);
        maxY = std::max(maxY, bevel[k].Y);
    }
    const TPoint s = DirectionOffset(FShadow->Direction(), FShadow->Depth());
    (s.X < 0 ? minX : maxX) += s.X;
    (s.Y < 0 ? minY : maxY) += s.Y;

    AnsiString text = FCaption;
    if (text.empty() || (text == "&" && FShowAccelChar)) text += ' ';
    TRect r = Rect;
    Canvas.DrawText(text, r, Flags | DT_CALCRECT);
    if (!(Flags & DT_CALCRECT)) {
        const auto draw = [&](TColor Color, int DX, int DY) {
            Canvas.Font().SetColor(Color);
            TRect at = r.Offset(DX - minX, DY - minY);
            Canvas.DrawText(text, at, Flags);
        };
        const bool shadow = FShadow->InForce();
        const TColor shadowColor = Enabled() ? FShadow->EnabledColor() : FShadow->DisabledColor();
        if (shadow) draw(shadowColor, s.X, s.Y);
        for (int pass = shadow ? 1 : 0; pass >= 0; --pass) {
            for (int k = 0; k < 2; ++k) {
                if (!FBevels->GetVisible(k)) continue;
                const TColor color =
                    pass ? shadowColor : colors.GetColor(Enabled() ? k + 4 : k + 1);
                TPoint d = bevel[k];
                while (d.X != 0 || d.Y != 0) {
                    draw(color, d.X + s.X * pass, d.Y + s.Y * pass);
                    d.X -= (d.X > 0) - (d.X < 0);
                    d.Y -= (d.Y > 0) - (d.Y < 0);
                }
            }
        }
        draw(colors.GetColor(Enabled() ? 3 : 0), 0, 0);
    }
    Rect.Right = r.Right + maxX - minX;
    Rect.Bottom = r.Bottom + maxY - minY;
}

void TLinkLabel::Paint() {
    TCanvas& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(ClientRect());
    }
    canvas.SetFont(*FFont);
    if (FType == lltLink && FUnderlineLink)
        canvas.Font().SetStyle(canvas.Font().Style() + TFontStyles{fsUnderline});
    canvas.Brush().SetStyle(bsClear);
    const TAlignment alignment = BiDiAlignment(FBiDiMode, FAlignment);
    const unsigned flags = TextFlags() | BiDiTextFlags(FBiDiMode, FAlignment);
    TRect r = ClientRect();
    DoDrawText(canvas, r, flags | DT_CALCRECT);
    const int k = alignment == taCenter ? 1 : alignment == taRightJustify ? 2 : 0;
    r = r.Offset((Width() - r.Right) * k / 2, ((Height() - r.Bottom) * FLayout) >> 1);
    DoDrawText(canvas, r, flags);
}

void TLinkLabel::Click() {
    if (FType == lltLink) {
        if (OnLink) OnLink(this);
        return;
    }
    TGraphicControl::Click();
}

void TLinkLabel::EnabledChanged() {
    Invalidate();
}

// ---- Settings ----

void TLinkLabel::SetCaption(const AnsiString& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed(this);
}

void TLinkLabel::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    Changed(this);
}

void TLinkLabel::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    Changed(this);
}

void TLinkLabel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment || Value > taCenter) return;
    FAlignment = Value;
    Invalidate();
}

void TLinkLabel::SetLayout(TTextLayout Value) {
    if (Value == FLayout || Value > tlBottom) return;
    FLayout = Value;
    Invalidate();
}

void TLinkLabel::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Invalidate();
}

void TLinkLabel::SetBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode) return;
    FBiDiMode = Value;
    Changed(this);
}

void TLinkLabel::SetShowAccelChar(bool Value) {
    if (Value == FShowAccelChar) return;
    FShowAccelChar = Value;
    Changed(this);
}

void TLinkLabel::SetLinkColors(const TLinkLabelColors& Value) {
    FLinkColors->Assign(Value);
    Invalidate();
}

void TLinkLabel::SetTextColors(const TLinkLabelColors& Value) {
    FTextColors->Assign(Value);
    Invalidate();
}

void TLinkLabel::SetLinkCursor(TCursor Value) {
    FLinkCursor = Value;
    if (FType == lltLink) myDefines::SetCursor(this, Value);
}

void TLinkLabel::SetTextCursor(TCursor Value) {
    FTextCursor = Value;
    if (FType == lltText) myDefines::SetCursor(this, Value);
}

void TLinkLabel::SetType(int Value) {
    if (Value != lltText && Value != lltLink) return;
    FType = static_cast<TLLLabelType>(Value);
    myDefines::SetCursor(this, FType == lltLink ? FLinkCursor : FTextCursor);
    Invalidate();
}

void TLinkLabel::SetUnderlineLink(bool Value) {
    FUnderlineLink = Value;
    if (FType == lltLink) Invalidate();
}

void TLinkLabel::Assign(const TLinkLabel& Source) {
    if (&Source == this) return;
    FChanging = true;
    FBevels->Assign(*Source.FBevels);
    FLinkColors->Assign(*Source.FLinkColors);
    FLinkCursor = Source.FLinkCursor;
    FShadow->Assign(*Source.FShadow);
    FTextColors->Assign(*Source.FTextColors);
    FTextCursor = Source.FTextCursor;
    FUnderlineLink = Source.FUnderlineLink;
    SetType(Source.FType);
    FChanging = false;
    Changed(this);
}
