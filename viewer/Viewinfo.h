#pragma once

#include "platform/widgets/Form.h"

// The information window: created at start-up and reused for the whole run.
// Its about text and key table come with the information window's own work.
class TfrmInfo : public TForm {
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* Owner);
};

// The instance of the run (not owned here); none outside the run.
extern TfrmInfo* frmInfo;
