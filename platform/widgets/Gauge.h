#pragma once

#include "platform/widgets/WidgetControls.h"

#include <QColor>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

// A progress gauge: a horizontal bar in ForeColor on BackColor inside a single
// border, with the percentage done written across it. The minimum is 0.
// Progress is drawn at most once a frame (FrameMs): a load that reports
// thousands of steps would otherwise spend its time drawing them.
class TGauge : public QWidget, public TWidgetBased<TGaugeControl> {
    Q_OBJECT

public:
    explicit TGauge(QWidget* Parent = nullptr);

    int64_t MaxValue() const override { return FMaxValue; }
    // A maximum below 0 is taken as 0; the position is kept within it.
    void SetMaxValue(int64_t Value) override;
    int64_t Progress() const override { return FProgress; }
    // Kept within 0 .. MaxValue.
    void SetProgress(int64_t Value) override;
    // Whole percent of the maximum reached (0 while the maximum is 0).
    int PercentDone() const;
    static constexpr int FrameMs = 16;

    QColor ForeColor() const { return FForeColor; }
    void SetForeColor(const QColor& Value);
    QColor BackColor() const { return FBackColor; }
    void SetBackColor(const QColor& Value);

protected:
    QWidget& Widget() const override { return const_cast<TGauge&>(*this); }
    void paintEvent(QPaintEvent* Event) override;

private:
    // The filled part of a bar InnerWidth pixels wide.
    int BarWidth(int InnerWidth) const;
    // Asks for a painting now, or at the next frame when one was just drawn.
    void UpdateInFrame();

    int64_t FMaxValue = 100;
    int64_t FProgress = 0;
    QColor FForeColor;
    QColor FBackColor;
    QElapsedTimer FLastPaint;
    QTimer FFrameTimer;
};
