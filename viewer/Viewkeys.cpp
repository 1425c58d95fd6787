// The main window's keys: page buttons, the page's clip and closing.
#include "viewer/DesktopKeys.h"
#include "viewer/MediaKeys.h"
#include "viewer/Viewpage.h"

#include <QKeyEvent>

void TfrmPage::frmKeyUp(QKeyEvent& Key) {
    if (SkipKeyUp || LoadFailed) {
        SkipKeyUp = false;
        return;
    }
    KeyHandling = true;
    RunKeyCommand(KeyCommand(Key.key(), Key.modifiers()));
    KeyHandling = false;
    // SkipKeyUp was clear on entry; a dialog this key opened may have set it
    // for the release of the key that closed the dialog, which comes next.
}

void TfrmPage::RunKeyCommand(TKeyCommand Command) {
    using enum TKeyCommand;
    TToolButton* button = nullptr;
    switch (Command) {
    case None:
        return;
    case First:
        button = tbFirst;
        break;
    case Prev:
        button = tbPrev;
        break;
    case Mark:
        button = tbMark;
        break;
    case Next:
        button = tbNext;
        break;
    case Last:
        button = tbLast;
        break;
    case Backward:
        button = tbBackward;
        break;
    case Forward:
        button = tbForward;
        break;
    case Contents:
        button = tbContents;
        break;
    case ZoomOut:
        button = tbZoomOut;
        break;
    case ZoomIn:
        button = tbZoomIn;
        break;
    case Information:
        button = tbInformation;
        break;
    case Close:
        close();
        return;
    case MediaPause:
    case MediaBack:
    case MediaAhead:
        if (PageView) RunMediaKey(*PageView, Command);
        return;
    }
    if (!button || !button->isEnabled()) return;
    if (button->Style() == tbsCheck) button->SetDown(!button->Down());
    button->Click();
}

void TfrmPage::InstallDesktopKeys() {
    if (findChild<QObject*>(QStringLiteral("DesktopKeys"), Qt::FindDirectChildrenOnly)) return;
    auto* keys = new TDesktopKeys(*this, [this](TKeyCommand Command) { RunKeyCommand(Command); });
    keys->SetPrint([this] { PrintPages(); });
}
