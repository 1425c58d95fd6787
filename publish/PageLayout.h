#pragma once

#include "hypertext/PageViewSetup.h"
#include "platform/base/Types.h"

#include <memory>
#include <string>

class TForm;
class THyperText;
class TMetafile;
class TStringList;
class TVectorPicture;

// A page view without a window, configured as the viewer's own page view
// (ConfigurePageView), that lays pages out at a real size and gives their
// display list. Print, PDF and plbtool's page commands share it, so a page
// comes out as the viewer shows it.
class TPageLayout {
public:
    explicit TPageLayout(TPictureSource Pictures);
    ~TPageLayout();
    TPageLayout(const TPageLayout&) = delete;
    TPageLayout& operator=(const TPageLayout&) = delete;

    // Shows Lines at the real size Width x Height in the page colour Color
    // (RGB). Pictures the book does not store are looked for in Folder
    // (native path; "" for the current folder), made current meanwhile.
    void Load(const TStringList& Lines, TColor Color, int Width, int Height,
              const std::string& Folder);
    // Paints the page into the view's display list (registering its links).
    const TMetafile& Render();
    THyperText& View() { return *FView; }

private:
    std::unique_ptr<TForm> FForm;
    std::unique_ptr<THyperText> FView;
    std::unique_ptr<TVectorPicture> FVectorPicture;
};
