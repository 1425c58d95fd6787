#include "viewer/Viewmarks.h"

#include "viewer/Viewpage.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

TfrmBookMarks* frmBookMarks = nullptr;

TfrmBookMarks::TfrmBookMarks(QWidget* Owner) : TForm(Owner) {
    setObjectName(QStringLiteral("frmBookMarks"));
    SetBorderStyle(bsSizeable, biSystemMenu);
    SetFormFont(QStringLiteral("MS Sans Serif"), 8);
    SetKeyPreview(true);

    lbMarksList = new QListWidget(this);
    lbMarksList->setObjectName(QStringLiteral("lbMarksList"));
    lbMarksList->setUniformItemSizes(true);
    lbMarksList->setSelectionMode(QAbstractItemView::SingleSelection);
    bbOk = new QPushButton(QStringLiteral("O&K"), this);
    bbOk->setObjectName(QStringLiteral("bbOk"));
    bbOk->setDefault(true);
    bbCancel = new QPushButton(QStringLiteral("&Отмена"), this);
    bbCancel->setObjectName(QStringLiteral("bbCancel"));
    connect(bbOk, &QPushButton::clicked, this, [this] { bbOkClick(); });
    connect(bbCancel, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    // A double click on an entry confirms it, as OK does.
    connect(lbMarksList, &QListWidget::itemDoubleClicked, this, [this] { bbOkClick(); });

    SetClientSize(310, 264);
    PlaceAnchored();
    OnResize = [this](TForm*) { PlaceAnchored(); };
    OnKeyPress = [this](TForm*, QKeyEvent& Key) { frmKeyPress(Key); };
}

// The list keeps its margins to all four sides, the buttons to the right and
// bottom edges, as they have at the designed size.
void TfrmBookMarks::PlaceAnchored() {
    const int w = ClientWidth();
    const int h = ClientHeight();
    lbMarksList->setGeometry(8, 8, w - 310 + 293, h - 264 + 213);
    bbOk->setGeometry(w - 310 + 140, h - 264 + 232, 75, 25);
    bbCancel->setGeometry(w - 310 + 224, h - 264 + 232, 75, 25);
}

int TfrmBookMarks::Choose(const QString& Caption, const QStringList& Titles, int Selected) {
    SetCaption(Caption);
    lbMarksList->clear();
    for (const QString& title : Titles) {
        auto* item = new QListWidgetItem(title, lbMarksList);
        item->setSizeHint(QSize(item->sizeHint().width(), 13));
    }
    SelectedIndex = -1;
    if (Selected >= 0 && Selected < lbMarksList->count()) {
        lbMarksList->setCurrentRow(Selected);
    } else {
        lbMarksList->setCurrentRow(-1);
        lbMarksList->clearSelection();
    }
    lbMarksList->setFocus();
    if (Owner()) CenterOver(*Owner());
    return ShowModal() == mrOk ? SelectedIndex : -1;
}

void TfrmBookMarks::bbOkClick() {
    const QList<QListWidgetItem*> selected = lbMarksList->selectedItems();
    const int index = selected.isEmpty() ? -1 : lbMarksList->row(selected.front());
    if (index < 0) return; // nothing chosen: the dialog stays
    SelectedIndex = index;
    SetModalResult(mrOk);
}

void TfrmBookMarks::frmKeyPress(QKeyEvent& Key) {
    // The release of the key that ends the dialog is not the main window's.
    if (auto* page = qobject_cast<TfrmPage*>(Owner())) page->SkipKeyUp = true;
    if (Key.text() == QStringLiteral("\r")) {
        Key.accept();
        bbOkClick();
    } else if (Key.text() == QStringLiteral("\x1b")) {
        Key.accept();
        SetModalResult(mrCancel);
    }
}
