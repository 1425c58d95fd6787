#pragma once

#include "platform/widgets/Form.h"

// The list dialog for bookmarks (and the history): created at start-up and
// reused for the whole run. Its list and buttons come with the bookmarks.
class TfrmBookMarks : public TForm {
    Q_OBJECT

public:
    explicit TfrmBookMarks(QWidget* Owner);
};

// The instance of the run (not owned here); none outside the run.
extern TfrmBookMarks* frmBookMarks;
