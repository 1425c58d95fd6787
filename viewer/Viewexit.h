#pragma once

#include "platform/base/Colors.h"
#include "platform/widgets/Form.h"

class QKeyEvent;
class QLabel;
class TPanelButton;
class TfrmPage;

// The exit confirmation, created for each close request of the main window
// and dressed in the page's colours. Enter or the "yes" panel answer Yes,
// Esc or the "no" panel No; the title bar's close answers neither.
class TfrmExit : public TForm {
    Q_OBJECT

public:
    // Page is the main window, whose key release after the dialog is skipped.
    explicit TfrmExit(TfrmPage& Page);

    QLabel* imgQuestion = nullptr;
    QLabel* lblQuestion = nullptr;
    TPanelButton* pnlYes = nullptr;
    QLabel* imgYes = nullptr;
    TPanelButton* pnlNo = nullptr;
    QLabel* imgNo = nullptr;

    // The form's colour and its text colour (system colours resolved).
    void SetColors(TColor Color, TColor FontColor);

private:
    TPanelButton* AddPanel(const char* Name, const QString& Caption, int Left,
                           const QPixmap& Picture, const char* PictureName, int Result);
    void FitTexts();
    void frmKeyPress(QKeyEvent& Key);
    void frmClose();

    TfrmPage& FPage;
};
