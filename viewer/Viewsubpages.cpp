// The main window's side of the sub-pages: opening, placing, following the
// window and closing them.
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "viewer/Viewpage.h"
#include "viewer/Viewsubpage.h"

#include <QLabel>
#include <QWindow>
#include <algorithm>

void TfrmPage::OpenSubPage(int32_t Number) {
    for (TfrmSubPage* open : OpenSubPages)
        if (open->Item && open->Item->Number == Number) {
            open->BringForward();
            return;
        }
    PageView->SetCaptureMouse(false);
    auto* subPage = new TfrmSubPage(*this);
    if (!subPage->OpenSubPage(Number, *Data)) {
        delete subPage;
        PageView->SetCaptureMouse(OpenSubPages.empty());
    }
}

TViewScale TfrmPage::MainViewScale() const {
    if (!PageView) return {};
    const THyperControl& view = *PageView;
    return {view.RealWidth(), view.RealHeight(), PageView->Width(), PageView->Height()};
}

void TfrmPage::PlaceSubPages(TfrmSubPage* Only) {
    if (LoadFailed || !PageView) return;
    const TViewScale scale = MainViewScale();
    // A copy: placing runs no handler that opens or closes, but stay safe.
    const std::vector<TfrmSubPage*> open = OpenSubPages;
    for (TfrmSubPage* subPage : open)
        if (!Only || subPage == Only) subPage->Place(scale);
}

void TfrmPage::CloseSubPages(TfrmSubPage* Keep) {
    if (LoadFailed) return;
    const std::vector<TfrmSubPage*> open = OpenSubPages;
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        if (*it != Keep) (*it)->CloseSubPage();
    if (PageView) PageView->SetCaptureMouse(OpenSubPages.empty());
}

void TfrmPage::DestroySubPages() {
    const std::vector<TfrmSubPage*> open = OpenSubPages;
    CloseSubPages(nullptr);
    for (TfrmSubPage* subPage : open)
        delete subPage;
}

void TfrmPage::SubPageClosed(TfrmSubPage& SubPage) {
    std::erase(OpenSubPages, &SubPage);
    if (PageView) PageView->SetCaptureMouse(OpenSubPages.empty());
}

void TfrmPage::TextHint(const AnsiString& Hint) {
    lblHints->setText(QString::fromStdString(Cp1251ToUtf8(Hint)));
    lblHints->adjustSize();
}

bool TfrmPage::ShowsHints() const {
    return tbShowHints->Down();
}

void TfrmPage::moveEvent(QMoveEvent* Event) {
    TForm::moveEvent(Event);
    if (!DataLoaded || pos() == LastPosition) return;
    LastPosition = pos();
    PlaceSubPages();
}

void TfrmPage::AppActivate(bool Active) {
    for (TfrmSubPage* subPage : OpenSubPages) {
        QWindow* window = subPage->windowHandle();
        if (subPage->Mode() == TSubPageMode::Embedded || !window) continue;
        if (window->flags().testFlag(Qt::WindowStaysOnTopHint) != Active)
            window->setFlag(Qt::WindowStaysOnTopHint, Active);
    }
}
