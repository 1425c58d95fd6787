#pragma once

#include "publish/WebManifest.h"

#include <functional>
#include <string>

class TPLBData;
class TPLBHTP;

// How a web edition is written.
struct TWebOptions {
    // The extension of the page documents and of the contents document:
    // ".html" for a site, ".xhtml" for an EPUB's content documents.
    std::string PageExtension = ".html";
    // For an EPUB: no script and nothing an EPUB reading system would refuse;
    // everything else is written the same.
    bool ForEpub = false;
    // Where files the book names (media clips, shell files, pictures it does
    // not store) are looked for: the book's folder. "" is the current folder.
    std::string BookFolder;
    // Called after each page with the pages done and the pages in all.
    std::function<void(int Done, int Total)> OnProgress;
};

// Writes Book (with its pictures store) as a static site into OutDir, which
// is created when missing: the contents document, one well-formed XHTML
// document per page and sub-page, the style sheet, the pictures (raster
// pictures as PNG, metafiles and vector pictures as SVG) and the media clips
// and files the book's links name. Every written path stays inside OutDir.
// Manifest lists what was written. False with Error when the folder or a file
// cannot be written; pictures that cannot be read are left out, not errors.
bool WriteWebEdition(const TPLBData& Book, const TPLBHTP& Pictures, const std::string& OutDir,
                     const TWebOptions& Options, TWebManifest& Manifest, std::string& Error);
