#include "viewer/Viewsubpage.h"

#include "hypertext/HyperLink.h"
#include "hypertext/HyperText.h"
#include "hypertext/PageViewSetup.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/graphics/QtConvert.h"
#include "platform/media/MediaPlayer.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/WidgetControls.h"
#include "viewer/MediaKeys.h"
#include "viewer/Reactions.h"
#include "viewer/Viewpage.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

// So many sub-pages open at once are a runaway chain, not a reader's doing.
constexpr size_t MaxOpenSubPages = 32;

TPoint ScreenPointer() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

// Hands a widget's mouse events to the sub-page's drag handlers.
class TPanelMouse : public QObject {
public:
    TPanelMouse(QWidget& Panel, std::function<void(QMouseEvent&)> Handler)
        : QObject(&Panel), FHandler(std::move(Handler)) {
        Panel.setMouseTracking(true);
        Panel.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        switch (Event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            FHandler(*static_cast<QMouseEvent*>(Event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void(QMouseEvent&)> FHandler;
};

} // namespace

TfrmSubPage::TfrmSubPage(TfrmPage& Main) : TForm(&Main), FMain(Main) {
    setObjectName(QStringLiteral("frmSubPage"));
    SetBorderStyle(bsNone, 0);
    // A borderless pop-up above the main window, kept out of the task bar.
    setWindowFlags(windowFlags() | Qt::Tool | Qt::WindowStaysOnTopHint);
    SetKeyPreview(true);
    CreatePanels();
    CreatePageView();
    WatchPanelMouse();
    OnKeyUp = [this](TForm*, QKeyEvent& Key) { frmKeyUp(Key); };
    OnClose = [this](TForm*) { frmClose(); };
    AttachResize(true);
    frmResize();
}

TfrmSubPage::~TfrmSubPage() {
    frmDestroy();
}

void TfrmSubPage::CreatePanels() {
    pnlTextPanel = new TBevelPanel(this);
    pnlTextPanel->setObjectName(QStringLiteral("pnlTextPanel"));
    pnlTextPanel->SetBevelInner(bvLowered);
    pnlTextPanel->setFocusPolicy(Qt::ClickFocus);
    SetAlign(pnlTextPanel, alClient);
    // The player's own controls are never used: only program logic drives
    // the clips, so it sits out of sight above the panel.
    mpMediaPlayer = new QWidget(pnlTextPanel);
    mpMediaPlayer->setObjectName(QStringLiteral("mpMediaPlayer"));
    mpMediaPlayer->setGeometry(0, -30, 253, 30);
    pnlVideoPanel = new TBevelPanel(pnlTextPanel);
    pnlVideoPanel->setObjectName(QStringLiteral("pnlVideoPanel"));
    pnlVideoPanel->SetColor(Qt::black);
    pnlVideoPanel->hide();
}

void TfrmSubPage::CreatePageView() {
    PageView = std::make_unique<THyperText>(pnlTextPanel);
    PageView->SetBoundsRect(Bounds(5, 5, PageView->Width(), PageView->Height()));
    VectorPicture = std::make_unique<TVectorPicture>(this);
    FVideoControl = std::make_unique<TWidgetControl>(*pnlVideoPanel);
    MediaPlayer = std::make_unique<TMediaPlayer>();
    MediaPlayer->SetAutoRewind(false);
    MediaPlayer->SetDisplay(FVideoControl.get());
    PageView->SetMediaPlayer(MediaPlayer.get());
    // The same page configuration as the main view, pictures from the main
    // pictures store and hints in the main window's status line.
    ConfigurePageView(
        *PageView, *VectorPicture,
        [this](const AnsiString& Name, const std::function<void(TStream&)>& Read, bool& Processed,
               bool& Aborted) { FMain.Pictures.LoadPicture(Name, Read, Processed, Aborted); });
    PageView->OnHint = [this](THyperControl*, const AnsiString& Hint) { FMain.TextHint(Hint); };
    PageView->OnLinkClick = [this](TObject*, int32_t Link) { htLinkClick(Link); };
    PageView->OnDblClick = [this](TObject*) { htDblClick(); };
    // Dragging works over the text as over the panel's margin.
    PageView->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int X, int Y) {
        THyperLink pressed(0, {});
        BeginMoving(PageView->CheckLink(X, Y, pressed));
    };
    PageView->OnMouseMove = [this](TObject*, TShiftState, int, int) { DoMoving(); };
    // A release ends the press after the click it makes: a link clicked by
    // this release is known by then.
    PageView->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        QMetaObject::invokeMethod(
            this, [this, left = Button == mbLeft] { EndMoving(left); }, Qt::QueuedConnection);
    };
    // Placing already keeps the main view's proportions; a second fit to
    // the sub-page's own would shave a pixel off the window's edge.
    PageView->SetAdjustScales(false);
    PageView->SetVisible(true);
}

void TfrmSubPage::WatchPanelMouse() {
    new TPanelMouse(*pnlTextPanel, [this](QMouseEvent& Event) {
        switch (Event.type()) {
        case QEvent::MouseButtonPress:
            BeginMoving(false);
            break;
        case QEvent::MouseButtonDblClick:
            BeginMoving(false);
            if (Event.button() == Qt::LeftButton) htDblClick();
            break;
        case QEvent::MouseMove:
            DoMoving();
            break;
        default:
            EndMoving(Event.button() == Qt::LeftButton);
            break;
        }
    });
}

bool TfrmSubPage::OpenSubPage(int32_t Number, TPLBData& Data) {
    if (FMain.OpenSubPages.size() >= MaxOpenSubPages) return false;
    this->Data = &Data;
    FMode = SubPageModeOf(Data.SubPages);
    const AnsiString hint = Utf8ToCp1251(Data.DblClickClose ? "Дважды щ" : "Щ") +
                            Utf8ToCp1251("елкните мышкой, чтобы скрыть панель");
    PageView->SetHint(hint);
    PageView->SetShowHint(FMain.ShowsHints());
    pnlTextPanel->setToolTip(FMain.ShowsHints() ? QString::fromStdString(Cp1251ToUtf8(hint))
                                                : QString());
    // Several sub-pages sharing a number: the first one in file order.
    for (const auto& item : Data.Items)
        if (item->Number == Number && item->SubPage != 0) {
            ShowItem(*item);
            ShowByMode();
            return true;
        }
    return false;
}

void TfrmSubPage::ShowItem(const TPLBDataItem& Shown) {
    Item = &Shown;
    const QColor colour = ToQColor(ColorToRGB(Shown.Color));
    pnlTextPanel->SetColor(colour);
    QPalette window = palette();
    window.setColor(QPalette::Window, colour);
    setPalette(window);
    PageView->SetColor(Shown.Color);
    const TViewScale main = FMain.MainViewScale();
    const TPLBBounds bounds = UsableSubPageBounds(Shown.Bounds, main.RealWidth, main.RealHeight);
    SetClientSize(bounds.Width, bounds.Height);
    // A hidden window hears of its new size only when shown: the view takes
    // its real size from the panel now.
    if (OnResize) frmResize();
    move(FMain.mapToGlobal(QPoint(bounds.Left, bounds.Top)));
    TStringList lines;
    lines.Assign(Shown.Lines);
    PageView->SetLines(lines);
    FMain.OpenSubPages.push_back(this);
    Origin = {bounds.Left, bounds.Top};
    if (!Shown.LibraryName.empty())
        PageLibrary.OpenSubPage(Shown.LibraryName, this, Shown.LibraryParams);
}

void TfrmSubPage::ShowByMode() {
    switch (FMode) {
    case TSubPageMode::Embedded:
        SetAlign(pnlTextPanel, alNone);
        pnlTextPanel->setParent(FMain.pnlTextPanel);
        pnlTextPanel->move(Origin.X, Origin.Y);
        pnlTextPanel->show();
        pnlTextPanel->raise();
        pnlTextPanel->setFocus();
        FMain.PlaceSubPages(this);
        break;
    case TSubPageMode::Modeless:
        FMain.PlaceSubPages(this);
        show();
        break;
    case TSubPageMode::Modal:
        FMain.PlaceSubPages(this);
        ShowModal();
        // Freed from here, outside the window's own modal loop.
        deleteLater();
        break;
    }
}

QWidget& TfrmSubPage::Target() const {
    if (FMode == TSubPageMode::Embedded) return *pnlTextPanel;
    return *const_cast<TfrmSubPage*>(this);
}

void TfrmSubPage::Place(const TViewScale& Main) {
    AttachResize(false);
    PageView->SetStretch(true);
    const THyperControl& view = *PageView;
    const TSubPagePlacement place = PlaceSubPage(Main, Origin, view.RealWidth(), view.RealHeight());
    PageView->SetBoundsRect(Bounds(5, 5, place.ViewWidth, place.ViewHeight));
    const int width = PageView->Width() + 10;
    const int height = PageView->Height() + 10;
    if (FMode == TSubPageMode::Embedded) {
        pnlTextPanel->setGeometry(place.Position.X, place.Position.Y, width, height);
        return;
    }
    SetClientSize(width, height);
    move(FMain.mapToGlobal(QPoint(place.Position.X, place.Position.Y)));
}

void TfrmSubPage::BringForward() {
    if (FMode == TSubPageMode::Embedded) {
        pnlTextPanel->raise();
        FMain.activateWindow();
    } else {
        show();
        raise();
        activateWindow();
    }
    pnlTextPanel->setFocus();
}

void TfrmSubPage::ActivateOnMove() {
    if (FMode == TSubPageMode::Modeless && isVisible() && !isActiveWindow()) {
        show();
        activateWindow();
        pnlTextPanel->setFocus();
    } else if (FMode == TSubPageMode::Embedded && !FMain.isActiveWindow()) {
        FMain.show();
        pnlTextPanel->raise();
        FMain.activateWindow();
        pnlTextPanel->setFocus();
    }
}

void TfrmSubPage::BeginMoving(bool OnLink) {
    Drag.Begin(ScreenPointer(), OnLink);
}

void TfrmSubPage::DoMoving() {
    if (FClosed) return;
    ActivateOnMove();
    const TPoint at = ScreenPointer();
    TPoint delta;
    if (!Drag.BeginStep(at, delta)) return;
    AttachResize(false);
    QWidget& target = Target();
    target.move(target.pos() + QPoint(delta.X, delta.Y));
    const QPoint client =
        FMode == TSubPageMode::Embedded ? target.pos() : FMain.mapFromGlobal(target.pos());
    Origin = FMain.MainViewScale().ToReal({client.x(), client.y()});
    AttachResize(true);
    Drag.EndStep(at);
}

void TfrmSubPage::EndMoving(bool LeftButton) {
    if (FClosed) return;
    if (Drag.End(LeftButton, Data && Data->DblClickClose)) CloseSubPage();
}

void TfrmSubPage::htDblClick() {
    if (!FClosed && Data && Data->DblClickClose) CloseSubPage();
}

void TfrmSubPage::htLinkClick(int32_t Link) {
    Drag.LinkClicked(Link);
    if (!Item || !Data || FClosed) return;
    const int32_t target = FollowReaction(*Item, Link, *Data);
    if (target <= 0) return;
    QPointer<TfrmSubPage> self(this);
    TPLBData& data = *Data;
    for (const auto& item : data.Items) {
        if (item->Number != target || item.get() == Item) continue;
        if (item->SubPage != 0) {
            auto* page = new TfrmSubPage(FMain);
            if (!page->OpenSubPage(target, data)) delete page;
            // A modal sub-page ran its own loop; this one may be closed by now.
            if (data.SubPages == 0 || !self) return;
            continue;
        }
        // The page reached is recorded in the history, as a link on the
        // main page records it.
        FMain.ShowPage(target, this);
        if (FMain.Page.CurrentNumber() == target) FMain.BtnClick(&FMain);
        if (self) CloseSubPage();
        return;
    }
}

void TfrmSubPage::frmKeyUp(QKeyEvent& Key) {
    FMain.SkipKeyUp = true;
    // Letting go of Ctrl ends a Ctrl chord: it does not close the sub-page,
    // or its clip keys could never be used.
    if (Key.key() == Qt::Key_Control) return;
    const Qt::KeyboardModifiers held = Key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                          Qt::AltModifier | Qt::MetaModifier);
    Key.accept();
    if (held != Qt::ControlModifier) {
        CloseSubPage();
        return;
    }
    RunMediaKey(*PageView, KeyCommand(Key.key(), Key.modifiers()));
}

void TfrmSubPage::AttachResize(bool Attached) {
    if (Attached)
        OnResize = [this](TForm*) { frmResize(); };
    else
        OnResize = nullptr;
}

void TfrmSubPage::frmResize() {
    PageView->SetBoundsRect(Bounds(5, 5, pnlTextPanel->width() - 10, pnlTextPanel->height() - 10));
}

void TfrmSubPage::CloseSubPage() {
    if (FClosed) return;
    if (Modal()) {
        frmClose();
        SetModalResult(mrCancel);
    } else if (isVisible()) {
        close();
    } else {
        frmClose();
    }
}

void TfrmSubPage::frmClose() {
    if (FClosed) return;
    FClosed = true;
    if (FMode == TSubPageMode::Embedded) {
        pnlTextPanel->hide();
        pnlTextPanel->setParent(this);
        SetAlign(pnlTextPanel, alClient);
    }
    if (MediaPlayer) MediaPlayer->Close();
    FMain.SubPageClosed(*this);
    // A modal showing frees the window once its loop has ended.
    if (!Modal()) deleteLater();
}

void TfrmSubPage::frmDestroy() {
    if (!FClosed) FMain.SubPageClosed(*this);
    PageLibrary.Close();
}
