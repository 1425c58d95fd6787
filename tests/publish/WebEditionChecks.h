#pragma once

#include <string>
#include <vector>

// What the web edition tests read back from a written document.
struct TWebDocumentScan {
    bool WellFormed = false;
    std::string Error;
    // Addresses of links, pictures, clips and style sheets (href, src,
    // xlink:href), as written.
    std::vector<std::string> References;
    std::vector<std::string> Ids;
    // The page's reading text: the page area's text without the navigation,
    // the sub-page pop-ups, drawings and players; white space collapsed.
    std::string PageText;
    // Each <img>: its src with its width and height attributes.
    struct TImage {
        std::string Src;
        int Width = 0;
        int Height = 0;
        std::string Alt;
    };
    std::vector<TImage> Images;
};

TWebDocumentScan ScanWebDocument(const std::string& Bytes);
// Text with every run of white space (no-break spaces included) as one
// space, none at either end.
std::string CollapseSpaces(const std::string& Utf8);
// The folder part of a relative path ("pages/" of "pages/p1.html").
std::string FolderOf(const std::string& Path);
// Joins a reference to the folder of the document that holds it; "" when it
// climbs out of the edition.
std::string ResolveReference(const std::string& DocumentPath, const std::string& Reference);
