#include "hypertext/HyperWordMetrics.h"

#include "hypertext/HyperDocument.h"
#include "hypertext/HyperMacros.h"
#include "hypertext/HyperMeasure.h"

#include <algorithm>

bool IsPageBackground(const THyperWord& Word) {
    return Word.Macros && Word.Macros->Placement == mpBackground;
}

bool FollowsOtherIndex(const THyperWord& Word, const THyperWord* Previous) {
    return Word.IndexKind != 0 && Previous && Previous->IndexKind != 0 &&
           Previous->IndexKind != Word.IndexKind;
}

TWordMetrics MeasureWord(THyperMeasure& Measure, const THyperWord& Word, const THyperWord* Next) {
    Measure.SelectFont(*Word.Style->Font());
    TWordMetrics m;
    m.Asc = Measure.Ascent();
    m.Desc = Measure.Descent();
    if (Word.Macros) {
        m.Width = Word.Macros->Width;
        m.Height = Word.Macros->Height;
    } else {
        m.Width = Measure.TextWidth(Word.Text);
        m.Height = Measure.HeightW();
    }
    m.Gap = Next && !Next->Joined ? Measure.SpaceWidth() : 0;
    const TTextLayout layout = Word.Style->Layout();
    if (Word.Macros && layout != tlTop) {
        m.Asc = layout == tlCenter ? (m.Height + m.Asc) / 2 : m.Height;
        m.Desc = std::max(m.Height - m.Asc, 0);
    }
    return m;
}

int MeasureIndex(THyperMeasure& Measure, const THyperWord& Word, const THyperWord* Next,
                 int IndexHeight, TWordMetrics& Metrics) {
    const int height = std::max(1, Metrics.Height * IndexHeight / 100);
    Measure.SelectFont(*Word.Style->Font(), height);
    if (!Word.Macros) Metrics.Width = Measure.TextWidth(Word.Text);
    Metrics.Gap = Next && !Next->Joined ? Measure.SpaceWidth() : 0;
    return height;
}

int FillWidth(THyperMeasure& Measure, const THyperWord& Word, bool StartsLine, int IndexHeight) {
    const TFont& font = *Word.Style->Font();
    int height = 0;
    if (Word.IndexKind != 0) {
        height = font.Height() * IndexHeight / 100;
        if (height == 0) height = font.Height() < 0 ? -1 : 1;
    }
    Measure.SelectFont(font, height);
    int width = Measure.TextWidth(Word.Text) + Word.ShiftX;
    if (!StartsLine && !Word.Joined) width += Measure.SpaceWidth();
    if (Word.Macros) width += Word.Macros->Width;
    return width;
}
