#pragma once

#include "platform/base/Types.h"
#include "platform/widgets/Form.h"

#include <memory>

class QFrame;
class QKeyEvent;
class QLabel;
class QScrollArea;
class TGraphic;
class THyperText;
class TImageList;
class TfrmPage;

// The information window: about the program and a table of the keyboard
// shortcuts. Created at start-up and reused for the whole run; its content
// is built once.
class TfrmInfo : public TForm {
    Q_OBJECT

public:
    // Owner is the main window: its toolbar pictures illustrate the
    // shortcut table, and its key release after the window is skipped.
    explicit TfrmInfo(QWidget* Owner);
    ~TfrmInfo() override;

    QScrollArea* sbInformation = nullptr;
    QLabel* lblAbout = nullptr;
    QFrame* bvAbout = nullptr;
    QLabel* imgAbout = nullptr;
    QLabel* lblHotKeys = nullptr;
    QFrame* bvHotKeys = nullptr;
    THyperText* AboutView() const { return FAboutView.get(); }
    THyperText* HotKeysView() const { return FHotKeysView.get(); }

    // The shortcut view's pictures: "N.bmp" is toolbar picture N.
    void GraphicLoad(TGraphic* Graphic, const AnsiString& Name, bool& Loaded, bool& Failed);
    // Any link of the about view writes to the program's address.
    void MailTo();

private:
    QLabel* AddCaption(const char* Name, const QString& Caption, int Top, QFrame*& Line,
                       const char* LineName);
    void frmKeyPress(QKeyEvent& Key);

    TfrmPage* FPage = nullptr;
    std::unique_ptr<TImageList> FOwnImages; // without a main window
    const TImageList* FImages = nullptr;
    std::unique_ptr<THyperText> FAboutView;
    std::unique_ptr<THyperText> FHotKeysView;
};

// The instance of the run (not owned here); none outside the run.
extern TfrmInfo* frmInfo;
