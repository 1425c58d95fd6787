#include "data/BookSource.h"

#include "data/Manifest.h"
#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/base/Streams.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>

namespace {

std::string ReadWholeFile(const std::string& path) {
    TFileStream file(path, TFileMode::fmOpenRead);
    std::string bytes(static_cast<size_t>(file.Size()), '\0');
    file.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    TFileStream file(path, TFileMode::fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    file.Size();
}

bool MakeFolder(const std::string& path) {
    return DirectoryExists(path) || ::mkdir(path.c_str(), 0755) == 0;
}

// Reads one manifest entry into the model; each key knows its own parser.
class TSourceReader {
public:
    TSourceReader(const std::string& Folder, TPLBData& Book, TBookSource& Source)
        : Folder(Folder), Book(Book), Source(Source) {}

    bool Apply(const TManifestEntry& e, std::string& error);

private:
    bool Ints(const std::string& value, std::vector<long long>& out, size_t count,
              std::string& error);
    bool Text(const std::string& value, AnsiString& out, std::string& error);
    bool BookKey(const TManifestEntry& e, std::string& error);
    bool PageKey(const TManifestEntry& e, TPLBDataItem& item, std::string& error);
    bool Reaction(const std::string& value, TPLBDataItem& item, std::string& error);
    bool Markup(const std::string& value, TPLBDataItem& item, std::string& error);
    bool Picture(const std::string& value, std::string& error);

    const std::string& Folder;
    TPLBData& Book;
    TBookSource& Source;
};

bool TSourceReader::Ints(const std::string& value, std::vector<long long>& out, size_t count,
                         std::string& error) {
    std::vector<std::string> tokens;
    if (!SplitTokens(value, tokens, error)) return false;
    if (tokens.size() != count) {
        error = "expected " + std::to_string(count) + " number(s)";
        return false;
    }
    for (const auto& t : tokens) {
        long long v = 0;
        if (!ParseInt(t, INT32_MIN, INT32_MAX, v)) {
            error = "\"" + t + "\" is not a 32-bit integer";
            return false;
        }
        out.push_back(v);
    }
    return true;
}

bool TSourceReader::Text(const std::string& value, AnsiString& out, std::string& error) {
    std::string utf8;
    if (!ParseStringValue(value, utf8, error)) return false;
    bool exact = true;
    out = Utf8ToCp1251(utf8, &exact);
    if (!exact) error = "the text has characters outside code page 1251";
    return exact;
}

bool TSourceReader::BookKey(const TManifestEntry& e, std::string& error) {
    std::vector<long long> v;
    bool flag = false;
    const auto byteValue = [&](uint8_t& target) {
        if (!Ints(e.Value, v, 1, error)) return false;
        if (v[0] < 0 || v[0] > 255) {
            error = "expected a number from 0 to 255";
            return false;
        }
        target = static_cast<uint8_t>(v[0]);
        return true;
    };
    const auto boolValue = [&](bool& target) {
        if (!ParseBool(e.Value, flag)) {
            error = "expected yes or no";
            return false;
        }
        target = flag;
        return true;
    };
    if (e.Key == "title") return Text(e.Value, Book.Title, error);
    if (e.Key == "startPage") {
        if (!Ints(e.Value, v, 1, error)) return false;
        Book.StartPage = static_cast<int32_t>(v[0]);
        return true;
    }
    if (e.Key == "subPages") return byteValue(Book.SubPages);
    if (e.Key == "navStart") return byteValue(Book.NavStart);
    if (e.Key == "sizeable") return boolValue(Book.Sizeable);
    if (e.Key == "reserved") return boolValue(Book.Reserved);
    if (e.Key == "zoomable") return boolValue(Book.Zoomable);
    if (e.Key == "dblClickClose") return boolValue(Book.DblClickClose);
    error = "unknown book setting \"" + e.Key + "\"";
    return false;
}

bool TSourceReader::Reaction(const std::string& value, TPLBDataItem& item, std::string& error) {
    std::vector<std::string> tokens;
    if (!SplitTokens(value, tokens, error)) return false;
    if (tokens.size() < 3 || tokens.size() > 4) {
        error = "expected: link target navStart [\"shell file\"]";
        return false;
    }
    auto reaction = std::make_unique<TPLBReaction>();
    long long link = 0, target = 0, nav = 0;
    if (!ParseInt(tokens[0], INT32_MIN, INT32_MAX, link) ||
        !ParseInt(tokens[1], INT32_MIN, INT32_MAX, target) || !ParseInt(tokens[2], 0, 255, nav)) {
        error = "expected: link target navStart [\"shell file\"]";
        return false;
    }
    reaction->LinkNumber = static_cast<int32_t>(link);
    reaction->Target = static_cast<int32_t>(target);
    reaction->NavStart = static_cast<uint8_t>(nav);
    if (tokens.size() == 4) {
        bool exact = true;
        reaction->ShellFile = Utf8ToCp1251(tokens[3], &exact);
        if (!exact) {
            error = "the shell file has characters outside code page 1251";
            return false;
        }
    }
    item.Reactions.push_back(std::move(reaction));
    return true;
}

bool TSourceReader::Markup(const std::string& value, TPLBDataItem& item, std::string& error) {
    std::string name;
    if (!ParseStringValue(value, name, error)) return false;
    const std::string path = JoinPath(Folder, name);
    if (!FileExists(path)) {
        error = "no markup file " + path;
        return false;
    }
    std::string text = ReadWholeFile(path);
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    std::vector<AnsiString> lines = SplitLines(text.data(), text.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        bool exact = true;
        lines[i] = Utf8ToCp1251(lines[i], &exact);
        if (!exact) {
            error = path + ":" + std::to_string(i + 1) +
                    ": characters outside code page 1251 (or not UTF-8)";
            return false;
        }
    }
    item.Lines.SetLines(std::move(lines));
    return true;
}

bool TSourceReader::PageKey(const TManifestEntry& e, TPLBDataItem& item, std::string& error) {
    std::vector<long long> v;
    const std::string& k = e.Key;
    if (k == "number" || k == "subPage" || k == "color" || k == "fontColor") {
        if (!Ints(e.Value, v, 1, error)) return false;
        const auto value = static_cast<int32_t>(v[0]);
        if (k == "number") item.Number = value;
        if (k == "subPage") item.SubPage = value;
        if (k == "color") item.Color = value;
        if (k == "fontColor") item.FontColor = value;
        return true;
    }
    if (k == "bounds") {
        if (!Ints(e.Value, v, 4, error)) return false;
        item.Bounds = {int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
        return true;
    }
    if (k == "nav1" || k == "nav2") {
        if (!Ints(e.Value, v, 5, error)) return false;
        item.NavPoints[k == "nav2"] = {int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3]),
                                       int32_t(v[4])};
        return true;
    }
    if (k == "title") return Text(e.Value, item.Title, error);
    if (k == "shortTitle") return Text(e.Value, item.ShortTitle, error);
    if (k == "prefix1") return Text(e.Value, item.CaptionPrefix[0], error);
    if (k == "prefix2") return Text(e.Value, item.CaptionPrefix[1], error);
    if (k == "library") return Text(e.Value, item.LibraryName, error);
    if (k == "libraryParams") return Text(e.Value, item.LibraryParams, error);
    if (k == "reaction") return Reaction(e.Value, item, error);
    if (k == "markup") return Markup(e.Value, item, error);
    error = "unknown page setting \"" + k + "\"";
    return false;
}

bool TSourceReader::Picture(const std::string& value, std::string& error) {
    std::vector<std::string> tokens;
    if (!SplitTokens(value, tokens, error)) return false;
    if (tokens.size() != 2 || tokens[0].empty()) {
        error = "expected: \"picture name\" file";
        return false;
    }
    bool exact = true;
    TPictureEntry entry;
    entry.Name = Utf8ToCp1251(tokens[0], &exact);
    if (!exact) {
        error = "the picture name has characters outside code page 1251";
        return false;
    }
    const std::string path = JoinPath(Folder, tokens[1]);
    if (!FileExists(path)) {
        error = "no picture file " + path;
        return false;
    }
    entry.Bytes = ReadWholeFile(path);
    Source.Pictures.push_back(std::move(entry));
    return true;
}

bool TSourceReader::Apply(const TManifestEntry& e, std::string& error) {
    if (e.Key.empty()) { // a section header
        if (e.Section == "page")
            Book.Items.push_back(std::make_unique<TPLBDataItem>());
        else if (e.Section == "pictures")
            Source.HasPictures = true;
        else if (e.Section != "book")
            error = "unknown section [" + e.Section + "]";
        return error.empty();
    }
    if (e.Section == "book") return BookKey(e, error);
    if (e.Section == "page") return PageKey(e, *Book.Items.back(), error);
    if (e.Section == "pictures" && e.Key == "picture") return Picture(e.Value, error);
    error = e.Section.empty() ? "a setting outside any section" : "unknown setting";
    return false;
}

std::string Number(long long v) {
    return std::to_string(v);
}

std::string Hex(int32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<uint32_t>(v));
    return buffer;
}

std::string Quoted(const AnsiString& text) {
    return QuoteToken(Cp1251ToUtf8(text));
}

// A file name for a picture: unsafe characters replaced, clashes numbered.
std::string PictureFileName(const std::string& name, std::set<std::string>& used) {
    std::string safe;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        safe += (c == '/' || c == '\\' || c == ':' || u < 0x20) ? '_' : c;
    }
    if (safe.empty() || safe == "." || safe == "..") safe = "picture";
    std::string candidate = safe;
    for (int n = 2; used.count(Cp1251ToUtf8(AnsiLowerCase(Utf8ToCp1251(candidate)))); ++n) {
        const std::string ext = ExtractFileExt(safe);
        candidate = safe.substr(0, safe.size() - ext.size()) + "-" + std::to_string(n) + ext;
    }
    used.insert(Cp1251ToUtf8(AnsiLowerCase(Utf8ToCp1251(candidate))));
    return candidate;
}

std::string PageText(const TPLBDataItem& item, const std::string& markupFile) {
    std::string s = "\n[page]\n";
    s += "number = " + Number(item.Number) + "\n";
    s += "subPage = " + Number(item.SubPage) + "\n";
    s += "title = " + Quoted(item.Title) + "\n";
    s += "shortTitle = " + Quoted(item.ShortTitle) + "\n";
    const auto& b = item.Bounds;
    s += "bounds = " + Number(b.Left) + " " + Number(b.Top) + " " + Number(b.Width) + " " +
         Number(b.Height) + "\n";
    for (int set = 0; set < 2; ++set) {
        const auto& n = item.NavPoints[set];
        s += "nav" + Number(set + 1) + " = " + Number(n.First) + " " + Number(n.Last) + " " +
             Number(n.Prev) + " " + Number(n.Next) + " " + Number(n.Contents) + "\n";
    }
    s += "prefix1 = " + Quoted(item.CaptionPrefix[0]) + "\n";
    s += "prefix2 = " + Quoted(item.CaptionPrefix[1]) + "\n";
    s += "library = " + Quoted(item.LibraryName) + "\n";
    s += "libraryParams = " + Quoted(item.LibraryParams) + "\n";
    s += "color = " + Hex(item.Color) + "\n";
    s += "fontColor = " + Hex(item.FontColor) + "\n";
    for (const auto& r : item.Reactions)
        s += "reaction = " + Number(r->LinkNumber) + " " + Number(r->Target) + " " +
             Number(r->NavStart) + " " + Quoted(r->ShellFile) + "\n";
    s += "markup = " + QuoteToken(markupFile) + "\n";
    return s;
}

const char* kManifestHead =
    "; Textbook source. Pack it with: plbtool pack FOLDER -o BOOK.plb\n"
    "; Pages follow in book order; nav1/nav2 = first last prev next contents;\n"
    "; reaction = link target navStart \"shell file\"; bounds = left top width height.\n";

} // namespace

bool ReadBookSource(const std::string& Folder, TPLBData& Book, TBookSource& Source,
                    std::string& Error, const std::vector<std::string>& BookSettings) {
    try {
        const std::string manifest = JoinPath(Folder, "book.ini");
        if (!FileExists(manifest)) {
            Error = "no manifest " + manifest;
            return false;
        }
        std::vector<TManifestEntry> entries;
        if (!ParseManifest(ReadWholeFile(manifest), entries, Error)) {
            Error = manifest + ": " + Error;
            return false;
        }
        TSourceReader reader(Folder, Book, Source);
        for (const auto& e : entries) {
            std::string error;
            if (!reader.Apply(e, error)) {
                Error = manifest + ":" + std::to_string(e.Line) + ": " + error;
                return false;
            }
        }
        for (const std::string& setting : BookSettings) {
            std::vector<TManifestEntry> overrides;
            std::string error;
            if (!ParseManifest("[book]\n" + setting + "\n", overrides, error) ||
                overrides.size() != 2 || overrides[1].Key.empty() ||
                !reader.Apply(overrides[1], error)) {
                Error = "book setting \"" + setting +
                        "\": " + (error.empty() ? std::string("expected key = value") : error);
                return false;
            }
        }
        return true;
    } catch (const std::exception& e) {
        Error = e.what();
        return false;
    }
}

bool WriteBookSource(const TPLBData& Book, const TPLBHTP* Pictures, const std::string& Folder,
                     std::string& Error) {
    try {
        if (!MakeFolder(Folder) || !MakeFolder(JoinPath(Folder, "pages"))) {
            Error = "cannot create the folder " + Folder;
            return false;
        }
        std::string ini = kManifestHead;
        ini += "\n[book]\ntitle = " + Quoted(Book.Title) + "\n";
        ini += "startPage = " + Number(Book.StartPage) + "\n";
        ini += "subPages = " + Number(Book.SubPages) + "\n";
        ini += std::string("sizeable = ") + (Book.Sizeable ? "yes" : "no") + "\n";
        ini += "navStart = " + Number(Book.NavStart) + "\n";
        ini += std::string("reserved = ") + (Book.Reserved ? "yes" : "no") + "\n";
        ini += std::string("zoomable = ") + (Book.Zoomable ? "yes" : "no") + "\n";
        ini += std::string("dblClickClose = ") + (Book.DblClickClose ? "yes" : "no") + "\n";
        for (size_t i = 0; i < Book.Items.size(); ++i) {
            const TPLBDataItem& item = *Book.Items[i];
            char name[64];
            std::snprintf(name, sizeof name, "pages/%03zu-%s%d.tag", i + 1,
                          item.SubPage ? "sub" : "page", item.Number);
            std::string text;
            for (const auto& line : item.Lines.Lines())
                text += Cp1251ToUtf8(line) + "\n";
            WriteWholeFile(JoinPath(Folder, name), text);
            ini += PageText(item, name);
        }
        if (Pictures && Pictures->Data) {
            MakeFolder(JoinPath(Folder, "pictures"));
            ini += "\n[pictures]\n";
            std::set<std::string> used;
            for (int i = 0; i < Pictures->Count(); ++i) {
                const int64_t start = Pictures->Offsets[size_t(i)];
                const int64_t end = Pictures->PictureEnd(i);
                const std::string utf8 = Cp1251ToUtf8(Pictures->Names[i]);
                const std::string file = "pictures/" + PictureFileName(utf8, used);
                WriteWholeFile(JoinPath(Folder, file),
                               std::string(Pictures->Data->Memory() + start,
                                           static_cast<size_t>(std::max<int64_t>(0, end - start))));
                ini += "picture = " + QuoteToken(utf8) + " " + QuoteToken(file) + "\n";
            }
        }
        WriteWholeFile(JoinPath(Folder, "book.ini"), ini);
        return true;
    } catch (const std::exception& e) {
        Error = e.what();
        return false;
    }
}

bool PackBook(const std::string& Folder, const std::string& DataFile, std::string& Error,
              const std::vector<std::string>& BookSettings) {
    TPLBData book(nullptr);
    TBookSource source;
    if (!ReadBookSource(Folder, book, source, Error, BookSettings)) return false;
    if (!SaveTextbook(book, DataFile, Error)) return false;
    const std::string htp = ChangeFileExt(DataFile, ".htp");
    if (!source.HasPictures) {
        std::remove(htp.c_str());
        return true;
    }
    return SavePictures(source.Pictures, htp, Error);
}
