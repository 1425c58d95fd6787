#include "viewer/CommandLine.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

std::optional<std::string>& Override() {
    static std::optional<std::string> argument;
    return argument;
}

} // namespace

std::string FirstArgument() {
    if (Override()) return *Override();
    const QStringList arguments = QCoreApplication::arguments();
    return arguments.size() > 1 ? arguments[1].toStdString() : std::string();
}

void SetFirstArgument(std::optional<std::string> Argument) {
    Override() = std::move(Argument);
}
