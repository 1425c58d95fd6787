#pragma once

#include <string>

class TCanvas;

// A document of pages drawn one after another: a printer, a PDF file. A page
// painter begins a page, draws on its canvas in device pixels and ends it.
class TPagedOutput {
public:
    virtual ~TPagedOutput() = default;

    // Starts the next page; Title (UTF-8) names it where the document keeps
    // an outline. False when the device cannot take a page (it failed to
    // open, or the job was cancelled).
    virtual bool BeginPage(const std::string& Title) = 0;
    // The open page's canvas: device pixels, (0, 0) at the top left of the
    // printable area.
    virtual TCanvas& Canvas() = 0;
    // The printable area in device pixels, and the device's dots per inch.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int Resolution() const = 0;
    virtual void EndPage() = 0;
    // Completes the document; false with Error when it was not written whole.
    virtual bool Finish(std::string& Error) = 0;
};
