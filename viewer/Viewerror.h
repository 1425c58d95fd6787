#pragma once

#include "platform/widgets/Form.h"

class QKeyEvent;
class QLabel;
class TPanelButton;
class TfrmPage;

// The data error dialog: the textbook could not be read and the program will
// end. Enter ends it with Yes, Esc or the OK panel with No.
class TfrmError : public TForm {
    Q_OBJECT

public:
    // Page is the main window, whose key release after the dialog is skipped.
    explicit TfrmError(TfrmPage& Page);

    QLabel* imgError = nullptr;
    QLabel* lblError1 = nullptr;
    QLabel* lblError2 = nullptr;
    TPanelButton* pnlOk = nullptr;
    QLabel* imgOk = nullptr;

private:
    void FitTexts();
    void pnlOkMouseUp();
    void frmKeyPress(QKeyEvent& Key);
    void frmClose();

    TfrmPage& FPage;
};
