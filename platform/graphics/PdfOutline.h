#pragma once

#include <string>
#include <vector>

// Adds an outline to a finished PDF file: one entry per page, in page order,
// titled Titles[i] (UTF-8) and pointing at page i. The file is extended by an
// incremental update (the outline objects, the catalog again with the
// outline, a new cross-reference section pointing back at the old one), so
// what was written stays byte for byte. Only files with a classic
// cross-reference table, as Qt writes them, are read. False with Error when
// the file cannot be read or its page count differs from the titles'.
bool AddPdfOutline(const std::string& FileName, const std::vector<std::string>& Titles,
                   std::string& Error);
