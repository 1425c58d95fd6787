// Finding text from the main window: Ctrl+F opens the find window, choosing
// a page shows it (recorded in the history as a link records it) with the
// found words marked, F3 goes on to the next page found.
#include "data/BookSearch.h"
#include "hypertext/HyperText.h"
#include "hypertext/PageText.h"
#include "viewer/FoundWords.h"
#include "viewer/Viewfind.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

void TfrmPage::CreateFindKeys() {
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] { ShowFindWindow(); });
    auto* next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(next, &QShortcut::activated, this, [this] { FindNext(); });
}

void TfrmPage::ShowFindWindow() {
    if (!Data || LoadFailed) return;
    if (!FFindWindow) {
        FFindWindow = std::make_unique<TfrmFind>(*this);
        // Beside the page, where it covers none of it when the screen has room.
        const QRect frame = frameGeometry();
        const QRect screenArea = screen() ? screen()->availableGeometry() : frame;
        QPoint place = frame.topRight() + QPoint(8, 0);
        if (place.x() + FFindWindow->width() > screenArea.right())
            place.setX(std::max(screenArea.left(), screenArea.right() - FFindWindow->width()));
        FFindWindow->move(place);
    }
    FFindWindow->show();
    FFindWindow->raise();
    FFindWindow->activateWindow();
    FFindWindow->edText->setFocus();
    FFindWindow->edText->selectAll();
}

void TfrmPage::FindText(const AnsiString& Query) {
    if (!Data) return;
    // Every page's text is taken once per book, on the first search.
    if (!FBookSearch) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FBookSearch = std::make_unique<TBookSearch>(*Data, PageText);
        QApplication::restoreOverrideCursor();
    }
    FoundPages = FBookSearch->Find(Query);
    FFoundQuery = Query;
    FFoundIndex = -1;
    if (FFindWindow) FFindWindow->ShowHits();
}

void TfrmPage::ShowFoundPage(int Index) {
    if (Index < 0 || Index >= static_cast<int>(FoundPages.size())) return;
    FFoundIndex = Index;
    const int32_t number = FoundPages[static_cast<size_t>(Index)].Item->Number;
    ShowPage(number);
    if (Page.CurrentNumber() == number) {
        BtnClick(this);
        if (!FFoundWords) FFoundWords = std::make_unique<TFoundWords>(*PageView);
        FFoundWords->SetQuery(FFoundQuery);
    }
    if (FFindWindow) FFindWindow->SelectHit(Index);
}

void TfrmPage::FindNext() {
    if (FoundPages.empty()) {
        ShowFindWindow();
        return;
    }
    ShowFoundPage((FFoundIndex + 1) % static_cast<int>(FoundPages.size()));
}

void TfrmPage::ClearFoundWords() {
    if (FFoundWords) FFoundWords->SetQuery({});
}
