#include "viewer/StatusHints.h"

#include "platform/widgets/ToolBar.h"

#include <QEvent>

TStatusHints::TStatusHints(std::function<void(const QString& Hint)> Show, QObject* Parent)
    : QObject(Parent), FShow(std::move(Show)) {}

void TStatusHints::Watch(TToolButton& Button) {
    Button.installEventFilter(this);
}

bool TStatusHints::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Enter) {
        const QString hint = static_cast<TToolButton*>(Watched)->Hint();
        const qsizetype bar = hint.indexOf(QLatin1Char('|'));
        FShow(bar < 0 ? hint : hint.mid(bar + 1));
    } else if (Event->type() == QEvent::Leave) {
        FShow(QString());
    }
    return false;
}
