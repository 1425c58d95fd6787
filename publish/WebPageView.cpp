#include "publish/WebPageView.h"

#include "hypertext/HyperText.h"
#include "hypertext/MarkupCompiler.h"
#include "hypertext/PageViewSetup.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/StringList.h"

#include <exception>

TWebPageView::TWebPageView(int RealWidth, int RealHeight, TWebPictureReader Pictures)
    : FView(std::make_unique<THyperText>()), FVectorPicture(std::make_unique<TVectorPicture>()) {
    // Loading stops at the first picture that fails to read, as the viewer's does.
    ConfigurePageView(*FView, *FVectorPicture,
                      [Pictures = std::move(Pictures)](const AnsiString& Name,
                                                       const std::function<void(TStream&)>& Read,
                                                       bool& Processed, bool& Aborted) {
                          try {
                              Processed = Pictures && Pictures(Name, Read);
                          } catch (const std::exception&) {
                              Processed = false;
                              Aborted = true;
                          }
                      });
    FView->SetRealSize(RealWidth, RealHeight);
    for (auto& style : FWorking)
        style = std::make_unique<THyperStyle>();
}

TWebPageView::~TWebPageView() {
    FView.reset();
    FVectorPicture.reset();
}

std::unique_ptr<THyperString> TWebPageView::Interpret(const TStringList& Lines) {
    // An empty text drops the previous page's pictures and clips.
    FView->Lines().Clear();
    FView->Changed(&FView->Lines());
    for (size_t i = 0; i < FWorking.size(); ++i)
        FWorking[i]->Assign(*FView->GetStyle(static_cast<int>(i)));
    // The lines joined by CR LF, as the page view joins them.
    AnsiString text = Lines.Text();
    if (text.size() >= 2) text.resize(text.size() - 2);
    return InterpretMarkup(CompileMarkup(text), *this);
}

void TWebPageView::SetRealSize(int Width, int Height) {
    FView->SetRealSize(Width, Height);
}

const THyperStyle& TWebPageView::PageStyle() {
    return FView->DefaultStyle();
}
THyperStyle& TWebPageView::DefaultStyle() {
    return FView->DefaultStyle();
}
const THyperIndex& TWebPageView::IndexStyle() {
    return FView->IndexStyleObject();
}
int TWebPageView::TabSize() {
    return FView->TabSize();
}
int TWebPageView::RealWidth() {
    return static_cast<THyperControl&>(*FView).RealWidth();
}
int TWebPageView::RealHeight() {
    return static_cast<THyperControl&>(*FView).RealHeight();
}

int TWebPageView::TextWidth(const TFont& Font, const AnsiString& Text) {
    THyperMeasure& measure = FView->Measure();
    measure.SelectFont(Font);
    return measure.TextWidth(Text);
}

void TWebPageView::DoMacros(bool Enter, int& Counter, THyperMacros* Macros) {
    FView->DoMacros(Enter, Counter, Macros);
}
