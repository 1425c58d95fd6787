#pragma once

#include "platform/graphics/PagedOutput.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

class TPainterCanvas;

// Pages painted on any paged device Qt offers (a printer, a PDF writer)
// through one painter: the first page begins the painter, each later one
// asks the device for a new page. The page titles are kept in order for an
// outline the caller may add.
class TPaintedPages : public TPagedOutput {
public:
    explicit TPaintedPages(QPagedPaintDevice& Device);
    ~TPaintedPages() override;

    bool BeginPage(const std::string& Title) override;
    TCanvas& Canvas() override;
    int PageWidth() const override;
    int PageHeight() const override;
    int Resolution() const override;
    void EndPage() override;
    bool Finish(std::string& Error) override;

    const std::vector<std::string>& Titles() const { return FTitles; }

private:
    QPagedPaintDevice& FDevice;
    QPainter FPainter;
    std::unique_ptr<TPainterCanvas> FCanvas;
    std::vector<std::string> FTitles;
    bool FFailed = false;
};
