#pragma once

#include "platform/widgets/Form.h"

class QLineEdit;
class QListWidget;
class TfrmPage;

// The find window: a line for the text and the list of the pages that hold
// it. Enter in the line searches; Enter or a double click on a page shows
// it; F3 goes on to the next page found.
class TfrmFind : public TForm {
    Q_OBJECT

public:
    explicit TfrmFind(TfrmPage& Main);

    QLineEdit* edText = nullptr;
    QListWidget* lbPages = nullptr;

    // Fills the list with the main window's current hits.
    void ShowHits();
    // Marks the hit shown now in the list.
    void SelectHit(int Index);

private:
    TfrmPage& FMain;
};
