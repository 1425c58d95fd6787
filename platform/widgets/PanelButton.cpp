#include "platform/widgets/PanelButton.h"

#include <QLabel>
#include <QMouseEvent>

TPanelButton::TPanelButton(QWidget* Parent) : TBevelPanel(Parent) {}

void TPanelButton::SetPicture(const QPixmap& Picture, const QPoint& Position) {
    if (!FPicture) {
        FPicture = new QLabel(this);
        // Presses on the picture belong to the panel.
        FPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    FPicture->setPixmap(Picture);
    FPicture->setGeometry(QRect(Position, Picture.size() / Picture.devicePixelRatio()));
    FPicture->show();
}

void TPanelButton::Release() {
    FPressed = false;
    SetBevelOuter(bvRaised);
}

void TPanelButton::mousePressEvent(QMouseEvent* Event) {
    Event->accept();
    FPressed = true;
    SetBevelOuter(bvLowered);
}

// Qt delivers the release to the widget that received the press, so this
// answers also when the pointer has left the panel meanwhile.
void TPanelButton::mouseReleaseEvent(QMouseEvent* Event) {
    Event->accept();
    if (!FPressed || Event->buttons() != Qt::NoButton) return;
    Release();
    if (OnClick) OnClick();
}
