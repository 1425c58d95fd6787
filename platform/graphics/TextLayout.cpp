#include "platform/graphics/TextLayout.h"

#include "platform/graphics/QtConvert.h"

#include <algorithm>

namespace {

// A character of the text after prefix processing, with its accelerator mark.
struct TMarkedText {
    QString Text;
    std::vector<bool> Underlined;
};

// "&x" marks x as the accelerator (underlined unless hidden), "&&" is a plain
// "&", a trailing "&" is dropped.
TMarkedText ProcessPrefixes(const QString& Text, unsigned Flags) {
    TMarkedText out;
    bool prefixes = !(Flags & DT_NOPREFIX);
    for (qsizetype i = 0; i < Text.size(); ++i) {
        QChar c = Text[i];
        bool mark = false;
        if (prefixes && c == u'&') {
            if (i + 1 >= Text.size()) break;
            c = Text[++i];
            mark = c != u'&' && !(Flags & DT_HIDEPREFIX);
        }
        out.Text.append(c);
        out.Underlined.push_back(mark);
    }
    return out;
}

class TLineBuilder {
public:
    TLineBuilder(const TFontEntry& Font, unsigned Flags) : FFont(Font), FFlags(Flags) {
        FTabWidth = 8 * std::max(1, Font.Metrics.averageCharWidth());
    }

    // Width of Text[From, To) as drawn, tabs expanded from the line start.
    int Width(const TMarkedText& T, qsizetype From, qsizetype To) const {
        return Place(T, From, To).Width;
    }

    TTextLine Place(const TMarkedText& T, qsizetype From, qsizetype To) const {
        TTextLine line;
        int x = 0;
        qsizetype start = From;
        auto flush = [&](qsizetype end) {
            if (end <= start) return;
            TTextRun run;
            run.Text = T.Text.mid(start, end - start);
            run.X = x;
            run.Width = FFont.Metrics.horizontalAdvance(run.Text);
            for (qsizetype i = start; i < end; ++i)
                if (T.Underlined[static_cast<size_t>(i)])
                    run.Underlined.push_back(static_cast<int>(i - start));
            x += run.Width;
            line.Runs.push_back(std::move(run));
        };
        for (qsizetype i = From; i < To; ++i) {
            if (T.Text[i] != u'\t') continue;
            flush(i);
            if (FFlags & DT_EXPANDTABS) x = (x / FTabWidth + 1) * FTabWidth;
            start = i + 1;
        }
        flush(To);
        line.Width = x;
        return line;
    }

private:
    const TFontEntry& FFont;
    unsigned FFlags;
    int FTabWidth;
};

// Splits one paragraph [From, To) into lines no wider than Limit, breaking at
// spaces; a word wider than Limit stays whole on its own line. Without tabs
// the width of a line grows word by word instead of being measured again.
void BreakParagraph(const TLineBuilder& B, const TMarkedText& T, qsizetype From, qsizetype To,
                    int Limit, std::vector<std::pair<qsizetype, qsizetype>>& Out) {
    bool tabs = T.Text.mid(From, To - From).contains(u'\t');
    qsizetype start = From;
    while (true) {
        qsizetype end = start;
        qsizetype fit = -1; // end of the longest prefix ending at a word end that fits
        int width = 0;
        while (end < To) {
            qsizetype wordEnd = end;
            while (wordEnd < To && T.Text[wordEnd] == u' ')
                ++wordEnd;
            while (wordEnd < To && T.Text[wordEnd] != u' ')
                ++wordEnd;
            int grown = tabs ? B.Width(T, start, wordEnd) : width + B.Width(T, end, wordEnd);
            if (fit >= 0 && grown > Limit) break;
            fit = wordEnd;
            end = wordEnd;
            width = grown;
        }
        if (fit < 0) fit = To;
        Out.emplace_back(start, fit);
        start = fit;
        while (start < To && T.Text[start] == u' ')
            ++start;
        if (start >= To) return;
    }
}

std::vector<std::pair<qsizetype, qsizetype>> SplitLines(const TLineBuilder& B, const TMarkedText& T,
                                                        const TRect& R, unsigned Flags) {
    std::vector<std::pair<qsizetype, qsizetype>> lines;
    if (T.Text.isEmpty()) return lines;
    if (Flags & DT_SINGLELINE) {
        lines.emplace_back(0, T.Text.size());
        return lines;
    }
    qsizetype from = 0;
    while (from <= T.Text.size()) {
        qsizetype to = from;
        while (to < T.Text.size() && T.Text[to] != u'\r' && T.Text[to] != u'\n')
            ++to;
        if (Flags & DT_WORDBREAK)
            BreakParagraph(B, T, from, to, R.Width(), lines);
        else
            lines.emplace_back(from, to);
        if (to >= T.Text.size()) break;
        from = to +
               ((T.Text[to] == u'\r' && to + 1 < T.Text.size() && T.Text[to + 1] == u'\n') ? 2 : 1);
        if (from >= T.Text.size()) break;
    }
    return lines;
}

// Line breaks shown on a single line are not drawn.
TMarkedText RemoveBreaks(TMarkedText T) {
    TMarkedText out;
    for (qsizetype i = 0; i < T.Text.size(); ++i) {
        if (T.Text[i] == u'\r' || T.Text[i] == u'\n') continue;
        out.Text.append(T.Text[i]);
        out.Underlined.push_back(T.Underlined[static_cast<size_t>(i)]);
    }
    return out;
}

} // namespace

TTextLayout LayoutText(const TFontEntry& Font, const AnsiString& Text, const TRect& Rect,
                       unsigned Flags) {
    TTextLayout layout;
    TMarkedText marked = ProcessPrefixes(ToQString(Text), Flags);
    if (Flags & DT_SINGLELINE) marked = RemoveBreaks(std::move(marked));
    TLineBuilder builder(Font, Flags);
    layout.LineHeight =
        Font.Height + ((Flags & DT_EXTERNALLEADING) ? std::max(0, Font.Metrics.leading()) : 0);
    auto ranges = SplitLines(builder, marked, Rect, Flags);
    int total = static_cast<int>(ranges.size()) * layout.LineHeight;
    int top = Rect.Top;
    if (Flags & DT_SINGLELINE) {
        if (Flags & DT_VCENTER)
            top = (Rect.Top + Rect.Bottom - total) >> 1;
        else if (Flags & DT_BOTTOM)
            top = Rect.Bottom - total;
    }
    int maxWidth = 0;
    int y = top;
    for (auto [from, to] : ranges) {
        TTextLine line = builder.Place(marked, from, to);
        if (Flags & DT_CENTER)
            line.X = Rect.Left + ((Rect.Width() - line.Width) >> 1);
        else if (Flags & DT_RIGHT)
            line.X = Rect.Right - line.Width;
        else
            line.X = Rect.Left;
        line.Y = y;
        y += layout.LineHeight;
        maxWidth = std::max(maxWidth, line.Width);
        layout.Lines.push_back(std::move(line));
    }
    layout.CalcRect = Rect;
    layout.CalcRect.Right = Rect.Left + maxWidth;
    layout.CalcRect.Bottom = Rect.Top + total;
    layout.Extent = Rect;
    for (const TTextLine& line : layout.Lines) {
        layout.Extent.Left = std::min(layout.Extent.Left, line.X);
        layout.Extent.Right = std::max(layout.Extent.Right, line.X + line.Width);
        layout.Extent.Top = std::min(layout.Extent.Top, line.Y);
        layout.Extent.Bottom = std::max(layout.Extent.Bottom, line.Y + layout.LineHeight);
    }
    layout.Result = (top - Rect.Top) + total;
    return layout;
}
