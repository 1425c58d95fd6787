#include "LayoutTestPage.h"

#include "hypertext/HyperMeasure.h"

#include <stdexcept>

TLayoutPage::TLayoutPage(int Width, int Height) {
    FWindow.resize(Width + 20, Height + 20);
    FView = std::make_unique<THyperText>(&FWindow);
    FView->IndexStyleObject().SetHeight(70);
    FView->DefaultStyle().Font()->SetName("Times new roman");
    FView->DefaultStyle().Font()->SetSize(13);
    FView->DefaultStyle().SetAlignment(haPage);
    FView->SetTabSize(5);
    FView->SetBoundsRect(Bounds(0, 0, Width, Height));
    FView->OnPaintWord = [this](const THyperWord& Word, const TRect& R) {
        FPainted[&Word] = R;
        FOrder.push_back(&Word);
    };
}

TLayoutPage::~TLayoutPage() = default;

void TLayoutPage::Show(const AnsiString& Markup) {
    FPainted.clear();
    FOrder.clear();
    TStringList lines;
    lines.SetText(Markup);
    FView->SetLines(lines);
    FView->RenderIfDirty();
}

void TLayoutPage::Relayout() {
    FPainted.clear();
    FOrder.clear();
    FView->Update();
    FView->RenderIfDirty();
}

const THyperWord& TLayoutPage::Word(const AnsiString& Text) const {
    for (const THyperWord* word : FOrder)
        if (word->Text == Text) return *word;
    throw std::runtime_error("no word " + Text);
}

size_t TLayoutPage::LineOf(const THyperWord& Word) const {
    for (size_t i = 0; i < Lines().size(); ++i)
        for (const auto& w : Lines()[i]->Words)
            if (w.get() == &Word) return i;
    throw std::runtime_error("word not on a page line");
}

TRect TLayoutPage::Painted(const THyperWord& Word) const {
    return FPainted.at(&Word);
}

QImage TLayoutPage::Image() {
    return FView->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int TLayoutPage::TextWidth(const AnsiString& Text, const TFont* Font) {
    FView->Measure().SelectFont(Font ? *Font : *FView->DefaultStyle().Font());
    return FView->Measure().TextWidth(Text);
}

int TLayoutPage::SpaceWidth(const TFont* Font) {
    FView->Measure().SelectFont(Font ? *Font : *FView->DefaultStyle().Font());
    return FView->Measure().SpaceWidth();
}
