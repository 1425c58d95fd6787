// The main window's three drop-down menus: their items, their refresh from
// the history and the bookmarks, and their painting in the page's colours.
#include "platform/base/Cp1251.h"
#include "viewer/MenuPainting.h"
#include "viewer/Viewpage.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusTipEvent>

namespace {

QString Text(const AnsiString& Value) {
    return QString::fromStdString(Cp1251ToUtf8(Value));
}

QAction* AddItem(QMenu& Menu, const char* Name, const QString& Caption, const QString& Hint) {
    QAction* item = Menu.addAction(Caption);
    item->setObjectName(QString::fromUtf8(Name));
    item->setStatusTip(Hint);
    return item;
}

QAction* AddSeparator(QMenu& Menu, const char* Name) {
    QAction* item = Menu.addSeparator();
    item->setObjectName(QString::fromUtf8(Name));
    return item;
}

// Watches the drop-down menus and their buttons: the hint of the menu item
// under the pointer goes to the status line, and a key that closes a menu
// (its release then reaches the window) sets SkipKeyUp, as a dialog's
// keys do, so that Esc leaving a menu does not also jump to the contents.
class TMenuEvents : public QObject {
public:
    TMenuEvents(QLabel& StatusLine, bool& SkipKeyUp, QObject* Parent)
        : QObject(Parent), FStatusLine(StatusLine), FSkipKeyUp(SkipKeyUp) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        switch (Event->type()) {
        case QEvent::StatusTip:
            FStatusLine.setText(static_cast<QStatusTipEvent*>(Event)->tip());
            FStatusLine.adjustSize();
            return true;
        case QEvent::KeyPress:
            if (qobject_cast<QMenu*>(Watched)) FSkipKeyUp = true;
            break;
        case QEvent::KeyRelease:
            // Released inside the menu: the key did not close it.
            if (qobject_cast<QMenu*>(Watched)) FSkipKeyUp = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QLabel& FStatusLine;
    bool& FSkipKeyUp;
};

// A history or bookmark menu shows Model: "(нет)"/"(пусто)", the numbered
// items, and the list item with its separator.
void ShowMenuModel(const TPageMenu& Model, QAction* Empty, QAction* const* Items, size_t Count,
                   QAction* Separator, QAction* List) {
    Empty->setVisible(Model.EmptyVisible);
    for (size_t i = 0; i < Count; ++i) {
        const TPageMenuItem& m = Model.Items[i];
        Items[i]->setText(Text(m.Caption));
        Items[i]->setStatusTip(Text(m.Hint));
        Items[i]->setChecked(m.Checked);
        Items[i]->setVisible(m.Visible);
    }
    Separator->setVisible(Model.ListVisible);
    List->setVisible(Model.ListVisible);
}

} // namespace

void TfrmPage::CreatePageMenus() {
    if (!miNoBackward) {
        const QString none = QStringLiteral("(нет)");
        const QString impossible = QStringLiteral("Переход невозможен");
        const QString list = QStringLiteral("Список &переходов");
        const QString listHint = QStringLiteral("Просмотреть список всех совершенных переходов");
        static const char* const Backward[] = {"miBackward1", "miBackward2", "miBackward3",
                                               "miBackward4", "miBackward5"};
        static const char* const Forward[] = {"miForward1", "miForward2", "miForward3",
                                              "miForward4", "miForward5"};
        static const char* const Marks[] = {"miBookMark1", "miBookMark2", "miBookMark3",
                                            "miBookMark4", "miBookMark5", "miBookMark6",
                                            "miBookMark7", "miBookMark8", "miBookMark9"};
        QMenu& back = *pmBackwardMenu;
        miNoBackward = AddItem(back, "miNoBackward", none, impossible);
        for (size_t i = 0; i < miBackward.size(); ++i)
            miBackward[i] = AddItem(back, Backward[i], {}, {});
        miBackwardsSeparator = AddSeparator(back, "miBackwardsSeparator");
        miBackwards = AddItem(back, "miBackwards", list, listHint);
        QMenu& ahead = *pmForwardMenu;
        miNoForward = AddItem(ahead, "miNoForward", none, impossible);
        for (size_t i = 0; i < miForward.size(); ++i)
            miForward[i] = AddItem(ahead, Forward[i], {}, {});
        miForwardsSeparator = AddSeparator(ahead, "miForwardsSeparator");
        miForwards = AddItem(ahead, "miForwards", list, listHint);
        QMenu& marks = *pmBookMarksMenu;
        miEmpty = AddItem(marks, "miEmpty", QStringLiteral("(пусто)"),
                          QStringLiteral("Нет активных закладок"));
        for (size_t i = 0; i < miBookMark.size(); ++i) {
            miBookMark[i] = AddItem(marks, Marks[i], {}, {});
            miBookMark[i]->setCheckable(true);
        }
        miBookMarksSeparator = AddSeparator(marks, "miBookMarksSeparator");
        miBookMarks = AddItem(marks, "miBookMarks", QStringLiteral("Список &закладок"),
                              QStringLiteral("Выбрать закладку из списка"));
        for (QAction* empty : {miNoBackward, miNoForward, miEmpty})
            empty->setEnabled(false);

        // The forward menu's list item opens the same history list.
        connect(pmBackwardMenu, &QMenu::triggered, this,
                [this](QAction* Item) { BackwardMenuClick(Item); });
        connect(pmForwardMenu, &QMenu::triggered, this, [this](QAction* Item) {
            if (Item == miForwards)
                BackwardMenuClick(Item);
            else
                ForwardMenuClick(Item);
        });
        connect(pmBookMarksMenu, &QMenu::triggered, this,
                [this](QAction* Item) { BookMarksMenuClick(Item); });

        auto* events = new TMenuEvents(*lblHints, SkipKeyUp, this);
        const auto colors = [this] {
            return TMenuColors{palette().color(QPalette::Window),
                               lblHints->palette().color(QPalette::WindowText), isEnabled()};
        };
        for (QMenu* menu : {pmBackwardMenu, pmForwardMenu, pmBookMarksMenu}) {
            auto* style = new TPageMenuStyle(menu == pmBookMarksMenu, colors);
            style->setParent(menu);
            menu->setStyle(style);
            menu->installEventFilter(events);
        }
        // An item's hint is reported to the button that opened its menu.
        for (TToolButton* button : {tbBackward, tbForward, tbBookMarks})
            button->installEventFilter(events);
    }
    UpdateHistoryMenus();
    UpdateBookMarksMenu();
}

void TfrmPage::UpdateHistoryMenus() {
    if (!miNoBackward) return;
    ShowMenuModel(History.BackwardMenu(), miNoBackward, miBackward.data(), miBackward.size(),
                  miBackwardsSeparator, miBackwards);
    ShowMenuModel(History.ForwardMenu(), miNoForward, miForward.data(), miForward.size(),
                  miForwardsSeparator, miForwards);
}

void TfrmPage::UpdateBookMarksMenu() {
    if (!miEmpty) return;
    ShowMenuModel(BookMarks.Menu(Page.CurrentNumber()), miEmpty, miBookMark.data(),
                  miBookMark.size(), miBookMarksSeparator, miBookMarks);
    for (QMenu* menu : {pmBackwardMenu, pmForwardMenu, pmBookMarksMenu})
        menu->setFont(font());
}
