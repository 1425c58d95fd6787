#pragma once

#include "BookArgs.h"
#include "hypertext/HyperText.h"

#include <memory>
#include <string>

class TForm;
class TVectorPicture;

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
};

// Parses "(--markup FILE | BOOK.plb --page N) [--size WxH]" and, when
// WithRender, "[--zoom STEP] -o OUT.png"; false after reporting a usage error.
bool ParsePageRequest(const TCommandArgs& Args, bool WithRender, const char* Syntax,
                      TPageRequest& Request);

// The viewer's page view, without a window: a THyperText on a hidden parent,
// configured as the main window configures it (ConfigurePageView), at the
// requested real size, showing the page's markup in the page's colour.
class TPageView {
public:
    TPageView();
    ~TPageView();
    TPageView(const TPageView&) = delete;
    TPageView& operator=(const TPageView&) = delete;

    // Loads the markup or the book's page into the view; false with Error
    // when the input cannot be read or the page does not exist.
    bool Load(const TPageRequest& Request, std::string& Error);
    THyperText& View() { return *FView; }
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
    void Configure();
    const THyperControl& Control() const { return *FView; }

    std::unique_ptr<TForm> FForm;
    std::unique_ptr<THyperText> FView;
    std::unique_ptr<TVectorPicture> FVectorPicture;
    TLoadedBook FBook;
    TColor FColor;
};
