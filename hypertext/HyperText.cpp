#include "hypertext/HyperText.h"

#include "hypertext/HyperMacros.h"
#include "hypertext/MarkupCompiler.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/media/MediaPlayer.h"

THyperText::THyperText(QWidget* Parent)
    : THyperControl(Parent), FDefaultStyle(std::make_unique<THyperStyle>()),
      FIndexStyle(std::make_unique<THyperIndex>()), FAlive(std::make_shared<THyperText*>(this)) {
    BindStyle(*FDefaultStyle);
    FIndexStyle->OnChange = [this](TObject* sender) { UpdateAll(sender); };
    for (auto& style : FStyles) {
        style = std::make_unique<THyperStyle>();
        BindStyle(*style);
    }
    for (auto& style : FWorkingStyles)
        style = std::make_unique<THyperStyle>();
    SetHyperState(hsReady);
}

THyperText::~THyperText() {
    SetVectorPicture(nullptr);
    SetMediaPlayer(nullptr);
    FDefaultStyle->OnChange = nullptr;
    FIndexStyle->OnChange = nullptr;
    for (auto& style : FStyles)
        style->OnChange = nullptr;
}

void THyperText::BindStyle(THyperStyle& Style) {
    Style.OnChange = [this](TObject* sender) { UpdateAll(sender); };
}

void THyperText::Notify(THyperOperation Operation) {
    if (OnGraphicNotify) OnGraphicNotify(this, Operation);
}

void THyperText::Changed(TObject* Sender) {
    const THyperState entry = HyperState();
    SetHyperState(hsChanging);
    const bool fromLines = Sender == &Lines();
    if (fromLines) Compile();
    Interpret(entry != hsChanging);
    FMediaStartPending =
        (fromLines && FAutoPlayMedia) || (FMediaPlayer && !FMediaPlayer->FileName().empty());
    SetHyperState(entry);
}

void THyperText::Compile() {
    const auto& lines = Lines().Lines();
    AnsiString text;
    size_t size = 0;
    for (const AnsiString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    FCompiled = CompileMarkup(text);
    // A new text starts without media, pictures or links; the old lines,
    // which refer to the pictures, go with them.
    DropMedia();
    FTextLines.clear();
    FPictures.clear();
    ClearHyperLinks();
}

void THyperText::Interpret(bool Layout) {
    if (FCompiled.empty()) {
        FTextLines.clear();
        return;
    }
    for (size_t i = 0; i < FStyles.size(); ++i)
        FWorkingStyles[i]->Assign(*FStyles[i]);
    Notify(hoLoadBegin);
    FLoadingAborted = false;
    std::unique_ptr<THyperString> root = InterpretMarkup(FCompiled, *this);
    if (Layout) {
        MarkupText(FTextLines, *root, 0, RealWidth(), 0);
        if (FAutoSize) {
            SetAutoSize(false);
            SetAutoSize(true);
        }
    }
    Notify(hoLoadEnd);
}

int THyperText::TextWidth(const TFont& Font, const AnsiString& Text) {
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font);
    return canvas.TextWidth(Text);
}

void THyperText::AddHyperLink(int Id, const AnsiString& Hint) {
    THyperControl::AddHyperLink(Id, Hint);
}

THyperStyle* THyperText::GetStyle(int Index) {
    if (Index < 0) return FDefaultStyle.get();
    return Index < 16 ? FStyles[static_cast<size_t>(Index)].get() : nullptr;
}

void THyperText::SetStyle(int Index, const THyperStyle* Value) {
    THyperStyle* style = Index < 16 ? GetStyle(Index) : nullptr;
    if (style && Value) style->Assign(*Value);
}

void THyperText::SetIndexStyle(const THyperIndex* Value) {
    if (Value) FIndexStyle->Assign(*Value);
}

void THyperText::SetTabSize(int Value) {
    if (Value <= 0 || Value == FTabSize) return;
    FTabSize = Value;
    UpdateAll(this);
}

void THyperText::Assign(const THyperControl& Source) {
    const auto* source = dynamic_cast<const THyperText*>(&Source);
    if (source && source != this) {
        SetHyperState(hsAssigning);
        FAutoSize = source->FAutoSize;
        FDefaultStyle->Assign(*source->FDefaultStyle);
        FIndexStyle->Assign(*source->FIndexStyle);
        FTabSize = source->FTabSize;
        for (size_t i = 0; i < FStyles.size(); ++i)
            FStyles[i]->Assign(*source->FStyles[i]);
        SetHyperState(hsReady);
    }
    THyperControl::Assign(Source);
}

bool THyperText::PaintTo(TCanvas& Canvas) {
    if (HyperState() != hsReady) return false;
    SetHyperState(hsPainting);
    OutText(Canvas, Rect(0, 0, RealWidth(), RealHeight()), FTextLines);
    SetHyperState(hsReady);
    return true;
}
