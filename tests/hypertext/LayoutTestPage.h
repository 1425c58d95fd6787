#pragma once

#include "hypertext/HyperText.h"

#include <QImage>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

// A page view configured as the viewer configures it (Times new roman 13 pt,
// justified, index height 70), laid out at a given real size and painted
// into its display list, with the rectangle each word was painted in.
class TLayoutPage {
public:
    explicit TLayoutPage(int Width = 400, int Height = 300);
    ~TLayoutPage();

    // Lays out and paints Markup.
    void Show(const AnsiString& Markup);
    // Lays the same page out and paints it again (the words are new ones).
    void Relayout();
    THyperText& View() { return *FView; }
    const THyperLines& Lines() const { return FView->TextLines(); }
    const THyperString& Line(size_t Index) const { return *Lines().at(Index); }
    // The first word (in painting order, side boxes included) with this text.
    const THyperWord& Word(const AnsiString& Text) const;
    // The line that holds the word, among the page's lines (not a box's).
    size_t LineOf(const THyperWord& Word) const;
    // Where a word was painted: (X, Y, X + width, Y + height).
    TRect Painted(const THyperWord& Word) const;
    TRect Painted(const AnsiString& Text) const { return Painted(Word(Text)); }
    // The area's right edge in a line: its last usable pixel + 1.
    static int AreaEnd(const THyperString& Line) { return Line.Bounds.Right + 1; }
    // The view as it shows on screen, in RGB.
    QImage Image();
    // The widths the layout measured with.
    int TextWidth(const AnsiString& Text, const TFont* Font = nullptr);
    int SpaceWidth(const TFont* Font = nullptr);

private:
    QWidget FWindow;
    std::unique_ptr<THyperText> FView;
    std::map<const THyperWord*, TRect> FPainted;
    std::vector<const THyperWord*> FOrder;
};
