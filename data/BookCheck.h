#pragma once

#include "data/Pictures.h"
#include "data/Textbook.h"

#include <string>
#include <vector>

// The page area of the main window at its natural size, in which sub-pages are placed.
constexpr int kNaturalPageWidth = 762;
constexpr int kNaturalPageHeight = 463;

// Authoring problems of a loaded book, one UTF-8 line each: targets and
// reactions that name no page, sub-page bounds outside the page, pictures that
// the markup names but the store lacks, and empty pages.
std::vector<std::string> CheckTextbook(const TPLBData& Book, const TPLBHTP& Pictures);

// The picture file names that the markup's picture macros refer to, in order.
std::vector<AnsiString> MarkupPictureNames(const TStringList& Lines);
