#pragma once

#include "data/Textbook.h"

#include <string>
#include <vector>

// Writing textbooks, for authoring tools (the viewer never writes a book).

struct TPictureEntry {
    AnsiString Name;
    std::string Bytes; // the picture's file image
};

// Writes the data file. Fails, with a reason in Error, when a string is too
// long to be stored (65535 characters; a page's markup counts its line breaks).
bool SaveTextbook(const TPLBData& Book, const std::string& FileName, std::string& Error);
// Writes a pictures file holding the entries in order.
bool SavePictures(const std::vector<TPictureEntry>& Pictures, const std::string& FileName,
                  std::string& Error);
// A page's markup text as stored: every line followed by CR LF.
AnsiString JoinMarkup(const TStringList& Lines);
