// The main window's page display: opening the textbook, showing a page, the
// toolbar's page buttons and the page's links.
#include "hypertext/HyperText.h"
#include "hypertext/PageViewSetup.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/media/MediaPlayer.h"
#include "viewer/CommandLine.h"
#include "viewer/Reactions.h"
#include "viewer/Viewinfo.h"
#include "viewer/Viewpage.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <cstdlib>

void TfrmPage::TPageDisplayDeleter::operator()(THyperText* Object) const {
    delete Object;
}

void TfrmPage::TPageDisplayDeleter::operator()(TVectorPicture* Object) const {
    delete Object;
}

void TfrmPage::TPageDisplayDeleter::operator()(TMediaPlayer* Object) const {
    delete Object;
}

void TfrmPage::OpenTextbook() {
    CreatePageView();
    for (TToolButton* button :
         {tbFirst, tbPrev, tbMark, tbNext, tbLast, tbAcross, tbBackward, tbForward, tbBookMarks,
          tbContents, tbZoomOut, tbZoomIn, tbShowHints, tbButtonSize, tbInformation, tbExit})
        button->OnClick = [this](TToolButton* Sender) { BtnClick(Sender); };
    OnKeyUp = [this](TForm*, QKeyEvent& Key) { frmKeyUp(Key); };
    ShowStatusHints();
    History = {};
    BookMarks.clear();
    Page = {};
    CreatePageMenus();
    InstallCloseKey();
    AttachResize(true);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState State) { AppActivate(State == Qt::ApplicationActive); });
    CreateFindKeys();
    frmResize(this);
    // Every relative name in the textbook (pictures, clips, shell files) is
    // taken from the data file's folder.
    const std::string folder = ExtractFilePath(DataFile);
    if (!folder.empty()) SetCurrentDir(folder);
    ShowFirstPage();
    BtnClick(this);
    // The view's size from now on is the page's real size; the painted page
    // scales to whatever size the view gets later.
    PageView->SetStretch(true);
}

void TfrmPage::CreatePageView() {
    PageView.reset(new THyperText(TextPanel()));
    PageView->SetBoundsRect(Bounds(5, 5, PageView->Width(), PageView->Height()));
    VectorPicture.reset(new TVectorPicture(this));
    CreateVideoControl();
    MediaPlayer.reset(new TMediaPlayer());
    MediaPlayer->SetAutoRewind(false);
    MediaPlayer->SetDisplay(FVideoControl.get());
    PageView->SetMediaPlayer(MediaPlayer.get());
    ZoomStep = 0;
    ConfigurePageView(
        *PageView, *VectorPicture,
        [this](const AnsiString& Name, const std::function<void(TStream&)>& Read, bool& Processed,
               bool& Aborted) { Pictures.LoadPicture(Name, Read, Processed, Aborted); });
    PageView->OnLinkClick = [this](TObject*, int32_t Link) { LinkClick(Link); };
    PageView->OnHint = [this](THyperControl*, const AnsiString& Hint) { TextHint(Hint); };
    // No drop-down button stays drawn pressed once the pointer is back on
    // the page.
    PageView->OnMouseMove = [this](TObject*, TShiftState, int, int) {
        for (TToolButton* button : {tbBackward, tbForward, tbBookMarks})
            button->SetDown(false);
    };
    PageView->SetVisible(true);
}

void TfrmPage::AttachResize(bool Attached) {
    if (Attached)
        OnResize = [this](TForm* Sender) { frmResize(Sender); };
    else
        OnResize = nullptr;
}

void TfrmPage::frmResize(QObject* Sender) {
    if (!DataLoaded) return;
    if (Sender && Data && PageView) {
        const int bars = BarsHeight();
        PageView->SetBoundsRect(Bounds(5, 5, ClientWidth() - 10, ClientHeight() - bars - 10));
        // The window snaps to the size the view accepted.
        AttachResize(false);
        SetClientSize(PageView->Width() + 10, PageView->Height() + bars + 10);
        AttachResize(true);
    }
    PlaceSubPages();
}

void TfrmPage::ShowFirstPage() {
    bool shown = false;
    int32_t number = 0;
    const std::string argument = FirstArgument();
    if (!argument.empty() && CommandLinePage(argument, number)) shown = ShowPage(number);
    if (!shown) shown = ShowPage(Data->StartPage);
    if (!shown && !Data->Items.empty()) ShowPage(Data->Items.front()->Number);
}

bool TfrmPage::ShowPage(int32_t Number, TfrmSubPage* Keep) {
    bool result = false;
    if (Data && Number != 0)
        for (const auto& item : Data->Items) {
            if (item->Number != Number) continue;
            if (item->SubPage != 0) {
                OpenSubPage(Number);
                // A modal sub-page has been shown and closed by now.
                if (Data->SubPages == 0) break;
                result = true;
                continue;
            }
            result = true;
            if (item.get() == Page.CurrentItem) continue;
            CloseSubPages(Keep);
            ShowPageItem(*item);
            break;
        }
    BtnClick(nullptr);
    return result;
}

void TfrmPage::ShowPageItem(const TPLBDataItem& Item) {
    ClearFoundWords();
    PageLibrary.Close(this);
    Page.Show(Item, Data->NavStart);
    SetPageColors(Item.Color, Item.FontColor);
    PageView->SetColor(Item.Color);
    SetCaption(QString::fromStdString(
        Cp1251ToUtf8(Item.CaptionPrefix[Data->NavStart == 1 ? 1 : 0] + Item.Title)));
    TStringList lines;
    lines.Assign(Item.Lines);
    PageView->SetLines(lines);
    UpdateBookMarksMenu();
    tbMark->SetDown(BookMarks.Has(Item.Number));
    // Relative names are taken from the data file's folder, which is current.
    if (!Item.LibraryName.empty()) PageLibrary.Open(Item.LibraryName, this, Item.LibraryParams);
    LastPosition = pos();
}

void TfrmPage::RecordHistory() {
    if (!Page.CurrentItem) return;
    History.Record({Page.CurrentItem->Number, Page.CurrentItem->ShortTitle});
    UpdateHistoryMenus();
}

void TfrmPage::BtnClick(QObject* Sender) {
    const int32_t before = Page.CurrentNumber();
    auto* button = qobject_cast<TToolButton*>(Sender);
    const bool followPointer = button && !KeyHandling;
    const QPoint pointer = QCursor::pos();
    const QPoint place = button ? button->mapToGlobal(QPoint(0, 0)) : QPoint();
    const TPLBNavPoints* nav = Page.CurrentNav;

    if (nav && button == tbFirst)
        ShowPage(nav->First);
    else if (nav && button == tbPrev)
        ShowPage(nav->Prev);
    else if (nav && button == tbNext)
        ShowPage(nav->Next);
    else if (nav && button == tbLast)
        ShowPage(nav->Last);
    else if (nav && button == tbContents)
        ShowPage(nav->Contents);
    else if (button == tbMark) {
        ToggleBookMark();
    } else if (button == tbBackward || button == tbForward) {
        MoveInHistory(button == tbBackward ? -1 : 1);
    } else if (button == tbBookMarks) {
        BookMarksMenuClick(miBookMarks);
    } else if (button == tbZoomOut || button == tbZoomIn) {
        Zoom(button == tbZoomIn ? 1 : -1);
    } else if (button == tbButtonSize) {
        ChangeButtonSize();
    } else if (button == tbShowHints) {
        tbNavigatorBar->SetShowHint(tbShowHints->Down());
    } else if (button == tbInformation) {
        ShowInformation();
    } else if (button == tbExit) {
        close();
    }

    const bool stepped = button && (button == tbBackward || button == tbForward);
    if (Page.CurrentItem && (Sender == this || (Page.CurrentNumber() != before && !stepped)))
        RecordHistory();
    // The pointer stays on the button when the window changed size or place.
    if (followPointer && button != tbInformation && button != tbExit) {
        const QPoint moved = button->mapToGlobal(QPoint(0, 0)) - place;
        if (!moved.isNull()) QCursor::setPos(pointer + moved);
    }
    UpdateButtons();
}

void TfrmPage::UpdateButtons() {
    const TNavigationEnabled e = NavigationEnabled(Page.CurrentNav, tbAcross->Down(),
                                                   Data && Data->Sizeable, Data && Data->Zoomable);
    tbFirst->setEnabled(e.First);
    tbPrev->setEnabled(e.Prev);
    tbNext->setEnabled(e.Next);
    tbLast->setEnabled(e.Last);
    tbContents->setEnabled(e.Contents);
    tbZoomOut->setEnabled(e.Zoom);
    tbZoomIn->setEnabled(e.Zoom);
}

void TfrmPage::LinkClick(int32_t Link) {
    if (!Page.CurrentItem || !Data) return;
    const int32_t target = FollowReaction(*Page.CurrentItem, Link, *Data);
    if (target > 0) {
        ShowPage(target);
        if (Page.CurrentNumber() == target) BtnClick(this);
    }
}

void TfrmPage::Zoom(int Delta) {
    if (!PageView) return;
    const THyperControl& Control = *PageView;
    const int h = std::abs(PageView->DefaultStyle().Font()->Height());
    const int step = ZoomStep + Delta;
    const TZoomSize size = ZoomedSize(h, step, Control.RealWidth(), Control.RealHeight());
    const int bars = BarsHeight();
    const int clientWidth = size.Width + 10;
    const int clientHeight = size.Height + bars + 10;
    const QRect frame = frameGeometry();
    const int outerWidth = clientWidth + frame.width() - width();
    const int outerHeight = clientHeight + frame.height() - height();
    const QRect screenRect = screen() ? screen()->geometry() : QRect(0, 0, 1 << 20, 1 << 20);
    if (outerWidth >= screenRect.width() || outerHeight >= screenRect.height() ||
        clientWidth < 320 || clientHeight < 200)
        return;
    showNormal();
    AttachResize(false);
    const int oldWidth = ClientWidth();
    const int oldHeight = ClientHeight();
    PageView->SetBoundsRect(Bounds(5, 5, size.Width, size.Height));
    SetClientSize(clientWidth, clientHeight);
    // The window stays centred where it was.
    move(x() + ((oldWidth - clientWidth) >> 1), y() + ((oldHeight - clientHeight) >> 1));
    ZoomStep = step;
    AttachResize(true);
    frmResize(nullptr);
}
