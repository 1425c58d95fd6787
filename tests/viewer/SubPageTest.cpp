// Sub-page windows in the main window: opening in each of the three modes,
// placement with the zoom, dragging, closing by click, key, link and page
// change, links inside sub-pages and bad bounds.
#include "ViewerTestSupport.h"
#include "data/Writer.h"
#include "hypertext/HyperLink.h"
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "platform/widgets/BevelPanel.h"
#include "viewer/CommandLine.h"
#include "viewer/Viewpage.h"
#include "viewer/Viewsubpage.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

TPLBReaction Reaction(int32_t Link, int32_t Target) {
    TPLBReaction r;
    r.LinkNumber = Link;
    r.Target = Target;
    r.NavStart = 2;
    return r;
}

void AddItem(TPLBData& Book, int32_t Number, int32_t SubPage, const TPLBBounds& Bounds,
             const std::string& Markup, std::vector<TPLBReaction> Reactions = {}) {
    auto item = std::make_unique<TPLBDataItem>();
    item->Number = Number;
    item->SubPage = SubPage;
    item->Title = Utf8ToCp1251("Страница " + std::to_string(Number));
    item->ShortTitle = item->Title;
    item->Bounds = Bounds;
    item->NavPoints[0] = {1, 2, 1, 2, 1};
    item->Color = static_cast<TColor>(0x00E1FFFF);
    item->Lines.Add(Utf8ToCp1251(Markup));
    for (const TPLBReaction& r : Reactions)
        item->Reactions.push_back(std::make_unique<TPLBReaction>(r));
    Book.Items.push_back(std::move(item));
}

// Two pages and three sub-pages: 50 links to sub-page 51, to page 2 and to
// itself; 51 links back to 50; 52 has impossible bounds.
void WriteBook(TProgramFolder& Folder, TPLBSubPages Mode, bool DblClickClose = false) {
    std::filesystem::create_directories(Folder.Dir.File("data"));
    TPLBData book(nullptr);
    book.Title = Utf8ToCp1251("Учебник");
    book.Sizeable = true;
    book.Zoomable = true;
    book.StartPage = 1;
    book.SubPages = Mode;
    book.DblClickClose = DblClickClose;
    AddItem(book, 1, 0, {}, "<p>Первая страница");
    AddItem(book, 2, 0, {}, "<p>Вторая страница");
    AddItem(book, 50, 1, {100, 50, 200, 100}, "<a=1>дальше</a> <a=2>страница</a> <a=3>сама</a>",
            {Reaction(1, 51), Reaction(2, 2), Reaction(3, 50)});
    AddItem(book, 51, 1, {300, 200, 150, 80}, "<a=1>назад</a>", {Reaction(1, 50)});
    AddItem(book, 52, 1, {-100000, 2000000000, 0, 5000000}, "<p>x");
    std::string error;
    if (!SaveTextbook(book, Folder.Dir.File("data/TextBook.plb"), error))
        throw std::runtime_error(error);
}

QPoint Global(QWidget& Widget, QPoint Local) {
    return Widget.mapToGlobal(Local);
}

// A mouse event at Local of Target. With Screen given the pointer is put
// there first: a sub-page follows the pointer's screen position while
// dragging.
void Mouse(QWidget& Target, QEvent::Type Type, QPoint Local,
           Qt::MouseButton Button = Qt::LeftButton, std::optional<QPoint> Screen = {}) {
    if (Screen) QCursor::setPos(*Screen);
    const Qt::MouseButtons held = Type == QEvent::MouseButtonRelease ? Qt::NoButton
                                  : Type == QEvent::MouseMove && Button == Qt::NoButton
                                      ? Qt::NoButton
                                      : Qt::MouseButtons(Button);
    QMouseEvent event(Type, QPointF(Local), QPointF(Global(Target, Local)),
                      Type == QEvent::MouseMove ? Qt::NoButton : Button, held, Qt::NoModifier);
    QApplication::sendEvent(&Target, &event);
    QApplication::processEvents(); // the queued end of a press
}

void Click(QWidget& Target, QPoint Local) {
    const QPoint screen = Global(Target, Local);
    Mouse(Target, QEvent::MouseButtonPress, Local, Qt::LeftButton, screen);
    Mouse(Target, QEvent::MouseButtonRelease, Local, Qt::LeftButton, screen);
}

// Presses at Local of Target, moves the pointer by each step in turn (the
// sub-page under it moves along) and lets go.
void Drag(QWidget& Target, QPoint Local, std::vector<QPoint> Steps,
          Qt::MouseButton Button = Qt::LeftButton) {
    QPoint screen = Global(Target, Local);
    Mouse(Target, QEvent::MouseButtonPress, Local, Button, screen);
    for (const QPoint step : Steps) {
        screen += step;
        Mouse(Target, QEvent::MouseMove, Target.mapFromGlobal(screen), Button, screen);
    }
    Mouse(Target, QEvent::MouseButtonRelease, Target.mapFromGlobal(screen), Button, screen);
}

// The centre of link Id of a sub-page's view, in the view widget's coordinates.
QPoint LinkCentre(TfrmSubPage& SubPage, int32_t Id) {
    SubPage.PageView->RenderIfDirty(); // links are registered as the page is drawn
    for (THyperLink* link = SubPage.PageView->Links(); link; link = link->Next())
        if (link->Id() == Id && !link->Rects().empty()) {
            const TRect r = link->Rects().front();
            const THyperControl& view = *SubPage.PageView;
            const TViewScale scale{view.RealWidth(), view.RealHeight(), SubPage.PageView->Width(),
                                   SubPage.PageView->Height()};
            const TPoint centre = scale.ToView({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
            return {centre.X, centre.Y};
        }
    throw std::runtime_error("no such link");
}

void ClickLink(TfrmSubPage& SubPage, int32_t Id) {
    QWidget& view = *SubPage.PageView->Widget();
    const QPoint at = LinkCentre(SubPage, Id);
    Mouse(view, QEvent::MouseMove, at, Qt::NoButton);
    Mouse(view, QEvent::MouseButtonPress, at);
    Mouse(view, QEvent::MouseButtonRelease, at);
}

void ReleaseKey(QWidget& Target, int Key, Qt::KeyboardModifiers Modifiers) {
    Target.activateWindow();
    Target.setFocus();
    QKeyEvent event(QEvent::KeyRelease, Key, Modifiers);
    QApplication::sendEvent(&Target, &event);
}

class SubPages : public ::testing::Test {
protected:
    SubPages() { SetFirstArgument(""); }
    ~SubPages() override { SetFirstArgument(std::nullopt); }

    TfrmSubPage& Open(TfrmPage& Page, int32_t Number) {
        EXPECT_TRUE(Page.ShowPage(Number));
        if (Page.OpenSubPages.empty()) throw std::runtime_error("no sub-page opened");
        return *Page.OpenSubPages.back();
    }

    // Where a window sub-page stands in the main window's client area.
    static QPoint ClientPlace(TfrmPage& Page, QWidget& Window) {
        return Page.mapFromGlobal(Window.pos());
    }

    static void ZoomViewTo(TfrmPage& Page, int Width, int Height) {
        Page.PageView->SetBoundsRect(Bounds(5, 5, Width, Height));
        Page.PlaceSubPages();
    }

    TProgramFolder Folder;
};

TEST_F(SubPages, ModelessWindowIsPlacedScaledAndBroughtForwardWhenOpenedAgain) {
    WriteBook(Folder, 2);
    TfrmPage page(Folder.ExeName());
    page.show();
    const THyperControl& mainView = *page.PageView;
    ASSERT_EQ(QSize(mainView.RealWidth(), mainView.RealHeight()), QSize(762, 463));

    TfrmSubPage& sub = Open(page, 50);
    EXPECT_TRUE(sub.isVisible());
    EXPECT_TRUE(sub.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(sub.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(ClientPlace(page, sub), QPoint(100, 50));
    EXPECT_EQ(sub.size(), QSize(200, 100));
    const THyperControl& view = *sub.PageView;
    EXPECT_EQ(QSize(view.RealWidth(), view.RealHeight()), QSize(190, 90));
    EXPECT_TRUE(view.Stretch());
    EXPECT_EQ(Cp1251ToUtf8(view.Hint()), "Щелкните мышкой, чтобы скрыть панель");
    // The main view lets go of the mouse while a sub-page is open.
    EXPECT_FALSE(page.PageView->CaptureMouse());

    // On top only while the program is active.
    ASSERT_NE(sub.windowHandle(), nullptr);
    page.AppActivate(false);
    EXPECT_FALSE(sub.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    page.AppActivate(true);
    EXPECT_TRUE(sub.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(sub.isVisible());

    // Opening it again brings the open window forward instead.
    EXPECT_TRUE(page.ShowPage(50));
    EXPECT_EQ(page.OpenSubPages.size(), 1u);

    // The main view zoomed from 762 x 463 to 851 x 517.
    sub.Place({762, 463, 851, 517});
    EXPECT_EQ(ClientPlace(page, sub), QPoint(111, 55));
    EXPECT_EQ(QSize(sub.PageView->Width(), sub.PageView->Height()), QSize(212, 100));
    EXPECT_EQ(sub.size(), QSize(222, 110));
    // The view itself keeps the page's proportions (850 x 517); the
    // sub-page follows the size the view took.
    ZoomViewTo(page, 851, 517);
    const TSubPagePlacement expected = PlaceSubPage(page.MainViewScale(), {100, 50}, 190, 90);
    const QPoint zoomedPlace(expected.Position.X, expected.Position.Y);
    EXPECT_EQ(ClientPlace(page, sub), zoomedPlace);
    EXPECT_EQ(sub.size(), QSize(expected.Width(), expected.Height()));
    // Moving the main window carries the sub-page along.
    page.move(page.pos() + QPoint(7, 3));
    EXPECT_EQ(ClientPlace(page, sub), zoomedPlace);
}

TEST_F(SubPages, DragMovesInRealCoordinatesAndAClickWithoutMovingCloses) {
    WriteBook(Folder, 2);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage& sub = Open(page, 50);
    QPointer<TfrmSubPage> alive(&sub);
    QWidget& panel = *sub.pnlTextPanel;

    // A drag over the panel's margin moves the window and does not close it.
    Drag(panel, {2, 2}, {{20, 10}, {20, 10}});
    ASSERT_TRUE(alive);
    EXPECT_EQ(ClientPlace(page, sub), QPoint(140, 70));
    EXPECT_EQ(sub.Origin, (TPoint{140, 70}));

    // Zoomed afterwards, it stays at the dragged place, scaled.
    ZoomViewTo(page, 851, 517);
    const TViewScale zoomed = page.MainViewScale();
    EXPECT_EQ(ClientPlace(page, sub), QPoint(zoomed.Width * 140 / 762, zoomed.Height * 70 / 463));
    // A drag at this zoom stores the place in real coordinates.
    Drag(panel, {2, 2}, {{17, 0}});
    EXPECT_EQ(sub.Origin.X, 762 * (zoomed.Width * 140 / 762 + 17) / zoomed.Width);

    // The right button's click does not close; the left one's does.
    Drag(panel, {2, 2}, {}, Qt::RightButton);
    ASSERT_TRUE(alive);
    Click(panel, {2, 2});
    EXPECT_TRUE(page.OpenSubPages.empty());
    EXPECT_TRUE(page.PageView->CaptureMouse());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive); // freed once closed
}

TEST_F(SubPages, DoubleClickModeClosesOnlyOnADoubleClick) {
    WriteBook(Folder, 2, true);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage& sub = Open(page, 50);
    EXPECT_EQ(Cp1251ToUtf8(sub.PageView->Hint()), "Дважды щелкните мышкой, чтобы скрыть панель");
    Click(*sub.pnlTextPanel, {2, 2});
    ASSERT_EQ(page.OpenSubPages.size(), 1u);
    Mouse(*sub.pnlTextPanel, QEvent::MouseButtonDblClick, {2, 2});
    EXPECT_TRUE(page.OpenSubPages.empty());
}

TEST_F(SubPages, LinksOpenFurtherSubPagesOrTheMainPageAndNeverClose) {
    WriteBook(Folder, 2);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage& first = Open(page, 50);
    QPointer<TfrmSubPage> firstAlive(&first);

    // A link to itself opens nothing and the press on it does not close it.
    ClickLink(first, 3);
    EXPECT_EQ(page.OpenSubPages.size(), 1u);
    ASSERT_TRUE(firstAlive);
    EXPECT_FALSE(first.Drag.Dragging());

    // A link to another sub-page opens it beside this one.
    ClickLink(first, 1);
    ASSERT_EQ(page.OpenSubPages.size(), 2u);
    TfrmSubPage& second = *page.OpenSubPages.back();
    EXPECT_EQ(second.Item->Number, 51);
    EXPECT_EQ(ClientPlace(page, second), QPoint(300, 200));
    // Its link back opens a second copy of the first sub-page.
    ClickLink(second, 1);
    ASSERT_EQ(page.OpenSubPages.size(), 3u);
    EXPECT_EQ(page.OpenSubPages.back()->Item->Number, 50);

    // A link to an ordinary page shows it in the main window; every
    // sub-page closes, the one whose link it was last.
    ClickLink(first, 2);
    EXPECT_EQ(page.Page.CurrentNumber(), 2);
    EXPECT_TRUE(page.OpenSubPages.empty());
    EXPECT_EQ(page.History.Entries().back().Number, 2);
}

TEST_F(SubPages, KeysCloseUnlessCtrlIsHeldAndThePageChangeClosesThem) {
    WriteBook(Folder, 2);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage& sub = Open(page, 50);
    page.SkipKeyUp = false;
    ReleaseKey(*sub.pnlTextPanel, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(page.OpenSubPages.size(), 1u);
    EXPECT_TRUE(page.SkipKeyUp); // the main window ignores the next release
    ReleaseKey(*sub.pnlTextPanel, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(page.OpenSubPages.size(), 1u);
    ReleaseKey(*sub.pnlTextPanel, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(page.OpenSubPages.empty());

    // Another page in the main window closes every sub-page.
    Open(page, 50);
    Open(page, 51);
    ASSERT_EQ(page.OpenSubPages.size(), 2u);
    EXPECT_TRUE(page.ShowPage(2));
    EXPECT_TRUE(page.OpenSubPages.empty());
    EXPECT_TRUE(page.PageView->CaptureMouse());
}

TEST_F(SubPages, ImpossibleBoundsStayOnThePage) {
    WriteBook(Folder, 2);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage& sub = Open(page, 52);
    EXPECT_EQ(sub.size(), QSize(30, 473));
    const QRect onClient(ClientPlace(page, sub), sub.size());
    EXPECT_TRUE(onClient.intersects(QRect(0, 0, 772, 473)));
    EXPECT_GE(onClient.left(), 0);
    EXPECT_LE(onClient.top(), 473 - 40);
    // A number that names nothing opens nothing.
    EXPECT_FALSE(page.ShowPage(77));
    EXPECT_EQ(page.OpenSubPages.size(), 1u);
}

TEST_F(SubPages, RunawayChainsStopAtAFixedNumberOfWindows) {
    WriteBook(Folder, 2);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage* sub = &Open(page, 50);
    for (int i = 0; i < 40 && !page.OpenSubPages.empty(); ++i) {
        ClickLink(*sub, 1);
        sub = page.OpenSubPages.back();
    }
    EXPECT_EQ(page.OpenSubPages.size(), 32u);
}

TEST_F(SubPages, EmbeddedPanelLivesInTheMainWindow) {
    WriteBook(Folder, 1);
    TfrmPage page(Folder.ExeName());
    page.show();
    TfrmSubPage& sub = Open(page, 50);
    QPointer<TfrmSubPage> alive(&sub);
    QPointer<QWidget> panel(sub.pnlTextPanel);
    EXPECT_FALSE(sub.isVisible());
    EXPECT_EQ(sub.pnlTextPanel->parentWidget(), page.pnlTextPanel);
    EXPECT_EQ(sub.pnlTextPanel->geometry(), QRect(100, 50, 200, 100));
    sub.Place({762, 463, 851, 517});
    EXPECT_EQ(sub.pnlTextPanel->geometry(), QRect(111, 55, 222, 110));
    Click(*sub.pnlTextPanel, {2, 2});
    EXPECT_TRUE(page.OpenSubPages.empty());
    // The panel went back to its own window, which is freed.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    EXPECT_FALSE(panel);
}

TEST_F(SubPages, ModalSubPageBlocksTheMainWindowUntilClosed) {
    WriteBook(Folder, 0);
    TfrmPage page(Folder.ExeName());
    page.show();
    QPointer<QWidget> modal;
    bool blocked = false;
    QPoint place;
    TModalAction close([&](QWidget* Window) {
        modal = Window;
        blocked = QApplication::activeModalWidget() == Window;
        place = page.mapFromGlobal(Window->pos());
        Click(*static_cast<TfrmSubPage*>(Window)->pnlTextPanel, {2, 2});
    });
    // The scan stops at a modal sub-page with the result unchanged.
    EXPECT_FALSE(page.ShowPage(50));
    EXPECT_TRUE(close.Ran());
    EXPECT_TRUE(blocked);
    EXPECT_EQ(place, QPoint(100, 50));
    EXPECT_TRUE(page.OpenSubPages.empty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(modal);
}

} // namespace
