// The main window's close request, which asks first, and the information
// window.
#include "platform/base/Cp1251.h"
#include "viewer/Viewexit.h"
#include "viewer/Viewinfo.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <memory>

namespace {

// Closes Page when Alt+F4 is pressed in one of its widgets. The key release
// would act too, but the Alt key may go up before F4 does.
class TCloseKey : public QObject {
public:
    explicit TCloseKey(TfrmPage& Page) : QObject(&Page), FPage(Page) {
        setObjectName(QStringLiteral("CloseKey"));
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() != QEvent::KeyPress || !Watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(Event);
        const Qt::KeyboardModifiers held =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key->key() != Qt::Key_F4 || held != Qt::AltModifier || key->isAutoRepeat() ||
            static_cast<QWidget*>(Watched)->window() != &FPage)
            return false;
        // The keys' releases go to the question, which is shown by now.
        FPage.close();
        return true;
    }

private:
    TfrmPage& FPage;
};

} // namespace

void TfrmPage::InstallCloseKey() {
    if (findChild<QObject*>(QStringLiteral("CloseKey"), Qt::FindDirectChildrenOnly)) return;
    qApp->installEventFilter(new TCloseKey(*this));
}

bool TfrmPage::frmCloseQuery() {
    if (LoadFailed) return true;
    auto dialog = std::make_unique<TfrmExit>(*this);
    dialog->SetCaption(Data ? QString::fromStdString(Cp1251ToUtf8(Data->Title))
                            : QStringLiteral("Учебник"));
    const TPLBDataItem* item = Page.CurrentItem;
    dialog->SetColors(item ? item->Color : clBtnFace, item ? item->FontColor : clWindowText);
    dialog->CenterOver(*this);
    return dialog->ShowModal() == mrYes;
}

void TfrmPage::closeEvent(QCloseEvent* Event) {
    if (!frmCloseQuery()) {
        Event->ignore();
        return;
    }
    TForm::closeEvent(Event);
}

void TfrmPage::ShowInformation() {
    if (!frmInfo) return;
    frmInfo->CenterOver(*this);
    frmInfo->ShowModal();
}
