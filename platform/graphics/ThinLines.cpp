#include "platform/graphics/ThinLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// A / B rounded down, for B > 0.
int64_t FloorDiv(int64_t A, int64_t B) {
    return A >= 0 ? A / B : -((-A + B - 1) / B);
}

// Adds the pixels of the line from From to To (without To) to Path as runs:
// rows of pixels for a line that is wider than high, columns otherwise.
void AddLinePixels(QPainterPath& Path, TPoint From, TPoint To, const TRect& Visible) {
    if (From == To) return;
    const bool xMajor = std::abs(int64_t(To.X) - From.X) >= std::abs(int64_t(To.Y) - From.Y);
    const auto major = [xMajor](TPoint P) { return int64_t(xMajor ? P.X : P.Y); };
    const auto minor = [xMajor](TPoint P) { return int64_t(xMajor ? P.Y : P.X); };
    const bool forward = major(To) > major(From);
    // Worked out from the lower end, the pixels are the same both ways.
    const TPoint low = forward ? From : To;
    const TPoint high = forward ? To : From;
    const int64_t span = major(high) - major(low);
    const int64_t rise = minor(high) - minor(low);
    const auto minorAt = [&](int64_t M) {
        return minor(low) + FloorDiv(2 * (M - major(low)) * rise + span, 2 * span);
    };

    const int64_t visibleFirst = xMajor ? Visible.Left : Visible.Top;
    const int64_t visibleLast = (xMajor ? Visible.Right : Visible.Bottom) - 1;
    const int64_t minorFirst = xMajor ? Visible.Top : Visible.Left;
    const int64_t minorLast = (xMajor ? Visible.Bottom : Visible.Right) - 1;
    const int64_t first = std::max(forward ? major(From) : major(To) + 1, visibleFirst);
    const int64_t last = std::min(forward ? major(To) - 1 : major(From), visibleLast);
    if (first > last) return;

    const auto addRun = [&](int64_t Start, int64_t End, int64_t Minor) {
        if (Minor < minorFirst || Minor > minorLast) return;
        const qreal length = qreal(End - Start);
        if (xMajor)
            Path.addRect(QRectF(qreal(Start), qreal(Minor), length, 1));
        else
            Path.addRect(QRectF(qreal(Minor), qreal(Start), 1, length));
    };
    int64_t runStart = first;
    int64_t runMinor = minorAt(first);
    for (int64_t m = first + 1; m <= last; ++m) {
        const int64_t n = minorAt(m);
        if (n == runMinor) continue;
        addRun(runStart, m, runMinor);
        runStart = m;
        runMinor = n;
    }
    addRun(runStart, last + 1, runMinor);
}

// Half a step along the line from From to To: half a pixel along its longer side.
QPointF HalfStep(TPoint From, TPoint To) {
    const qreal dx = qreal(To.X) - From.X, dy = qreal(To.Y) - From.Y;
    const qreal steps = std::max(std::abs(dx), std::abs(dy));
    return steps > 0 ? QPointF(dx / (2 * steps), dy / (2 * steps)) : QPointF();
}

QPointF PointOf(TPoint P) {
    return QPointF(P.X, P.Y);
}

} // namespace

QPainterPath ThinLinePixels(const std::vector<TPoint>& Points, const TRect& Visible) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // runs of crossing lines are filled once
    for (size_t i = 1; i < Points.size(); ++i)
        AddLinePixels(path, Points[i - 1], Points[i], Visible);
    return path;
}

QPainterPath ThinLineStroke(const std::vector<TPoint>& Points) {
    QPainterPath path;
    if (Points.size() < 2) return path;
    // The first and the last line that go anywhere give the directions.
    size_t second = 1;
    while (second < Points.size() && Points[second] == Points.front())
        ++second;
    if (second == Points.size()) return path;
    size_t beforeLast = Points.size() - 2;
    while (Points[beforeLast] == Points.back())
        --beforeLast;
    path.moveTo(PointOf(Points.front()) - HalfStep(Points.front(), Points[second]));
    for (size_t i = 1; i + 1 < Points.size(); ++i)
        path.lineTo(PointOf(Points[i]));
    path.lineTo(PointOf(Points.back()) - HalfStep(Points[beforeLast], Points.back()));
    return path;
}
