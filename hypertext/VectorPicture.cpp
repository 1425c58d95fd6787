#include "hypertext/VectorPicture.h"

#include "hypertext/VectorPictureCompiler.h"
#include "hypertext/VectorPictureExecutor.h"
#include "platform/graphics/Canvas.h"

TVectorPicture::TVectorPicture(QWidget* Parent)
    : THyperControl(Parent), FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()) {
    FFont->OnChange = [this](TObject* Sender) { UpdateAll(Sender); };
    FPen->OnChange = [this](TObject* Sender) { UpdateAll(Sender); };
    FBrush->OnChange = [this](TObject* Sender) { UpdateAll(Sender); };
    SetHyperState(hsReady);
}

TVectorPicture::~TVectorPicture() {
    FFont->OnChange = nullptr;
    FPen->OnChange = nullptr;
    FBrush->OnChange = nullptr;
}

void TVectorPicture::Changed(TObject* Sender) {
    if (Sender != &Lines()) return;
    SetHyperState(hsChanging);
    FCompiled = vpic::CompileVectorPicture(Lines().Text());
    ClearHyperLinks();
    SetHyperState(hsReady);
}

bool TVectorPicture::PaintTo(TCanvas& Canvas) {
    if (HyperState() != hsReady) return false;
    SetHyperState(hsPainting);
    vpic::TVectorExecutor(*this, Canvas).Run(FCompiled);
    SetHyperState(hsReady);
    return true;
}

void TVectorPicture::Assign(const THyperControl& Source) {
    const auto* source = dynamic_cast<const TVectorPicture*>(&Source);
    if (source && source != this) {
        SetHyperState(hsAssigning);
        FBrush->Assign(*source->FBrush);
        FHintStyle = source->FHintStyle;
        FPen->Assign(*source->FPen);
        FRectLinks = source->FRectLinks;
        FShowAccelChar = source->FShowAccelChar;
        FTextAlign = source->FTextAlign;
        FTextAngle = source->FTextAngle;
        FTextLayout = source->FTextLayout;
        FWordWrap = source->FWordWrap;
    }
    THyperControl::Assign(Source);
}

void TVectorPicture::SetBrushStyle(TCanvas& Canvas, int Style, TColor Color) const {
    TBrush& brush = Canvas.Brush();
    brush.ClearPattern();
    if (Style >= bsSolid && Style <= bsDiagCross) {
        brush.SetColor(Color);
        brush.SetStyle(static_cast<TBrushStyle>(Style));
    } else if (Style == 8) {
        const TColor pen = ColorToRGB(Canvas.Pen().Color());
        const TColor back = ColorToRGB(Color);
        TBrushPattern pattern{8, 8, std::vector<TColor>(64)};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                pattern.Pixels[static_cast<size_t>(y * 8 + x)] =
                    (FPattern[static_cast<size_t>(y)] & (0x80 >> x)) ? pen : back;
        brush.SetPattern(pattern);
    }
}

uint8_t TVectorPicture::PatternRow(int Row) const {
    return Row >= 0 && Row < 8 ? FPattern[static_cast<size_t>(Row)] : 0;
}

void TVectorPicture::SetPatternRow(int Row, uint8_t Bits) {
    if (Row >= 0 && Row < 8) FPattern[static_cast<size_t>(Row)] = Bits;
}

// The rendering is cached: a setting that changes the picture marks it for
// re-rendering before invalidating.
void TVectorPicture::Rerender() {
    MarkDirty();
    Invalidate();
}

void TVectorPicture::SetHintStyle(TVPHintStyle Value) {
    if (Value != FHintStyle && Value <= vhUserText) {
        FHintStyle = Value;
        Rerender();
    }
    CheckMousePos();
}

void TVectorPicture::SetRectLinks(bool Value) {
    if (Value == FRectLinks) return;
    FRectLinks = Value;
    Rerender();
    CheckMousePos();
}

void TVectorPicture::SetShowAccelChar(bool Value) {
    if (Value == FShowAccelChar) return;
    FShowAccelChar = Value;
    Rerender();
}

void TVectorPicture::SetTextAlign(int Value) {
    if (Value < taLeftJustify || Value > taCenter || Value == FTextAlign) return;
    FTextAlign = static_cast<TAlignment>(Value);
    Rerender();
}

void TVectorPicture::SetTextAngle(int32_t Value) {
    if (Value == FTextAngle) return;
    FTextAngle = Value;
    Rerender();
}

void TVectorPicture::SetTextLayout(int Value) {
    if (Value < tlTop || Value > tlBottom || Value == FTextLayout) return;
    FTextLayout = static_cast<TTextLayout>(Value);
    Rerender();
}

void TVectorPicture::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    Rerender();
}

void TVectorPicture::SetBiDiMode(TBiDiMode Value) {
    if (Value == FBiDiMode) return;
    FBiDiMode = Value;
    Rerender();
}
