#pragma once

#include "platform/graphics/PagedOutput.h"

#include <memory>
#include <string>

class QPdfWriter;
class TPaintedPages;

// A PDF file of pages: A4 with 10 mm margins, in landscape or portrait,
// drawn at Resolution dots per inch; text stays text, vector drawing stays
// vectors and images keep their pixels. Finish writes the file and its
// outline (one entry per page, titled as the page was begun).
class TPdfOutput : public TPagedOutput {
public:
    // Title (UTF-8) is the document's title.
    TPdfOutput(const std::string& FileName, const std::string& Title, bool Landscape,
               int Resolution = 600);
    ~TPdfOutput() override;

    bool BeginPage(const std::string& Title) override;
    TCanvas& Canvas() override;
    int PageWidth() const override;
    int PageHeight() const override;
    int Resolution() const override;
    void EndPage() override;
    bool Finish(std::string& Error) override;

private:
    std::string FFileName;
    std::unique_ptr<QPdfWriter> FWriter;
    std::unique_ptr<TPaintedPages> FPages;
};
