#include "viewer/CommandLine.h"

#include "viewer/ProgramOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

std::optional<std::string>& ArgumentOverride() {
    static std::optional<std::string> argument;
    return argument;
}

std::optional<std::string>& BookOverride() {
    static std::optional<std::string> book;
    return book;
}

// The options of the program's own command line, as the toolkit left it.
TProgramOptions CommandLineOptions() {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(all[i].toStdString());
    return ParseProgramOptions(arguments);
}

std::string AbsoluteBook() {
    const TProgramOptions options = CommandLineOptions();
    if (!options.Book) return {};
    const QString name = QString::fromStdString(*options.Book);
    return QFile::encodeName(QDir::current().absoluteFilePath(name)).toStdString();
}

} // namespace

std::string FirstArgument() {
    if (ArgumentOverride()) return *ArgumentOverride();
    const TProgramOptions options = CommandLineOptions();
    return options.Arguments.empty() ? std::string() : options.Arguments.front();
}

void SetFirstArgument(std::optional<std::string> Argument) {
    ArgumentOverride() = std::move(Argument);
}

std::string BookArgument() {
    if (BookOverride()) return *BookOverride();
    static const std::string book = AbsoluteBook();
    return book;
}

void SetBookArgument(std::optional<std::string> FileName) {
    BookOverride() = std::move(FileName);
}
