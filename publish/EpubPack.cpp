#include "publish/EpubPack.h"

#include "platform/base/FileNames.h"
#include "publish/EpubIdentifier.h"
#include "publish/EpubPackage.h"
#include "publish/OutputPaths.h"
#include "publish/ZipWriter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>

namespace {

// Letter case folded as file systems that ignore it do (ASCII letters; the
// edition's writer keeps other names ASCII or distinct).
std::string FoldCase(std::string Text) {
    for (char& c : Text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return Text;
}

long long PackTime() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long value = std::strtoll(epoch, &end, 10);
        if (end != epoch && !*end && value >= 0) return value;
    }
    return static_cast<long long>(std::time(nullptr));
}

// Whether an EPUB may hold the path: no character its container format
// forbids in names (controls, '"', '*', ':', '<', '>', '?', '\\', DEL) and no
// component ending in a dot.
bool IsEpubName(const std::string& Path) {
    for (size_t i = 0; i < Path.size(); ++i) {
        const auto c = static_cast<unsigned char>(Path[i]);
        if (c < 0x20 || c == 0x7F || std::strchr("\"*:<>?\\", c)) return false;
        if (c == '.' && (i + 1 == Path.size() || Path[i + 1] == '/')) return false;
    }
    return true;
}

// The edition's files in packing order, checked: safe, distinct, present.
struct TEditionFiles {
    std::vector<std::string> Paths;
    std::map<std::string, std::string> Folded; // folded path -> path

    bool Add(const std::string& Dir, const std::string& Path, std::string& Error) {
        if (!TZipWriter::IsSafeName(Path) || !IsEpubName(Path) ||
            FoldCase(Path).rfind("meta-inf/", 0) == 0) {
            Error = "unsafe path in the edition: \"" + Path + "\"";
            return false;
        }
        const auto [at, added] = Folded.emplace(FoldCase(Path), Path);
        if (!added) {
            if (at->second == Path) return true; // listed twice: packed once
            Error = "\"" + at->second + "\" and \"" + Path + "\" differ only in letter case";
            return false;
        }
        if (!FileExists(JoinPath(Dir, Path))) {
            Error = "missing file " + JoinPath(Dir, Path);
            return false;
        }
        Paths.push_back(Path);
        return true;
    }
    // A document name Stem.xhtml, or Stem-N.xhtml, that no edition file
    // takes; taken from then on.
    std::string FreePath(const std::string& Stem) {
        std::string path = Stem + ".xhtml";
        for (int n = 1; Folded.count(FoldCase(path)); ++n)
            path = Stem + "-" + std::to_string(n) + ".xhtml";
        Folded.emplace(FoldCase(path), path);
        return path;
    }
};

// Reads the content documents once, one at a time: the identifier, a
// name-based UUID of the book's title and its pages (numbers, titles and
// documents), and the features each document uses.
bool ReadDocuments(const std::string& Dir, const TWebManifest& Manifest, TEpubInfo& Info,
                   std::string& Error) {
    std::string text;
    const auto read = [&](const std::string& Path) {
        if (ReadFileBytes(JoinPath(Dir, Path), text)) return true;
        Error = "cannot read " + JoinPath(Dir, Path);
        return false;
    };
    if (!Manifest.Index.empty()) {
        if (!read(Manifest.Index)) return false;
        Info.Properties[Manifest.Index] = EpubContentProperties(text);
    }
    TSha1 pages;
    for (const TWebPage& page : Manifest.Pages) {
        if (!read(page.Path)) return false;
        pages.Update(std::to_string(page.Number) + '\0' + page.Title + '\0');
        pages.Update(text);
        Info.Properties[page.Path] = EpubContentProperties(text);
    }
    std::string name = "plb-book:" + Manifest.Title;
    for (const uint8_t byte : pages.Finish())
        name += static_cast<char>(byte);
    Info.Identifier = NameBasedUrnUuid(name);
    return true;
}

} // namespace

bool PackEpub(const std::string& EditionDir, const TWebManifest& Manifest,
              const std::string& EpubFile, std::string& Error) {
    if (Manifest.Pages.empty()) {
        Error = "the edition has no pages";
        return false;
    }
    TEditionFiles files;
    if (!Manifest.Index.empty() && !files.Add(EditionDir, Manifest.Index, Error)) return false;
    for (const TWebPage& page : Manifest.Pages)
        if (!files.Add(EditionDir, page.Path, Error)) return false;
    for (const TWebResource& resource : Manifest.Resources)
        if (!files.Add(EditionDir, resource.Path, Error)) return false;

    TEpubInfo info;
    if (!ReadDocuments(EditionDir, Manifest, info, Error)) return false;
    const long long now = PackTime();
    info.Modified = EpubDateTime(now);
    info.NavPath = files.FreePath("nav");
    // Files reading systems need not open get a note to show instead.
    std::vector<std::pair<std::string, std::string>> notes; // path, document
    for (const TWebResource& resource : Manifest.Resources) {
        if (IsEpubCoreMediaType(resource.MediaType) || info.Fallbacks.count(resource.Path))
            continue;
        const std::string note = files.FreePath("notes/file" + std::to_string(notes.size() + 1));
        info.Fallbacks[resource.Path] = note;
        notes.emplace_back(note, EpubFallbackNote(resource, Manifest.Language));
    }

    // Written beside the target and renamed over it once complete.
    const std::string partial = EpubFile + ".part";
    TZipWriter zip;
    zip.SetTime(static_cast<std::time_t>(now));
    const std::string folder = kEpubContentFolder;
    bool ok = zip.Open(partial) &&
              zip.Add("mimetype", "application/epub+zip", TZipWriter::TMethod::Stored) &&
              zip.Add("META-INF/container.xml", EpubContainerXml()) &&
              zip.Add(folder + kEpubPackageName, EpubPackageDocument(Manifest, info)) &&
              zip.Add(folder + info.NavPath, EpubNavDocument(Manifest));
    // Each file is read when its turn comes: only one is in memory at a time.
    std::string data, readError;
    for (size_t i = 0; ok && i < files.Paths.size(); ++i) {
        const std::string file = JoinPath(EditionDir, files.Paths[i]);
        if (!ReadFileBytes(file, data)) readError = "cannot read " + file;
        ok = readError.empty() && zip.Add(folder + files.Paths[i], data);
    }
    for (size_t i = 0; ok && i < notes.size(); ++i)
        ok = zip.Add(folder + notes[i].first, notes[i].second);
    ok = zip.Close() && ok;
    if (!ok) {
        std::remove(partial.c_str());
        Error = readError.empty() ? zip.Error() : readError;
        return false;
    }
    if (std::rename(partial.c_str(), EpubFile.c_str()) != 0) {
        std::remove(partial.c_str());
        Error = "cannot write " + EpubFile;
        return false;
    }
    return true;
}
