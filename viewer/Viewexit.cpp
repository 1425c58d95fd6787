#include "viewer/Viewexit.h"

#include "platform/graphics/QtConvert.h"
#include "platform/widgets/PanelButton.h"
#include "viewer/DialogKeys.h"
#include "viewer/DialogPictures.h"
#include "viewer/ExitPictures.h"
#include "viewer/Viewpage.h"

#include <QKeyEvent>
#include <QLabel>

TfrmExit::TfrmExit(TfrmPage& Page) : TForm(&Page), FPage(Page) {
    setObjectName(QStringLiteral("frmExit"));
    SetBorderStyle(bsDialog, biSystemMenu);
    SetFormFont(QStringLiteral("Tahoma"), 10);
    SetClientSize(347, 90);
    SetKeyPreview(true);

    imgQuestion = new QLabel(this);
    imgQuestion->setObjectName(QStringLiteral("imgQuestion"));
    imgQuestion->setGeometry(12, 12, 32, 32);
    imgQuestion->setAlignment(Qt::AlignCenter);
    imgQuestion->setPixmap(QuestionIcon());
    lblQuestion = new QLabel(QStringLiteral("Вы действительно хотите выйти из учебника?"), this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->move(60, 20);
    lblQuestion->adjustSize();

    pnlYes = AddPanel("pnlYes", QStringLiteral("Да   "), 93, OkPicture(), "imgYes", mrYes);
    imgYes = pnlYes->PictureLabel();
    pnlNo = AddPanel("pnlNo", QStringLiteral("Нет   "), 181, NoPicture(), "imgNo", mrNo);
    imgNo = pnlNo->PictureLabel();
    FitTexts();

    OnKeyPress = [this](TForm*, QKeyEvent& Key) { frmKeyPress(Key); };
    OnClose = [this](TForm*) { frmClose(); };
}

TPanelButton* TfrmExit::AddPanel(const char* Name, const QString& Caption, int Left,
                                 const QPixmap& Picture, const char* PictureName, int Result) {
    auto* panel = new TPanelButton(this);
    panel->setObjectName(QString::fromUtf8(Name));
    panel->setGeometry(Left, 56, 73, 25);
    panel->SetCaption(Caption);
    panel->SetAlignment(taRightJustify);
    panel->SetPicture(Picture, QPoint(12, 3));
    panel->PictureLabel()->setObjectName(QString::fromUtf8(PictureName));
    // The press and the release both belong to the panel, so the answer
    // holds even when the pointer left it before the release.
    panel->OnClick = [this, Result] { SetModalResult(Result); };
    return panel;
}

// A substitute face wider than Tahoma widens the dialog rather than cutting
// the question off; the panels keep their places relative to the centre.
void TfrmExit::FitTexts() {
    const int needed = lblQuestion->geometry().right() + 1 + imgQuestion->x();
    if (needed <= ClientWidth()) return;
    const int shift = (needed - ClientWidth()) >> 1;
    SetClientSize(needed, ClientHeight());
    for (TPanelButton* panel : {pnlYes, pnlNo})
        panel->move(panel->x() + shift, panel->y());
}

void TfrmExit::SetColors(TColor Color, TColor FontColor) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ToQColor(ColorToRGB(Color)));
    colors.setColor(QPalette::WindowText, ToQColor(ColorToRGB(FontColor)));
    setPalette(colors);
    setAutoFillBackground(true);
}

void TfrmExit::frmKeyPress(QKeyEvent& Key) {
    AnswerDialogKey(*this, Key, FPage.SkipKeyUp);
}

void TfrmExit::frmClose() {
    for (TPanelButton* panel : {pnlYes, pnlNo})
        panel->Release();
}
