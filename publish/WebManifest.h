#pragma once

#include <string>
#include <vector>

// What a web edition consists of, as its writer made it: the pages in book
// order and every other file it wrote. Paths are relative to the edition's
// folder, separated by '/', and never leave it. The EPUB packer reads the
// same description to build its package.
struct TWebPage {
    std::string Path;  // the page's document, e.g. "pages/p0012.html"
    std::string Title; // UTF-8, as the book gives it (may be empty)
    int Number = 0;    // the item's page number
    bool SubPage = false;
};

struct TWebResource {
    std::string Path;      // e.g. "pictures/lens.png", "media/bell.wav", "style.css"
    std::string MediaType; // e.g. "image/png", "image/svg+xml", "audio/wav", "text/css"
};

struct TWebManifest {
    std::string Title; // the book's title, UTF-8
    std::string Language = "ru";
    std::string Index; // the contents document, e.g. "index.html"
    std::vector<TWebPage> Pages;
    std::vector<TWebResource> Resources;
};
