// Provisional layout: one word after another, wrapping at the width. The full
// layout (alignment, justification, side boxes, indices) replaces it.
#include "hypertext/HyperText.h"

#include "platform/Canvas.h"

void THyperText::MarkupText(THyperLines& Lines, THyperString& Source, int Top, int Width,
                            int Left) {
    Lines.clear();
    TCanvas& canvas = Canvas();
    auto line = std::make_unique<THyperString>();
    line->Words.clear();
    int x = Left;
    int y = Top;
    int height = 0;
    const auto finish = [&] {
        if (line->Words.empty()) return;
        line->Bounds = Rect(Left, y, Left + Width, y + height);
        y += height;
        Lines.push_back(std::move(line));
        line = std::make_unique<THyperString>();
        line->Words.clear();
        x = Left;
        height = 0;
    };
    for (int i = 0; i + 1 < Source.Count(); ++i) {
        auto& word = Source.Words[static_cast<size_t>(i)];
        canvas.Font().Assign(*word->Style->Font());
        const int width = canvas.TextWidth(word->Text) + (word->Joined ? 0 : canvas.TextWidth(" "));
        if (x + width > Left + Width && !line->Words.empty()) finish();
        x += width;
        height = std::max(height, canvas.TextHeight("W"));
        const bool breaks = word->LineBreak || word->ParagraphEnd;
        line->Words.push_back(std::move(word));
        if (breaks) finish();
    }
    finish();
}

int THyperText::CalcHeight(const THyperLines& Lines) {
    int height = 0;
    for (const auto& line : Lines)
        height = std::max(height, line->Bounds.Bottom);
    return height;
}

void THyperText::SetAutoSize(bool Value) {
    FAutoSize = Value;
}
