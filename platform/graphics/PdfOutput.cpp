#include "platform/graphics/PdfOutput.h"

#include "platform/graphics/PaintedPages.h"
#include "platform/graphics/PdfOutline.h"

#include <QPageLayout>
#include <QPdfWriter>

TPdfOutput::TPdfOutput(const std::string& FileName, const std::string& Title, bool Landscape,
                       int Resolution)
    : FFileName(FileName), FWriter(std::make_unique<QPdfWriter>(QString::fromStdString(FileName))) {
    FWriter->setResolution(Resolution);
    FWriter->setTitle(QString::fromStdString(Title));
    FWriter->setCreator(QStringLiteral("plbtool"));
    FWriter->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                       Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    FPages = std::make_unique<TPaintedPages>(*FWriter);
}

TPdfOutput::~TPdfOutput() {
    FPages.reset(); // ends the painter before its device goes
}

bool TPdfOutput::BeginPage(const std::string& Title) {
    return FPages->BeginPage(Title);
}

TCanvas& TPdfOutput::Canvas() {
    return FPages->Canvas();
}

int TPdfOutput::PageWidth() const {
    return FPages->PageWidth();
}

int TPdfOutput::PageHeight() const {
    return FPages->PageHeight();
}

int TPdfOutput::Resolution() const {
    return FPages->Resolution();
}

void TPdfOutput::EndPage() {
    FPages->EndPage();
}

bool TPdfOutput::Finish(std::string& Error) {
    if (FPages->Titles().empty()) {
        Error = "no page to write";
        return false;
    }
    if (!FPages->Finish(Error)) {
        Error = "cannot write " + FFileName;
        return false;
    }
    return AddPdfOutline(FFileName, FPages->Titles(), Error);
}
