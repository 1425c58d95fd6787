#include "viewer/Viewinfo.h"

TfrmInfo* frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget* Owner) : TForm(Owner) {
    setObjectName(QStringLiteral("frmInfo"));
    SetBorderStyle(bsToolWindow, biSystemMenu);
    SetCaption(QStringLiteral("Информация о программе"));
    SetFormFont(QStringLiteral("Tahoma"), 8);
    SetClientSize(373, 377);
}
