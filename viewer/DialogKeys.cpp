#include "viewer/DialogKeys.h"

#include "platform/widgets/Form.h"

#include <QKeyEvent>

void AnswerDialogKey(TForm& Dialog, QKeyEvent& Key, bool& SkipKeyUp) {
    SkipKeyUp = true;
    Key.accept();
    if (Key.text() == QStringLiteral("\r"))
        Dialog.SetModalResult(mrYes);
    else if (Key.text() == QStringLiteral("\x1b"))
        Dialog.SetModalResult(mrNo);
}
