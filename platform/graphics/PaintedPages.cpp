#include "platform/graphics/PaintedPages.h"

#include "platform/graphics/PainterCanvas.h"

TPaintedPages::TPaintedPages(QPagedPaintDevice& Device) : FDevice(Device) {}

TPaintedPages::~TPaintedPages() {
    FCanvas.reset();
    if (FPainter.isActive()) FPainter.end();
}

bool TPaintedPages::BeginPage(const std::string& Title) {
    if (FFailed) return false;
    FCanvas.reset();
    if (FTitles.empty()) {
        if (!FPainter.begin(&FDevice)) {
            FFailed = true;
            return false;
        }
    } else if (!FDevice.newPage()) {
        FFailed = true;
        return false;
    }
    FTitles.push_back(Title);
    FCanvas = std::make_unique<TPainterCanvas>(FPainter);
    return true;
}

TCanvas& TPaintedPages::Canvas() {
    return *FCanvas;
}

int TPaintedPages::PageWidth() const {
    return FDevice.width();
}

int TPaintedPages::PageHeight() const {
    return FDevice.height();
}

int TPaintedPages::Resolution() const {
    return FDevice.logicalDpiX();
}

void TPaintedPages::EndPage() {
    // The canvas gives the painter back as it was lent, ready for the next page.
    FCanvas.reset();
}

bool TPaintedPages::Finish(std::string& Error) {
    FCanvas.reset();
    if (FPainter.isActive() && !FPainter.end()) FFailed = true;
    if (FFailed) Error = "the output device could not be opened or written";
    return !FFailed;
}
