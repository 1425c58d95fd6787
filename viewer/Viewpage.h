#pragma once

#include "data/BookSearch.h"
#include "data/Pictures.h"
#include "data/Textbook.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/ToolBar.h"
#include "platform/widgets/WidgetControls.h"
#include "viewer/FoundWords.h"
#include "viewer/KeyMap.h"
#include "viewer/PageLibrary.h"
#include "viewer/PageMarks.h"
#include "viewer/PageState.h"
#include "viewer/SubPageState.h"
#include "viewer/Viewfind.h"

#include <array>
#include <memory>
#include <string>

class QAction;
class QCloseEvent;
class QKeyEvent;
class QMoveEvent;
class QLabel;
class QMenu;
class TBevelPanel;
class TGauge;
class THyperText;
class TMediaPlayer;
class TStatusHints;
class TfrmSubPage;
class TVectorPicture;

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

    // Page display state (Viewnavigate.cpp).
    // Deletes them where their types are complete (Viewnavigate.cpp), as
    // the window's other sources cannot include the engine's headers.
    struct TPageDisplayDeleter {
        void operator()(THyperText* Object) const;
        void operator()(TVectorPicture* Object) const;
        void operator()(TMediaPlayer* Object) const;
    };
    template <class T> using TPageDisplayPtr = std::unique_ptr<T, TPageDisplayDeleter>;
    TPageDisplayPtr<THyperText> PageView; // in pnlTextPanel, once the textbook is open
    TPageDisplayPtr<TVectorPicture> VectorPicture;
    TPageDisplayPtr<TMediaPlayer> MediaPlayer; // the page's clips, shown in pnlVideoPanel
    TPageState Page;
    TPageHistory History;
    TBookMarks BookMarks; // newest first
    int ZoomStep = 0;
    TPageLibrary PageLibrary; // of the page shown
    // True while a key release is being handled.
    bool KeyHandling = false;

    // The start-up sequence; does nothing once the textbook loaded or failed.
    void StartViewer();
    // Shows the ordinary page Number or opens the sub-page Number; false
    // when no item has that number. Keep is a sub-page that survives the
    // page change (the one whose link caused it).
    bool ShowPage(int32_t Number, TfrmSubPage* Keep = nullptr);
    // The toolbar's click handler. Sender nullptr only refreshes the enabled
    // states; the window itself also records the shown page in the history.
    void BtnClick(QObject* Sender);
    // The page view's link click: the current page's reaction to Link.
    void LinkClick(int32_t Link);

    // Finding text (Viewfinding.cpp): Ctrl+F opens the find window, F3 goes
    // on to the next page found.
    std::vector<TSearchHit> FoundPages;
    void CreateFindKeys();
    void ShowFindWindow();
    // Finds Query in every page; the hits go to the find window's list.
    void FindText(const AnsiString& Query);
    // Shows found page Index with the found words marked.
    void ShowFoundPage(int Index);
    void FindNext();
    void ClearFoundWords();
    TFoundWords* FoundWords() const { return FFoundWords.get(); }
    TfrmFind* FindWindow() const { return FFindWindow.get(); }

    // Sub-pages (Viewsubpages.cpp). The open sub-page windows in opening
    // order; they free themselves once closed.
    std::vector<TfrmSubPage*> OpenSubPages;
    // The window's place when the sub-pages were last placed.
    QPoint LastPosition;
    // Sizes and places every open sub-page (or only Only) for the view's zoom.
    void PlaceSubPages(TfrmSubPage* Only = nullptr);
    // Closes every open sub-page but Keep, the newest first.
    void CloseSubPages(TfrmSubPage* Keep);
    // Closes and frees every open sub-page (the window is going).
    void DestroySubPages();
    // A sub-page window closed: it leaves the list, and the view holds the
    // mouse again once none is open.
    void SubPageClosed(TfrmSubPage& SubPage);
    // The page view's real size and its size now.
    TViewScale MainViewScale() const;
    // The status line shows a page view's hint.
    void TextHint(const AnsiString& Hint);
    bool ShowsHints() const;
    // Opens sub-page Number, or brings it forward when it is open already.
    void OpenSubPage(int32_t Number);
    // Sub-page windows follow the window when it moves.
    void moveEvent(QMoveEvent* Event) override;
    // Sub-page windows stay on top only while the program is active, so
    // they never cover other programs.
    void AppActivate(bool Active);

    // History, bookmarks and dialogs (Viewhistory.cpp, Viewmarks.cpp, ...)
    // Items of the drop-down menus (owned by their menus), built by
    // CreatePageMenus (Viewmenus.cpp).
    QAction* miNoBackward = nullptr;
    std::array<QAction*, TPageHistory::MenuItems> miBackward{};
    QAction* miBackwardsSeparator = nullptr;
    QAction* miBackwards = nullptr;
    QAction* miNoForward = nullptr;
    std::array<QAction*, TPageHistory::MenuItems> miForward{};
    QAction* miForwardsSeparator = nullptr;
    QAction* miForwards = nullptr;
    QAction* miEmpty = nullptr;
    std::array<QAction*, TBookMarks::MenuItems> miBookMark{};
    QAction* miBookMarksSeparator = nullptr;
    QAction* miBookMarks = nullptr;
    void CreatePageMenus();
    // Alt+F4 asks to close as soon as it is pressed, as the desktop's own
    // shortcut does, whatever key goes up first (Viewclose.cpp).
    void InstallCloseKey();
    // Desktop keys: the keys and mouse buttons readers know from other
    // programs, anywhere in the window (DesktopKeys.h, Viewkeys.cpp).
    void InstallDesktopKeys();
    // Ctrl+P: the print dialog for the shown page, a range of pages in book
    // order or the whole book, then the print (Viewprint.cpp).
    void PrintPages();
    // Both history menus and the bookmark menu from the current state.
    void UpdateHistoryMenus();
    void UpdateBookMarksMenu();
    // Moves the history position by Delta and shows that page; a step beyond
    // either end does nothing (Viewhistory.cpp).
    void MoveInHistory(int Delta);
    void BackwardMenuClick(QAction* Sender);
    void ForwardMenuClick(QAction* Sender);
    // The whole history in the list dialog.
    void ShowHistoryList();
    // tbMark: sets or removes the shown page's bookmark as the button says
    // (Viewbookmarks.cpp).
    void ToggleBookMark();
    // Jumps to bookmark Index, which becomes the first.
    void GoToBookMark(int Index);
    // A bookmark menu item, or miBookMarks (also for tbBookMarks): the list.
    void BookMarksMenuClick(QAction* Sender);
    // The information window, centred over this window (Viewclose.cpp).
    void ShowInformation();
    // Every close request asks through the exit dialog, unless the load
    // failed; a close that was not answered Yes is cancelled.
    bool frmCloseQuery();
    void closeEvent(QCloseEvent* Event) override;

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
    void CreatePageView();
    void ShowFirstPage();
    void ShowPageItem(const TPLBDataItem& Item);
    void RecordHistory();
    void UpdateButtons();
    void AttachResize(bool Attached);
    // One zoom step in (+1) or out (-1), when the window still fits the screen.
    void Zoom(int Delta);
    // Large or small toolbar pictures as tbButtonSize says (Viewbuttons.cpp).
    void ChangeButtonSize();
    // The key map, acted on when a key is released.
    void frmKeyUp(QKeyEvent& Key);
    void RunKeyCommand(TKeyCommand Command);
    // The window's panels (Viewpanels.cpp, apart from the engine's headers).
    QWidget* TextPanel() const;
    int BarsHeight() const;
    void CreateVideoControl();
    // The status line shows the long hint of the button under the pointer.
    void ShowStatusHints();
    // The page's colour behind the text and the status line's text colour.
    void SetPageColors(TColor Window, TColor Font);
    // Fits the view to the client area and the window to the view; without
    // Sender it only re-places what follows the window.
    void frmResize(QObject* Sender);
    // Releases what the start-up created.
    void frmDestroy();

    std::string FExeName;
    std::unique_ptr<TWidgetControl> FFormControl;
    std::unique_ptr<TWidgetControl> FBoxControl;
    std::unique_ptr<TLabelControl> FWaitControl;
    std::unique_ptr<TWidgetControl> FVideoControl;
    TStatusHints* FStatusHints = nullptr; // owned by the window
    // Point sizes of the window's font and the status line's (Tahoma 8).
    int FFontPoints = 8;
    int FStatusFontPoints = 8;
    bool FPrintBackground = false;            // the print dialog's last choice
    std::unique_ptr<TBookSearch> FBookSearch; // built on the first search
    std::unique_ptr<TfrmFind> FFindWindow;
    std::unique_ptr<TFoundWords> FFoundWords; // over the page view
    AnsiString FFoundQuery;
    int FFoundIndex = -1;
};
