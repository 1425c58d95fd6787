#pragma once

#include "data/Textbook.h"
#include "platform/widgets/Form.h"
#include "viewer/PageLibrary.h"
#include "viewer/SubPageState.h"

#include <memory>

class QKeyEvent;
class TBevelPanel;
class TfrmPage;
class THyperText;
class TMediaPlayer;
class TVectorPicture;
class TWidgetControl;

// A sub-page: a small page that opens over the main page when a link or a
// navigation target names it. The textbook decides how every sub-page is
// shown: as a modal window, as a window that stays on top, or as a panel
// embedded in the main window's page area. It keeps its place in the main
// view's real coordinates, follows the main window's moves and zoom, can be
// dragged, closes on a click (or a double click) and may hold links, clips
// and a page library of its own. The window frees itself once closed.
class TfrmSubPage : public TForm {
    Q_OBJECT

public:
    explicit TfrmSubPage(TfrmPage& Main);
    ~TfrmSubPage() override;

    // Designed components.
    TBevelPanel* pnlTextPanel = nullptr;
    QWidget* mpMediaPlayer = nullptr;
    TBevelPanel* pnlVideoPanel = nullptr;

    std::unique_ptr<THyperText> PageView;
    std::unique_ptr<TVectorPicture> VectorPicture;
    std::unique_ptr<TMediaPlayer> MediaPlayer;
    TPLBData* Data = nullptr;
    const TPLBDataItem* Item = nullptr;
    // The panel's or window's top-left corner in the main view's real
    // coordinates, relative to the main window's client area.
    TPoint Origin;
    TSubPageDrag Drag;
    TPageLibrary PageLibrary;

    // Shows the sub-page numbered Number as the textbook's mode asks; a
    // modal one returns when it closes. False (nothing shown) when no
    // sub-page has that number.
    bool OpenSubPage(int32_t Number, TPLBData& Data);
    // Sizes and places the sub-page for the main view's present scale.
    void Place(const TViewScale& Main);
    // Brings the sub-page forward and gives it the focus.
    void BringForward();
    // Closes the sub-page (it is freed afterwards).
    void CloseSubPage();
    TSubPageMode Mode() const { return FMode; }
    // The panel (embedded) or the window: what moves and what is placed.
    QWidget& Target() const;

private:
    void CreatePanels();
    void CreatePageView();
    void WatchPanelMouse();
    void ShowItem(const TPLBDataItem& Item);
    void ShowByMode();
    // A press: OnLink when it is on a link of the view.
    void BeginMoving(bool OnLink);
    void DoMoving();
    void EndMoving(bool LeftButton);
    void htDblClick();
    void htLinkClick(int32_t Link);
    void frmKeyUp(QKeyEvent& Key);
    void frmResize();
    void frmClose();
    void frmDestroy();
    void AttachResize(bool Attached);
    // Activation on a pointer move without a drag.
    void ActivateOnMove();

    TfrmPage& FMain;
    TSubPageMode FMode = TSubPageMode::Modal;
    std::unique_ptr<TWidgetControl> FVideoControl;
    bool FClosed = false;
};
