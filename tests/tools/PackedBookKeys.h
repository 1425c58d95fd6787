#pragma once

#include <string>

// Packing codes every string of a book with a freshly chosen key, stored with
// the string, so two packs of one source differ in those bytes. These return
// a packed data file's or pictures file's bytes with every coded string coded
// again with key 0: files that differ only by their keys become equal. Empty
// when the bytes do not read as such a file.
std::string DataFileWithKeyZero(const std::string& Bytes);
std::string PicturesFileWithKeyZero(const std::string& Bytes);
