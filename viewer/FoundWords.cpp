#include "viewer/FoundWords.h"

#include "data/BookSearch.h"
#include "hypertext/HyperDocument.h"
#include "hypertext/HyperText.h"

#include <QEvent>
#include <QPainter>

TFoundWords::TFoundWords(THyperText& View) : QWidget(View.Widget()), FView(View) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    FView.Widget()->installEventFilter(this);
    setGeometry(FView.Widget()->rect());
    hide();
}

TFoundWords::~TFoundWords() {
    if (FView.Widget()) FView.Widget()->removeEventFilter(this);
}

void TFoundWords::SetQuery(const AnsiString& Query) {
    FTerms.clear();
    FMarks.clear();
    const AnsiString folded = TBookSearch::FoldQuery(Query);
    for (size_t start = 0; start < folded.size();) {
        size_t end = folded.find(' ', start);
        if (end == AnsiString::npos) end = folded.size();
        if (end > start) FTerms.push_back(folded.substr(start, end - start));
        start = end + 1;
    }
    if (FTerms.empty()) {
        hide();
        return;
    }
    // Drawing the page once more tells where each word stands.
    FView.OnPaintWord = [this](const THyperWord& Word, const TRect& Rect) {
        if (Word.Text.empty()) return;
        const AnsiString word = TBookSearch::Fold(Word.Text);
        for (const AnsiString& term : FTerms)
            if (word.find(term) != AnsiString::npos) {
                FMarks.push_back(Rect);
                return;
            }
    };
    FView.MarkDirty();
    FView.RenderIfDirty();
    FView.OnPaintWord = nullptr;
    setGeometry(FView.Widget()->rect());
    show();
    raise();
    update();
}

bool TFoundWords::eventFilter(QObject*, QEvent* Event) {
    if (Event->type() == QEvent::Resize) setGeometry(FView.Widget()->rect());
    return false;
}

void TFoundWords::paintEvent(QPaintEvent*) {
    const THyperControl& view = FView;
    if (view.RealWidth() <= 0 || view.RealHeight() <= 0) return;
    QPainter painter(this);
    // Multiplied in, the yellow tints the paper and leaves the letters dark.
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    const double sx = static_cast<double>(width()) / view.RealWidth();
    const double sy = static_cast<double>(height()) / view.RealHeight();
    for (const TRect& r : FMarks)
        painter.fillRect(QRectF(r.Left * sx, r.Top * sy, r.Width() * sx, r.Height() * sy),
                         QColor(255, 230, 0));
}
