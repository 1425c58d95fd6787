// The history of jumps: stepping through it, its drop-down menus and the
// list of all jumps.
#include "platform/base/Cp1251.h"
#include "viewer/Viewmarks.h"
#include "viewer/Viewpage.h"

#include <QAction>
#include <algorithm>

void TfrmPage::MoveInHistory(int Delta) {
    if (!History.Move(Delta)) return;
    UpdateHistoryMenus();
    ShowPage(History.Entries()[static_cast<size_t>(History.Index())].Number);
}

void TfrmPage::BackwardMenuClick(QAction* Sender) {
    const auto item = std::find(miBackward.begin(), miBackward.end(), Sender);
    if (item != miBackward.end())
        MoveInHistory(-static_cast<int>(item - miBackward.begin() + 1));
    else if (Sender && (Sender == miBackwards || Sender == miForwards))
        ShowHistoryList();
}

void TfrmPage::ForwardMenuClick(QAction* Sender) {
    const auto item = std::find(miForward.begin(), miForward.end(), Sender);
    if (item != miForward.end()) MoveInHistory(static_cast<int>(item - miForward.begin() + 1));
}

void TfrmPage::ShowHistoryList() {
    if (!frmBookMarks) return;
    QStringList titles;
    for (const TPageEntry& entry : History.Entries())
        titles << QString::fromStdString(Cp1251ToUtf8(entry.ShortTitle));
    const int chosen = frmBookMarks->Choose(QStringLiteral("Переходы"), titles, History.Index());
    if (chosen >= 0 && chosen != History.Index()) MoveInHistory(chosen - History.Index());
}
