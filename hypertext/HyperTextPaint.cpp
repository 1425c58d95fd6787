// Painting the laid-out lines.
#include "hypertext/HyperPainter.h"

#include "hypertext/HyperMacros.h"
#include "hypertext/HyperMeasure.h"
#include "platform/graphics/Canvas.h"

THyperPainter::THyperPainter(THyperText& Control, TCanvas& Canvas)
    : FControl(Control), FCanvas(Canvas), FMeasure(Control.Measure()), FClip(Canvas.ClipRect()) {}

void THyperText::OutText(TCanvas& Canvas, const TRect& Area, const THyperLines& Lines) {
    THyperPainter(*this, Canvas).OutText(Area, Lines);
}

void THyperPainter::OutText(const TRect& Area, const THyperLines& Lines) {
    const THyperWord* previous = nullptr;
    for (const auto& line : Lines)
        PaintLine(Area, *line, previous);
}

// Places each word from the line's aligned start: indices stack after the
// text they follow, the style's layout puts the word on the baseline, at the
// top or in the middle of the line, shifts move it, and a justified line
// spreads its free space over the gaps (later gaps taking the remainder).
void THyperPainter::PaintLine(const TRect& Area, const THyperString& Line,
                              const THyperWord*& Previous) {
    const THyperWord& last = *Line.Last();
    const THyperIndex& index = FControl.IndexStyleObject();
    const THyperAlignment align = last.Style->Alignment();
    int x = align == haRight ? Line.FreeSpace : align == haCenter ? Line.FreeSpace / 2 : 0;
    const int yT = Line.Bounds.Top + last.Style->Interval();
    int g = Line.SpaceCount;
    int f = Line.FreeSpace;
    int wText = 0;
    for (size_t k = 0; k < Line.Words.size(); ++k) {
        THyperWord& word = *Line.Words[k];
        const THyperWord* next = k + 1 < Line.Words.size() ? Line.Words[k + 1].get() : nullptr;
        TPlaced p;
        int dy = 0;
        if (!IsPageBackground(word)) {
            p.M = MeasureWord(FMeasure, word, next);
            if (!word.Joined) --g;
            x += word.ShiftX;
            const int hh = p.M.Height;
            if (word.IndexKind != 0) {
                if (FollowsOtherIndex(word, Previous)) x = wText;
                p.IndexFont = MeasureIndex(FMeasure, word, next, index.Height(), p.M);
                dy = word.IndexKind == 1
                         ? index.LowerOffset() * hh / 100 + hh / 2
                         : hh / 2 - (index.UpperOffset() + index.Height()) * hh / 100;
            } else {
                wText = x + p.M.Width;
            }
            switch (word.Style->Layout()) {
            case tlTop:
                dy += Line.Descent - p.M.Desc;
                break;
            case tlCenter:
                dy += (Line.Ascent + Line.Descent - p.M.Asc - p.M.Desc) / 2;
                break;
            default:
                dy += Line.Ascent - p.M.Asc;
            }
            dy += word.ShiftY - Line.Lift;
            if (word.Style->Alignment() == haPage && g != 0 && !(next && next->Joined)) {
                const int extra = f / g;
                p.M.Gap += extra;
                f -= extra;
            }
        }
        p.X = Line.Bounds.Left + x;
        p.Y = yT + dy;
        if (FControl.OnPaintWord)
            FControl.OnPaintWord(word, Rect(p.X, p.Y, p.X + p.M.Width, p.Y + p.M.Height));
        if (word.LinkId != -1) AddLinkRect(word, next, p);
        // An inline vector picture's links join the page's where it stands.
        if (word.Macros && word.Macros->Links) FControl.MergeLinks(p.X, p.Y, *word.Macros->Links);
        FCanvas.Brush().SetColor(word.Style->BackColor());
        FCanvas.Brush().SetStyle(word.Style->Background() ? bsSolid : bsClear);
        if (Visible(word, p)) {
            DrawWord(Area, word, p);
            if (p.M.Gap > 0 && next) PaintGap(word, *next, p);
        }
        x += p.M.Width + p.M.Gap;
        Previous = &word;
    }
}

// Words are laid out and their links registered wherever they are, but what
// lies wholly outside the visible area (a page longer than its real size) is
// not drawn: it could never be seen. Glyphs may overhang their cell, so the
// test allows a word's height around it.
bool THyperPainter::Visible(const THyperWord& Word, const TPlaced& P) const {
    if (FClip.IsEmpty() || IsPageBackground(Word) || Word.Border) return true;
    const int reach = P.M.Height;
    return P.X + P.M.Width + P.M.Gap + reach > FClip.Left && P.X - reach < FClip.Right &&
           P.Y + P.M.Height + reach > FClip.Top && P.Y - reach < FClip.Bottom;
}

void THyperPainter::SelectFont(const THyperWord& Word, int IndexFont) {
    TFont& font = FCanvas.Font();
    font.Assign(*Word.Style->Font());
    if (IndexFont) THyperMeasure::ApplyHeight(font, IndexFont);
}

void THyperPainter::DrawWord(const TRect& Area, THyperWord& Word, const TPlaced& P) {
    if (Word.Macros) {
        DrawObject(Area, Word, P);
    } else if (Word.Border && Word.Border->Side != 0) {
        THyperBorder& box = *Word.Border;
        FCanvas.FillRect(box.ContentBounds);
        OutText(box.ContentBounds, box.Lines);
    } else if (!Word.Text.empty()) {
        SelectFont(Word, P.IndexFont);
        FCanvas.TextOut(P.X, P.Y, Word.Text);
    }
}
