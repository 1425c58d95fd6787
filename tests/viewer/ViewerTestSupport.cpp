#include "ViewerTestSupport.h"

#include "data/Writer.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/widgets/Application.h"

#include <QApplication>
#include <QEvent>
#include <filesystem>
#include <stdexcept>

TProgramFolder::TProgramFolder() : FOldDir(GetCurrentDir()) {
    Application().CancelTerminate();
    Application().SetTitle({});
}

TProgramFolder::~TProgramFolder() {
    SetCurrentDir(FOldDir);
    Application().CancelTerminate();
}

std::string TProgramFolder::WriteBook(const std::string& Relative, const std::string& Utf8Title,
                                      bool Sizeable) {
    const std::string path = Dir.File(Relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    TPLBData book(nullptr);
    book.Title = Utf8ToCp1251(Utf8Title);
    book.Sizeable = Sizeable;
    book.StartPage = 1;
    auto page = std::make_unique<TPLBDataItem>();
    page->Number = 1;
    page->Title = book.Title;
    page->Lines.Add("<p>text");
    book.Items.push_back(std::move(page));
    std::string error;
    if (!SaveTextbook(book, path, error)) throw std::runtime_error(error);
    return path;
}

void TProgramFolder::WriteSettings(const std::string& Bytes) {
    WriteFileBytes(SettingsFile(), Bytes);
}

TModalAction::TModalAction(std::function<void(QWidget*)> Action) : FAction(std::move(Action)) {
    FTimer.setInterval(10);
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || FRan) return;
        FRan = true;
        FTimer.stop();
        FAction(modal);
    });
    FTimer.start();
}

TModalAction::~TModalAction() {
    FTimer.stop();
}

TShowWatcher::TShowWatcher(const QString& Name) : FName(Name) {
    qApp->installEventFilter(this);
}

TShowWatcher::~TShowWatcher() {
    qApp->removeEventFilter(this);
}

bool TShowWatcher::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Show && Watched->objectName() == FName) {
        auto* widget = static_cast<QWidget*>(Watched);
        if (Shows++ > 0) return false; // the first showing counts
        Geometry = widget->geometry();
        ParentSize = widget->parentWidget() ? widget->parentWidget()->size() : QSize();
        WindowEnabled = widget->window()->isEnabled();
    }
    return false;
}
