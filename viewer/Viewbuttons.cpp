// The button size switch: large or small toolbar pictures, with the window's
// and the status line's fonts and the bars following.
#include "platform/widgets/BevelPanel.h"
#include "viewer/Viewpage.h"

#include <QLabel>

namespace {

int PixelHeight(int Points) {
    return (Points * 96 + 36) / 72;
}

} // namespace

void TfrmPage::ChangeButtonSize() {
    const int d0 = tbNavigatorBar->Images()->Height();
    const int f0 = -font().pixelSize();
    AttachResize(false);
    const TImageList* images = tbButtonSize->Down() ? ilLargeImages.get() : ilSmallImages.get();
    tbNavigatorBar->SetImages(images);
    tbNavigatorBar->SetButtonSize(images->Width() + 5, images->Height() + 5);
    tbNavigatorBar->resize(tbNavigatorBar->width(), images->Height() + 5);
    // -8 when growing, +8 when shrinking: the fonts grow or shrink by 2 pt.
    const int d = d0 - images->Height();
    FFontPoints -= d >> 2;
    SetFormFont(font().family(), FFontPoints);
    FStatusFontPoints -= d >> 2;
    QFont status = lblHints->font();
    status.setPixelSize(PixelHeight(FStatusFontPoints));
    lblHints->setFont(status);
    lblHints->adjustSize();
    const int f = f0 + font().pixelSize();
    pnlStatusBar->resize(pnlStatusBar->width(), pnlStatusBar->height() + f);
    pnlNavigatorBar->resize(pnlNavigatorBar->width(), pnlNavigatorBar->height() - d);
    SetAlign(pnlStatusBar, alBottom);
    SetAlign(pnlNavigatorBar, alBottom);
    if (!isMaximized()) SetClientSize(ClientWidth(), ClientHeight() + f - d);
    tbNavigatorBar->move(tbNavigatorBar->x(), 4);
    lblHints->move(lblHints->x(), 2);
    AttachResize(true);
}
