#pragma once

#include "data/Pictures.h"
#include "data/Textbook.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/ToolBar.h"
#include "platform/widgets/WidgetControls.h"

#include <memory>
#include <string>

class QLabel;
class QMenu;
class TBevelPanel;
class TGauge;

// The main page window. Its construction runs the whole start-up: it shows
// the window, loads the textbook with the progress box and either hands over
// to the page display or shows the data error dialog and ends the program.
class TfrmPage : public TForm {
    Q_OBJECT

public:
    // ExeName is the program's own path: its folder becomes current, and the
    // settings file is named after it.
    explicit TfrmPage(const std::string& ExeName);
    ~TfrmPage() override;

    // Designed components (owned by the window).
    TBevelPanel* pnlTextPanel = nullptr;
    TBevelPanel* pnlNavigatorBar = nullptr;
    TToolBar* tbNavigatorBar = nullptr;
    TToolButton* tbFirst = nullptr;
    TToolButton* tbPrev = nullptr;
    TToolButton* tbMark = nullptr;
    TToolButton* tbNext = nullptr;
    TToolButton* tbLast = nullptr;
    TToolButton* tbAcross = nullptr;
    TToolButton* tbBackward = nullptr;
    TToolButton* tbForward = nullptr;
    TToolButton* tbBookMarks = nullptr;
    TToolButton* tbContents = nullptr;
    TToolButton* tbZoomOut = nullptr;
    TToolButton* tbZoomIn = nullptr;
    TToolButton* tbShowHints = nullptr;
    TToolButton* tbButtonSize = nullptr;
    TToolButton* tbInformation = nullptr;
    TToolButton* tbExit = nullptr;
    QWidget* mpMediaPlayer = nullptr;
    TBevelPanel* pnlVideoPanel = nullptr;
    TBevelPanel* pnlStatusBar = nullptr;
    QLabel* lblHints = nullptr;
    TBevelPanel* pnlProgressBox = nullptr;
    QLabel* lblWait = nullptr;
    TGauge* cgGauge = nullptr;
    std::unique_ptr<TImageList> ilSmallImages;
    std::unique_ptr<TImageList> ilLargeImages;
    QMenu* pmBookMarksMenu = nullptr;
    QMenu* pmBackwardMenu = nullptr;
    QMenu* pmForwardMenu = nullptr;

    // Start-up state.
    std::unique_ptr<TPLBData> Data; // none after a failed load
    TPLBHTP Pictures;
    TPLBProgress Progress;
    bool DataLoaded = false;
    bool LoadFailed = false;
    // The data file the start-up read (or tried to read).
    std::string DataFile;
    // One-shot: the next key release is ignored (set by dialogs that took a key).
    bool SkipKeyUp = false;

    // The start-up sequence; does nothing once the textbook loaded or failed.
    void StartViewer();

private:
    void CreateComponents();
    void CreatePanels();
    void CreateNavigatorBar();
    void CreateToolButtons();
    void CreateProgressBox();
    void LoadSucceeded();
    void LoadFailedDialog();
    // The page display takes over from here once the textbook has loaded.
    void OpenTextbook();
    // Releases what the start-up created.
    void frmDestroy();

    std::string FExeName;
    std::unique_ptr<TWidgetControl> FFormControl;
    std::unique_ptr<TWidgetControl> FBoxControl;
    std::unique_ptr<TLabelControl> FWaitControl;
};
