#pragma once

#include "platform/widgets/BevelPanel.h"

#include <QPixmap>
#include <functional>

class QLabel;

// A panel that serves as a button: its outer bevel is lowered while a mouse
// button pressed on it (or on its picture) is held, and it answers when that
// button is released, wherever the pointer is then.
class TPanelButton : public TBevelPanel {
    Q_OBJECT

public:
    explicit TPanelButton(QWidget* Parent = nullptr);

    // Shows Picture (drawn with its transparency) at Position in the panel.
    void SetPicture(const QPixmap& Picture, const QPoint& Position);
    QLabel* PictureLabel() const { return FPicture; }
    bool Pressed() const { return FPressed; }
    // Back to the raised look, forgetting a press (when a dialog closes).
    void Release();

    // Called when a press on the panel ends.
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    QLabel* FPicture = nullptr;
    bool FPressed = false;
};
