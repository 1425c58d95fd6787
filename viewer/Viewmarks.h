#pragma once

#include "platform/widgets/Form.h"

#include <QStringList>

class QKeyEvent;
class QListWidget;
class QPushButton;

// The list dialog for the bookmarks and the history: created at start-up and
// reused for the whole run; the caller sets its caption and list.
class TfrmBookMarks : public TForm {
    Q_OBJECT

public:
    // Owner is the main window, whose key release after the dialog is skipped.
    explicit TfrmBookMarks(QWidget* Owner);

    QListWidget* lbMarksList = nullptr;
    QPushButton* bbOk = nullptr;
    QPushButton* bbCancel = nullptr;
    // The list index confirmed with OK.
    int SelectedIndex = -1;

    // Captions the dialog, fills the list with Titles, selects Selected
    // (none when out of range) and shows it modally. The confirmed index when
    // it ended with OK, else -1.
    int Choose(const QString& Caption, const QStringList& Titles, int Selected);

    // OK: ends the dialog with the selected index; without a selection the
    // dialog stays open.
    void bbOkClick();

private:
    void frmKeyPress(QKeyEvent& Key);
    void PlaceAnchored();
};

// The instance of the run (not owned here); none outside the run.
extern TfrmBookMarks* frmBookMarks;
