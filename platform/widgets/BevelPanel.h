#pragma once

#include "platform/base/Alignment.h"

#include <QColor>
#include <QString>
#include <QWidget>

enum TPanelBevel { bvNone, bvLowered, bvRaised };

// A panel framed by an outer and an inner bevel (each raised, lowered or
// none, BevelWidth pixels wide), filled with its colour (its parent's colour
// unless one is set) and showing a one-line caption centred vertically.
class TBevelPanel : public QWidget {
    Q_OBJECT

public:
    explicit TBevelPanel(QWidget* Parent = nullptr);

    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    // The panel's own colour; an invalid colour means the parent's colour.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& Value);

    // The client area inside both bevels.
    QRect InnerRect() const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TPanelBevel FBevelOuter = bvRaised;
    TPanelBevel FBevelInner = bvNone;
    int FBevelWidth = 1;
    QString FCaption;
    TAlignment FAlignment = taCenter;
    QColor FColor;
};
