#include "platform/widgets/Application.h"

#include "platform/base/Cp1251.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>

void TApplication::Terminate() {
    FTerminated = true;
    if (FRunning) QCoreApplication::exit(0);
}

void TApplication::Run() {
    if (FTerminated || !QCoreApplication::instance()) return;
    FRunning = true;
    QCoreApplication::exec();
    FRunning = false;
}

AnsiString TApplication::ExceptionMessage(const std::exception& E) {
    AnsiString message = E.what();
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

namespace {

// Messages name native files (UTF-8) or carry code page 1251 text.
QString MessageText(const std::string& Bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArray::fromStdString(Bytes));
    if (!utf8.hasError()) return text;
    return QString::fromStdString(Cp1251ToUtf8(Bytes));
}

} // namespace

void TApplication::ShowException(const std::exception& E) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(Cp1251ToUtf8(FTitle)),
                    MessageText(ExceptionMessage(E)), QMessageBox::Ok);
    box.exec();
}

TApplication& Application() {
    static TApplication application;
    return application;
}
