#include "viewer/Viewerror.h"

#include "platform/widgets/PanelButton.h"
#include "viewer/DialogKeys.h"
#include "viewer/DialogPictures.h"
#include "viewer/Viewpage.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace {

QLabel* AddLabel(QWidget* Parent, const QString& Name, const QString& Caption, int Left, int Top) {
    auto* label = new QLabel(Caption, Parent);
    label->setObjectName(Name);
    label->move(Left, Top);
    label->adjustSize();
    return label;
}

} // namespace

TfrmError::TfrmError(TfrmPage& Page) : TForm(&Page), FPage(Page) {
    setObjectName(QStringLiteral("frmError"));
    SetBorderStyle(bsDialog, biSystemMenu);
    SetCaption(QStringLiteral("Ошибка"));
    SetFormFont(QStringLiteral("Tahoma"), 10);
    SetClientSize(352, 91);

    imgError = new QLabel(this);
    imgError->setObjectName(QStringLiteral("imgError"));
    imgError->setGeometry(12, 12, 32, 32);
    imgError->setAlignment(Qt::AlignCenter);
    imgError->setPixmap(ErrorIcon());
    lblError1 = AddLabel(this, QStringLiteral("lblError1"),
                         QStringLiteral("Ошибка чтения файла данных!"), 100, 12);
    lblError2 = AddLabel(this, QStringLiteral("lblError2"),
                         QStringLiteral("Продолжение работы программы невозможно."), 60, 28);

    pnlOk = new TPanelButton(this);
    pnlOk->setObjectName(QStringLiteral("pnlOk"));
    pnlOk->setGeometry(139, 56, 73, 25);
    pnlOk->SetCaption(QStringLiteral("OK   "));
    pnlOk->SetAlignment(taRightJustify);
    pnlOk->SetPicture(OkPicture(), QPoint(12, 3));
    imgOk = pnlOk->PictureLabel();
    imgOk->setObjectName(QStringLiteral("imgOk"));
    pnlOk->OnClick = [this] { pnlOkMouseUp(); };
    FitTexts();

    OnKeyPress = [this](TForm*, QKeyEvent& Key) { frmKeyPress(Key); };
    OnClose = [this](TForm*) { frmClose(); };
}

void TfrmError::FitTexts() {
    // The layout is designed around the texts' width in Tahoma; a wider
    // substitute face widens the dialog, keeping the margin of the icon and
    // the OK panel centred, rather than cutting a text off.
    const int margin = imgError->x();
    const int needed =
        std::max(lblError1->geometry().right(), lblError2->geometry().right()) + 1 + margin;
    if (needed <= ClientWidth()) return;
    SetClientSize(needed, ClientHeight());
    pnlOk->move((needed - pnlOk->width()) >> 1, pnlOk->y());
}

void TfrmError::pnlOkMouseUp() {
    SetModalResult(mrNo);
}

void TfrmError::frmKeyPress(QKeyEvent& Key) {
    AnswerDialogKey(*this, Key, FPage.SkipKeyUp);
}

void TfrmError::frmClose() {
    pnlOk->Release();
}
