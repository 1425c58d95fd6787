#include "viewer/Viewfind.h"

#include "data/BookSearch.h"
#include "platform/base/Cp1251.h"
#include "viewer/Viewpage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>

TfrmFind::TfrmFind(TfrmPage& Main) : TForm(&Main), FMain(Main) {
    setObjectName(QStringLiteral("frmFind"));
    SetBorderStyle(bsSizeable, biSystemMenu);
    setWindowFlags(windowFlags() | Qt::Tool);
    SetCaption(QStringLiteral("Поиск"));
    SetFormFont(QStringLiteral("Tahoma"), 8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(new QLabel(QStringLiteral("Найти текст:"), this));
    edText = new QLineEdit(this);
    edText->setObjectName(QStringLiteral("edText"));
    layout->addWidget(edText);
    lbPages = new QListWidget(this);
    lbPages->setObjectName(QStringLiteral("lbPages"));
    layout->addWidget(lbPages, 1);
    SetClientSize(420, 300);

    connect(edText, &QLineEdit::returnPressed, this, [this] {
        FMain.FindText(Utf8ToCp1251(edText->text().toStdString()));
        if (lbPages->count() > 0) {
            lbPages->setCurrentRow(0);
            lbPages->setFocus();
        }
    });
    const auto choose = [this] {
        if (lbPages->currentRow() >= 0) FMain.ShowFoundPage(lbPages->currentRow());
    };
    connect(lbPages, &QListWidget::itemActivated, this, choose);
    auto* next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(next, &QShortcut::activated, this, [this] { FMain.FindNext(); });
    // Esc closes the window, wherever its focus is.
    SetKeyPreview(true);
    OnKeyDown = [this](TForm*, QKeyEvent& Key) {
        if (Key.key() != Qt::Key_Escape || Key.modifiers() != Qt::NoModifier) return;
        Key.accept();
        // Its release may reach the main window once this one is gone.
        FMain.SkipKeyUp = true;
        close();
    };
}

void TfrmFind::ShowHits() {
    lbPages->clear();
    for (const TSearchHit& hit : FMain.FoundPages)
        lbPages->addItem(QString::fromStdString(std::to_string(hit.Item->Number) + ". " +
                                                Cp1251ToUtf8(hit.Item->ShortTitle) + " — " +
                                                Cp1251ToUtf8(hit.Snippet)));
    if (FMain.FoundPages.empty()) lbPages->addItem(QStringLiteral("Ничего не найдено"));
    lbPages->setEnabled(!FMain.FoundPages.empty());
}

void TfrmFind::SelectHit(int Index) {
    if (Index >= 0 && Index < lbPages->count()) lbPages->setCurrentRow(Index);
}
