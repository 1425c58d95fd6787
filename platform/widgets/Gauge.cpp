#include "platform/widgets/Gauge.h"

#include "platform/widgets/WidgetPalette.h"

#include <QPainter>
#include <algorithm>

TGauge::TGauge(QWidget* Parent)
    : QWidget(Parent), FForeColor(WidgetPalette::Highlight()), FBackColor(WidgetPalette::Window()) {
    FFrameTimer.setSingleShot(true);
    FFrameTimer.setTimerType(Qt::PreciseTimer);
    connect(&FFrameTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void TGauge::SetMaxValue(int64_t Value) {
    Value = std::max<int64_t>(Value, 0);
    if (Value == FMaxValue) return;
    FMaxValue = Value;
    FProgress = std::min(FProgress, FMaxValue);
    update();
}

void TGauge::SetProgress(int64_t Value) {
    Value = std::clamp<int64_t>(Value, 0, FMaxValue);
    if (Value == FProgress) return;
    const int oldPercent = PercentDone();
    const int oldBar = BarWidth(rect().width() - 2);
    FProgress = Value;
    // A long load reports thousands of steps: only a change that shows is drawn.
    if (PercentDone() != oldPercent || BarWidth(rect().width() - 2) != oldBar) UpdateInFrame();
}

void TGauge::UpdateInFrame() {
    const qint64 since = FLastPaint.isValid() ? FLastPaint.elapsed() : FrameMs;
    if (since >= FrameMs)
        update();
    else if (!FFrameTimer.isActive())
        FFrameTimer.start(static_cast<int>(FrameMs - since));
}

int TGauge::PercentDone() const {
    if (FMaxValue <= 0) return 0;
    return static_cast<int>(static_cast<long double>(FProgress) * 100 / FMaxValue);
}

int TGauge::BarWidth(int InnerWidth) const {
    if (FMaxValue <= 0 || InnerWidth <= 0) return 0;
    return static_cast<int>(static_cast<long double>(FProgress) * InnerWidth / FMaxValue);
}

void TGauge::SetForeColor(const QColor& Value) {
    if (Value == FForeColor) return;
    FForeColor = Value;
    update();
}

void TGauge::SetBackColor(const QColor& Value) {
    if (Value == FBackColor) return;
    FBackColor = Value;
    update();
}

void TGauge::paintEvent(QPaintEvent*) {
    FLastPaint.start();
    FFrameTimer.stop(); // this painting shows what it was to show
    QPainter painter(this);
    const QRect outer = rect();
    painter.setPen(WidgetPalette::WindowFrame());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));

    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (inner.isEmpty()) return;
    const int barWidth = BarWidth(inner.width());
    const QRect bar(inner.left(), inner.top(), barWidth, inner.height());
    const QRect rest(inner.left() + barWidth, inner.top(), inner.width() - barWidth,
                     inner.height());
    painter.fillRect(rest, FBackColor);
    painter.fillRect(bar, FForeColor);

    // The percentage reads in the bar's colour over the background and in the
    // background's colour over the bar.
    const QString text = QString::number(PercentDone()) + QLatin1Char('%');
    painter.setFont(font());
    painter.setClipRect(rest);
    painter.setPen(FForeColor);
    painter.drawText(inner, Qt::AlignCenter, text);
    painter.setClipRect(bar);
    painter.setPen(FBackColor);
    painter.drawText(inner, Qt::AlignCenter, text);
}
