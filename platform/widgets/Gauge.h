#pragma once

#include "platform/widgets/WidgetControls.h"

#include <QColor>
#include <QWidget>
#include <cstdint>

// A progress gauge: a horizontal bar in ForeColor on BackColor inside a single
// border, with the percentage done written across it. The minimum is 0.
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

    int64_t FMaxValue = 100;
    int64_t FProgress = 0;
    QColor FForeColor;
    QColor FBackColor;
};
