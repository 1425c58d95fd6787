// The main window's panels as the page display uses them.
#include "platform/base/Colors.h"
#include "platform/graphics/QtConvert.h"
#include "platform/widgets/BevelPanel.h"
#include "viewer/StatusHints.h"
#include "viewer/Viewpage.h"

#include <QLabel>

QWidget* TfrmPage::TextPanel() const {
    return pnlTextPanel;
}

int TfrmPage::BarsHeight() const {
    return pnlNavigatorBar->height() + pnlStatusBar->height();
}

void TfrmPage::CreateVideoControl() {
    FVideoControl = std::make_unique<TWidgetControl>(*pnlVideoPanel);
}

void TfrmPage::SetPageColors(TColor Window, TColor Font) {
    // The text panel has no colour of its own: it shows the window's.
    QPalette window = palette();
    window.setColor(QPalette::Window, ToQColor(ColorToRGB(Window)));
    setPalette(window);
    setAutoFillBackground(true);
    // The bars keep the button face.
    for (QWidget* bar :
         {static_cast<QWidget*>(pnlNavigatorBar), static_cast<QWidget*>(pnlStatusBar)}) {
        QPalette face = bar->palette();
        face.setColor(QPalette::Window, ToQColor(ColorToRGB(clBtnFace)));
        bar->setPalette(face);
    }
    QPalette status = lblHints->palette();
    status.setColor(QPalette::WindowText, ToQColor(ColorToRGB(Font)));
    lblHints->setPalette(status);
}

void TfrmPage::ShowStatusHints() {
    FStatusHints = new TStatusHints(
        [this](const QString& Hint) {
            lblHints->setText(Hint);
            lblHints->adjustSize();
        },
        this);
    for (TToolButton* button :
         {tbFirst, tbPrev, tbMark, tbNext, tbLast, tbAcross, tbBackward, tbForward, tbBookMarks,
          tbContents, tbZoomOut, tbZoomIn, tbShowHints, tbButtonSize, tbInformation, tbExit})
        FStatusHints->Watch(*button);
}
