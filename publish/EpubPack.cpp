#include "publish/EpubPack.h"

#include "platform/base/FileNames.h"
#include "publish/EpubIdentifier.h"
#include "publish/EpubPackage.h"
#include "publish/ZipWriter.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Letter case folded as file systems that ignore it do (ASCII letters; the
// edition's writer keeps other names ASCII or distinct).
std::string FoldCase(std::string Text) {
    for (char& c : Text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return Text;
}

bool ReadWholeFile(const std::string& Path, std::string& Data) {
    if (!FileExists(Path)) return false;
    std::ifstream in(Path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    Data = text.str();
    return in.good() || in.eof();
}

long long PackTime() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long value = std::strtoll(epoch, &end, 10);
        if (end != epoch && !*end && value >= 0) return value;
    }
    return static_cast<long long>(std::time(nullptr));
}

// The edition's files in packing order with their contents, checked.
struct TEditionFiles {
    std::vector<std::pair<std::string, std::string>> Files; // path, content
    std::map<std::string, std::string> Folded;              // folded path -> path

    bool Add(const std::string& Dir, const std::string& Path, std::string& Error) {
        if (!TZipWriter::IsSafeName(Path) || FoldCase(Path).rfind("meta-inf/", 0) == 0) {
            Error = "unsafe path in the edition: \"" + Path + "\"";
            return false;
        }
        const auto [at, added] = Folded.emplace(FoldCase(Path), Path);
        if (!added) {
            if (at->second == Path) return true; // listed twice: packed once
            Error = "\"" + at->second + "\" and \"" + Path + "\" differ only in letter case";
            return false;
        }
        std::string data;
        if (!ReadWholeFile(JoinPath(Dir, Path), data)) {
            Error = "cannot read " + JoinPath(Dir, Path);
            return false;
        }
        Files.emplace_back(Path, std::move(data));
        return true;
    }
    const std::string* Content(const std::string& Path) const {
        for (const auto& [path, data] : Files)
            if (path == Path) return &data;
        return nullptr;
    }
};

// A document name Stem.xhtml, or Stem-N.xhtml, that no edition file takes;
// taken from then on.
std::string FreePath(TEditionFiles& Files, const std::string& Stem) {
    std::string path = Stem + ".xhtml";
    for (int n = 1; Files.Folded.count(FoldCase(path)); ++n)
        path = Stem + "-" + std::to_string(n) + ".xhtml";
    Files.Folded.emplace(FoldCase(path), path);
    return path;
}

std::string BookIdentifier(const TWebManifest& Manifest, const TEditionFiles& Files) {
    std::string name = "plb-book:" + Manifest.Title;
    TSha1 pages;
    for (const TWebPage& page : Manifest.Pages) {
        pages.Update(std::to_string(page.Number) + '\0' + page.Title + '\0');
        if (const std::string* text = Files.Content(page.Path)) pages.Update(*text);
    }
    for (const uint8_t byte : pages.Finish())
        name += static_cast<char>(byte);
    return NameBasedUrnUuid(name);
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
    info.Identifier = BookIdentifier(Manifest, files);
    const long long now = PackTime();
    info.Modified = EpubDateTime(now);
    info.NavPath = FreePath(files, "nav");
    // Files reading systems need not open get a note to show instead.
    std::vector<std::pair<std::string, std::string>> notes; // path, document
    for (const TWebResource& resource : Manifest.Resources) {
        if (IsEpubCoreMediaType(resource.MediaType)) continue;
        bool noted = false;
        for (const TEpubFallback& f : info.Fallbacks)
            noted = noted || f.Resource == resource.Path;
        if (noted) continue;
        const std::string note = FreePath(files, "notes/file" + std::to_string(notes.size() + 1));
        info.Fallbacks.push_back({resource.Path, note});
        notes.emplace_back(note, EpubFallbackNote(resource, Manifest.Language));
    }
    const auto addProperties = [&](const std::string& Path) {
        if (const std::string* text = files.Content(Path))
            info.Properties.emplace_back(Path, EpubContentProperties(*text));
    };
    if (!Manifest.Index.empty()) addProperties(Manifest.Index);
    for (const TWebPage& page : Manifest.Pages)
        addProperties(page.Path);

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
    for (size_t i = 0; ok && i < files.Files.size(); ++i)
        ok = zip.Add(folder + files.Files[i].first, files.Files[i].second);
    for (size_t i = 0; ok && i < notes.size(); ++i)
        ok = zip.Add(folder + notes[i].first, notes[i].second);
    ok = zip.Close() && ok;
    if (!ok) {
        Error = zip.Error();
        return false;
    }
    if (std::rename(partial.c_str(), EpubFile.c_str()) != 0) {
        std::remove(partial.c_str());
        Error = "cannot write " + EpubFile;
        return false;
    }
    return true;
}
