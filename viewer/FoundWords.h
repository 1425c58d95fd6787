#pragma once

#include "platform/base/Rect.h"
#include "platform/base/Types.h"

#include <QWidget>
#include <vector>

class THyperText;

// Marks the words of a page view that a search found: every word whose text
// holds one of the query's words (letter case and Ё ignored) gets a yellow
// marker over it, scaled with the view. The marker lies over the view as a
// transparent layer that the mouse passes through; the page's rendering is
// left as it is.
class TFoundWords : public QWidget {
public:
    explicit TFoundWords(THyperText& View);
    ~TFoundWords() override;

    // The query's words to mark; empty clears the marks. The view is laid
    // out again to learn where the words stand.
    void SetQuery(const AnsiString& Query);
    // The marked words' rectangles in the view's real coordinates.
    const std::vector<TRect>& Marks() const { return FMarks; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    THyperText& FView;
    std::vector<AnsiString> FTerms; // folded
    std::vector<TRect> FMarks;
};
