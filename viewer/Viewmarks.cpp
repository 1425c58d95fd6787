#include "viewer/Viewmarks.h"

TfrmBookMarks* frmBookMarks = nullptr;

TfrmBookMarks::TfrmBookMarks(QWidget* Owner) : TForm(Owner) {
    setObjectName(QStringLiteral("frmBookMarks"));
    SetBorderStyle(bsSizeable, biSystemMenu);
    SetFormFont(QStringLiteral("MS Sans Serif"), 8);
    SetClientSize(310, 264);
}
