#pragma once

#include "BookArgs.h"
#include "hypertext/HyperText.h"
#include "publish/PageLayout.h"

#include <memory>
#include <string>

// What the page commands were asked for: a markup file or a book's page, the
// real size of the page view, and for render a zoom step and an output file.
struct TPageRequest {
    std::string Markup;
    std::string Book;
    int Page = 0;
    int Width = 762;
    int Height = 463;
    int Zoom = 0;
    std::string Output;
    bool All = false;       // every ordinary page of the book, into one PDF
    bool Background = true; // a PDF keeps the page's colour behind it
    bool Pdf() const;       // the output is a PDF file (by its extension)
};

// Parses "(--markup FILE | BOOK.plb --page N) [--size WxH]" and, when
// WithRender, "[--zoom STEP] [--no-background] -o OUT.png|OUT.pdf" or
// "BOOK.plb --all [--size WxH] [--no-background] -o OUT.pdf"; false after
// reporting a usage error.
bool ParsePageRequest(const TCommandArgs& Args, bool WithRender, const char* Syntax,
                      TPageRequest& Request);

// The viewer's page view, without a window (TPageLayout), at the requested
// real size, showing the page's markup in the page's colour.
class TPageView {
public:
    TPageView();
    TPageView(const TPageView&) = delete;
    TPageView& operator=(const TPageView&) = delete;

    // Loads the markup or the book's page into the view; false with Error
    // when the input cannot be read or the page does not exist.
    bool Load(const TPageRequest& Request, std::string& Error);
    THyperText& View() { return FLayout.View(); }
    // The page's background colour (RGB).
    TColor Color() const { return FColor; }
    // Paints the page into the view's display list (registering its links).
    const TMetafile& Render();
    // Resizes the view as the viewer's zoom step Step does: the real size
    // stays and the rendering is stretched. False when the size is unusable.
    bool Zoom(int Step);
    // Writes the view as it shows: the page colour, the rendering stretched
    // to the view's size.
    bool SavePng(const std::string& FileName);

private:
    const THyperControl& Control() { return View(); }

    TLoadedBook FBook;
    TPageLayout FLayout;
    TColor FColor;
};
