// The main window's close request, which asks first, and the information
// window.
#include "platform/base/Cp1251.h"
#include "viewer/Viewexit.h"
#include "viewer/Viewinfo.h"
#include "viewer/Viewpage.h"

#include <QCloseEvent>
#include <memory>

bool TfrmPage::frmCloseQuery() {
    if (LoadFailed) return true;
    auto dialog = std::make_unique<TfrmExit>(*this);
    dialog->SetCaption(Data ? QString::fromStdString(Cp1251ToUtf8(Data->Title))
                            : QStringLiteral("Учебник"));
    const TPLBDataItem* item = Page.CurrentItem;
    dialog->SetColors(item ? item->Color : clBtnFace, item ? item->FontColor : clWindowText);
    dialog->CenterOver(*this);
    return dialog->ShowModal() == mrYes;
}

void TfrmPage::closeEvent(QCloseEvent* Event) {
    if (!frmCloseQuery()) {
        Event->ignore();
        return;
    }
    TForm::closeEvent(Event);
}

void TfrmPage::ShowInformation() {
    if (!frmInfo) return;
    frmInfo->CenterOver(*this);
    frmInfo->ShowModal();
}
