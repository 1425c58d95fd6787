// Printing (Ctrl+P): the print dialog, and the chosen pages printed through
// the same page layout as PDF files are.
#include "viewer/Viewprint.h"

#include "data/Pictures.h"
#include "data/Textbook.h"
#include "hypertext/HyperControl.h"
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "platform/graphics/PaintedPages.h"
#include "platform/graphics/PdfOutline.h"
#include "publish/PageLayout.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QTranslator>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

TPrintChoice PrinterChoice(const QPrinter& Printer, int32_t Current, bool Background) {
    TPrintChoice choice;
    choice.Background = Background;
    switch (Printer.printRange()) {
    case QPrinter::PageRange:
        choice.Range.Kind = TPrintRange::PageRange;
        choice.Range.From = Printer.fromPage();
        choice.Range.To = Printer.toPage();
        break;
    case QPrinter::CurrentPage:
        choice.Range.Kind = TPrintRange::CurrentPage;
        choice.Range.Current = Current;
        break;
    default:
        choice.Range.Kind = TPrintRange::WholeBook;
    }
    return choice;
}

bool PrintBook(QPrinter& Printer, const TPLBData& Book, TPLBHTP& Pictures, int RealWidth,
               int RealHeight, const TPrintChoice& Choice, std::string& Error) {
    auto pages = PagesToPrint(Book, Choice.Range);
    // A print system reverses a printer's pages itself; a PDF file is ours.
    if (Printer.pageOrder() == QPrinter::LastPageFirst &&
        Printer.outputFormat() == QPrinter::PdfFormat)
        std::reverse(pages.begin(), pages.end());
    if (pages.empty()) {
        Error = "no page in the chosen range";
        return false;
    }
    TPageLayout layout([&Pictures](const AnsiString& Name,
                                   const std::function<void(TStream&)>& Read, bool& Processed,
                                   bool& Aborted) {
        if (Pictures.Data) Pictures.LoadPicture(Name, Read, Processed, Aborted);
    });
    TPrintSettings settings;
    settings.Width = RealWidth;
    settings.Height = RealHeight;
    settings.Background = Choice.Background;
    TPaintedPages output(Printer);
    if (!PrintPages(pages, layout, settings, output, Error)) {
        std::string ignored;
        output.Finish(ignored);
        return false;
    }
    if (!output.Finish(Error)) return false;
    const std::string file = Printer.outputFileName().toStdString();
    if (Printer.outputFormat() == QPrinter::PdfFormat && !file.empty())
        return AddPdfOutline(file, output.Titles(), Error);
    return true;
}

bool AskPrintChoice(QWidget* Parent, QPrinter& Printer, int PageCount, int CurrentPosition,
                    bool& Background) {
    // The dialog is Qt's own: in Russian where Qt's translations are installed.
    QTranslator russian;
    const bool translated = russian.load(QStringLiteral("qtbase_ru"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                            QCoreApplication::installTranslator(&russian);
    const auto untranslate = qScopeGuard([&] {
        if (translated) QCoreApplication::removeTranslator(&russian);
    });
    QPrintDialog dialog(&Printer, Parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, CurrentPosition > 0);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setMinMax(1, std::max(1, PageCount));
    dialog.setFromTo(1, std::max(1, PageCount));

    auto* options = new QWidget;
    options->setWindowTitle(QStringLiteral("Страницы книги"));
    auto* layout = new QVBoxLayout(options);
    auto* background = new QCheckBox(QStringLiteral("Печатать цвет фона страницы"), options);
    background->setObjectName(QStringLiteral("PrintBackground"));
    background->setChecked(Background);
    auto* order = new QLabel(QStringLiteral("Страницы считаются по порядку в книге, "
                                            "от 1 до %1; подстраницы не печатаются.")
                                 .arg(PageCount),
                             options);
    order->setWordWrap(true);
    layout->addWidget(background);
    layout->addWidget(order);
    layout->addStretch();
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted) return false;
    Background = background->isChecked();
    return true;
}

namespace {

// Watches the keys pressed while a dialog is open: one still down when it
// closes (Enter, Esc) has its release come to the main window next.
class TKeysDown : public QObject {
public:
    TKeysDown() { qApp->installEventFilter(this); }
    ~TKeysDown() override { qApp->removeEventFilter(this); }
    bool Any() const { return !FDown.empty(); }

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::KeyPress || Event->type() == QEvent::KeyRelease) {
            const auto& key = static_cast<QKeyEvent&>(*Event);
            if (Event->type() == QEvent::KeyPress)
                FDown.insert(key.key());
            else if (!key.isAutoRepeat())
                FDown.erase(key.key());
        }
        return false;
    }

private:
    std::set<int> FDown;
};

} // namespace

void TfrmPage::PrintPages() {
    if (!Data || !PageView || !Page.CurrentItem) return;
    const THyperControl& view = *PageView;
    const auto pages = BookOrderPages(*Data);
    int position = 0;
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i] == Page.CurrentItem) position = static_cast<int>(i) + 1;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(Cp1251ToUtf8(Data->Title)));
    printer.setPageOrientation(view.RealWidth() > view.RealHeight() ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    bool asked = false;
    {
        TKeysDown keys;
        asked = AskPrintChoice(this, printer, static_cast<int>(pages.size()), position,
                               FPrintBackground);
        // Enter or Esc closed the dialog: its release is the dialog's, too.
        if (keys.Any()) SkipKeyUp = true;
    }
    if (!asked) return;
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed =
        PrintBook(printer, *Data, Pictures, view.RealWidth(), view.RealHeight(),
                  PrinterChoice(printer, Page.CurrentNumber(), FPrintBackground), error);
    QApplication::restoreOverrideCursor();
    if (printed) return;
    qWarning("print: %s", error.c_str());
    QMessageBox::warning(this, QStringLiteral("Печать"),
                         QStringLiteral("Не удалось напечатать страницы книги: принтер "
                                        "или файл их не принял."));
}
