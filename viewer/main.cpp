#include "data/Data.h"
#include "platform/Cp1251.h"
#include "platform/FileNames.h"
#include "platform/HeadlessControls.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// Placeholder window until the main page window lands: loads the textbook the
// viewer opens by default and shows its title.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    THeadlessControl form, box;
    THeadlessLabel caption;
    THeadlessGauge gauge;
    TPLBProgress progress{&form, &box, &caption, &gauge};
    TPLBData book(&progress);
    TPLBHTP pictures;
    const std::string folder = ExtractFilePath(ApplicationExeName());
    const bool loaded = book.LoadFromFile(JoinPath(folder, "data/TextBook.plb"), &pictures);
    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(Cp1251ToUtf8(book.Title)));
    auto* label = new QLabel(loaded ? QString::fromStdString(Cp1251ToUtf8(book.Title))
                                    : QString::fromUtf8("Ошибка чтения файла данных!"));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(772, 523);
    window.show();
    return app.exec();
}
