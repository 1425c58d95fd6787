#pragma once

#include "publish/WebManifest.h"

#include <string>
#include <vector>

// The documents an EPUB 3 book adds to a web edition: the container file
// pointing at the package document, the package document itself (metadata,
// every file with its media type, the reading order) and the navigation
// document listing the pages by title. The edition's files sit beside the
// package document under kEpubContentFolder, so their relative links hold.

inline constexpr const char* kEpubContentFolder = "EPUB/";
inline constexpr const char* kEpubPackageName = "package.opf";

// What the package says beyond the manifest.
struct TEpubInfo {
    std::string Identifier; // e.g. "urn:uuid:…"
    std::string Modified;   // "CCYY-MM-DDThh:mm:ssZ"
    std::string NavPath;    // the navigation document, relative to the content folder
    // Per content document (Index first when given, then Pages, by path):
    // the features it uses that a reading system must know of ("svg",
    // "scripted", "mathml"), space separated.
    std::vector<std::pair<std::string, std::string>> Properties;
};

std::string EpubContainerXml();
std::string EpubPackageDocument(const TWebManifest& Manifest, const TEpubInfo& Info);
std::string EpubNavDocument(const TWebManifest& Manifest);

// The properties a content document's markup calls for (see TEpubInfo).
std::string EpubContentProperties(const std::string& Document);
// The label of a page in the contents: its title, or "Страница N" without one.
std::string EpubPageLabel(const TWebPage& Page);
// "CCYY-MM-DDThh:mm:ssZ" of Time.
std::string EpubDateTime(long long Time);
