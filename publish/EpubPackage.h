#pragma once

#include "publish/WebManifest.h"

#include <map>
#include <string>

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
    // Per content document (the contents and the pages): the features it
    // uses that a reading system must know of ("svg", "scripted", "mathml"),
    // space separated.
    std::map<std::string, std::string> Properties;
    // Per file of a type EPUB reading systems need not open (a WAV or AVI
    // clip, a document a link names): the note document shown in its place
    // where one cannot. The file stays in the book unchanged; the package
    // names the note as its fallback and puts the file in the spine, out of
    // the linear reading, so that the pages' players and links may point at it.
    std::map<std::string, std::string> Fallbacks;
};

std::string EpubContainerXml();
std::string EpubPackageDocument(const TWebManifest& Manifest, const TEpubInfo& Info);
std::string EpubNavDocument(const TWebManifest& Manifest);

// Whether every EPUB reading system opens files of MediaType (pictures,
// MP3/MP4/Ogg sound, style sheets, fonts, content documents).
bool IsEpubCoreMediaType(const std::string& MediaType);
// The note shown in place of a file a reading system cannot open: its name,
// its type and that it is kept in the book as it is.
std::string EpubFallbackNote(const TWebResource& Resource, const std::string& Language);

// The properties a content document's markup calls for (see TEpubInfo).
std::string EpubContentProperties(const std::string& Document);
// The label of a page in the contents: its title, or "Страница N" without one.
std::string EpubPageLabel(const TWebPage& Page);
// "CCYY-MM-DDThh:mm:ssZ" of Time.
std::string EpubDateTime(long long Time);
