#pragma once

#include "data/Pictures.h"
#include "data/Textbook.h"
#include "data/Writer.h"

#include <string>
#include <vector>

// The source folder of a textbook, the form in which authors write books:
//   book.ini     the manifest: book settings, one [page] section per page or
//                sub-page in book order, and the [pictures] list
//   pages/       one markup file per page, UTF-8
//   pictures/    the picture files
// docs/BOOK_SOURCE.md describes the format.

struct TBookSource {
    bool HasPictures = false; // false: the book has no pictures file
    std::vector<TPictureEntry> Pictures;
};

// Reads a source folder into Book (which must be empty) and Source. On failure
// Error names the file and line. BookSettings ("key = value" lines of the
// [book] section) override the manifest's.
bool ReadBookSource(const std::string& Folder, TPLBData& Book, TBookSource& Source,
                    std::string& Error, const std::vector<std::string>& BookSettings = {});
// Writes a loaded book (and its pictures store, when it holds a pictures file)
// as a source folder.
bool WriteBookSource(const TPLBData& Book, const TPLBHTP* Pictures, const std::string& Folder,
                     std::string& Error);
// Packs a source folder into a data file and, when it lists pictures, its
// pictures file beside it.
bool PackBook(const std::string& Folder, const std::string& DataFile, std::string& Error,
              const std::vector<std::string>& BookSettings = {});
