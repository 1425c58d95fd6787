#pragma once

#include "publish/WebManifest.h"

#include <string>

// A small web edition written for EPUB by hand, as the edition's writer
// would: a contents document, two pages and a sub-page (one with an inline
// drawing), a style sheet, a PNG and an SVG picture, a sound clip and a document
// that a link opens (the last two of types EPUB reading systems need not open).
TWebManifest WriteTestEdition(const std::string& Dir);

// Writes Text to Dir/Path, making the folders on the way.
void WriteEditionFile(const std::string& Dir, const std::string& Path, const std::string& Text);
