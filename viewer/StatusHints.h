#pragma once

#include <QObject>
#include <functional>

class TToolButton;

// The application's current hint for the status line: entering a toolbar
// button reports the long part of its hint (after "|", the whole hint
// without one), leaving it reports an empty hint.
class TStatusHints : public QObject {
public:
    explicit TStatusHints(std::function<void(const QString& Hint)> Show, QObject* Parent = nullptr);
    void Watch(TToolButton& Button);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    std::function<void(const QString&)> FShow;
};
