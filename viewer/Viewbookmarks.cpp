// The reader's bookmarks: setting and removing them, jumping to one and the
// list of all of them.
#include "platform/base/Cp1251.h"
#include "viewer/Viewmarks.h"
#include "viewer/Viewpage.h"

#include <QAction>
#include <algorithm>

void TfrmPage::ToggleBookMark() {
    const TPLBDataItem* item = Page.CurrentItem;
    if (!item) return;
    if (tbMark->Down())
        BookMarks.Add({item->Number, item->ShortTitle});
    else
        BookMarks.Remove(item->Number);
    UpdateBookMarksMenu();
}

void TfrmPage::GoToBookMark(int Index) {
    if (!BookMarks.MoveToFront(Index)) return;
    UpdateBookMarksMenu();
    const int32_t number = BookMarks.front().Number;
    if (number == Page.CurrentNumber()) return;
    ShowPage(number);
    // Records the page in the history and refreshes the buttons.
    BtnClick(this);
}

void TfrmPage::BookMarksMenuClick(QAction* Sender) {
    const auto item = std::find(miBookMark.begin(), miBookMark.end(), Sender);
    if (Sender && item != miBookMark.end()) {
        GoToBookMark(static_cast<int>(item - miBookMark.begin()));
    } else if ((!Sender || Sender == miBookMarks) && !BookMarks.empty() && frmBookMarks) {
        QStringList titles;
        for (const TPageEntry& entry : BookMarks)
            titles << QString::fromStdString(Cp1251ToUtf8(entry.ShortTitle));
        const int shown = BookMarks.IndexOf(Page.CurrentNumber());
        const int chosen =
            frmBookMarks->Choose(QStringLiteral("Закладки"), titles, shown >= 0 ? shown : 0);
        if (chosen >= 0) GoToBookMark(chosen);
    }
    tbBookMarks->SetDown(false);
}
