#include "platform/graphics/PdfOutline.h"

#include <QString>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

// Limits that keep a damaged file from sending the reader far afield.
constexpr int MaxXrefSections = 64;
constexpr int MaxTreeDepth = 32;
constexpr long long MaxObjects = 50'000'000;

struct TObjectPlace {
    size_t Offset = 0;
    int Generation = 0;
};
using TObjects = std::map<long long, TObjectPlace>;

bool IsSpace(char C) {
    return C == ' ' || C == '\n' || C == '\r' || C == '\t' || C == '\f' || C == '\0';
}

void SkipSpace(const std::string& Data, size_t& Pos) {
    while (Pos < Data.size() && IsSpace(Data[Pos]))
        ++Pos;
}

bool ReadNumber(const std::string& Data, size_t& Pos, long long& Value) {
    SkipSpace(Data, Pos);
    size_t start = Pos;
    Value = 0;
    while (Pos < Data.size() && std::isdigit(static_cast<unsigned char>(Data[Pos])) &&
           Pos - start < 12)
        Value = Value * 10 + (Data[Pos++] - '0');
    return Pos > start;
}

// Where the value of Key starts in a dictionary's text, npos when absent. A
// key is matched whole: "/Page" does not match "/Pages".
size_t FindKey(const std::string& Dict, const std::string& Key) {
    for (size_t at = Dict.find(Key); at != std::string::npos; at = Dict.find(Key, at + 1)) {
        const size_t end = at + Key.size();
        if (end >= Dict.size() || !std::isalnum(static_cast<unsigned char>(Dict[end]))) return end;
    }
    return std::string::npos;
}

// "N G R" after Key.
bool ReadReference(const std::string& Dict, const std::string& Key, long long& Object) {
    size_t pos = FindKey(Dict, Key);
    long long generation = 0;
    if (pos == std::string::npos || !ReadNumber(Dict, pos, Object) ||
        !ReadNumber(Dict, pos, generation))
        return false;
    SkipSpace(Dict, pos);
    return pos < Dict.size() && Dict[pos] == 'R';
}

// The references of an array "[a 0 R b 0 R ...]" after Key.
bool ReadReferences(const std::string& Dict, const std::string& Key,
                    std::vector<long long>& Objects) {
    size_t pos = FindKey(Dict, Key);
    if (pos == std::string::npos) return false;
    SkipSpace(Dict, pos);
    if (pos >= Dict.size() || Dict[pos++] != '[') return false;
    for (;;) {
        SkipSpace(Dict, pos);
        if (pos < Dict.size() && Dict[pos] == ']') return true;
        long long object = 0, generation = 0;
        if (!ReadNumber(Dict, pos, object) || !ReadNumber(Dict, pos, generation)) return false;
        SkipSpace(Dict, pos);
        if (pos >= Dict.size() || Dict[pos++] != 'R') return false;
        Objects.push_back(object);
    }
}

// The trailer dictionary's text, from "<<" to its last ">>".
bool ReadTrailer(const std::string& Data, size_t From, std::string& Trailer) {
    const size_t at = Data.find("trailer", From);
    if (at == std::string::npos) return false;
    const size_t open = Data.find("<<", at);
    const size_t close = Data.find("startxref", at);
    if (open == std::string::npos || close == std::string::npos || close < open) return false;
    const size_t end = Data.rfind(">>", close);
    if (end == std::string::npos || end < open) return false;
    Trailer = Data.substr(open, end + 2 - open);
    return true;
}

// Reads the cross-reference table at Offset into Objects (entries already
// known, from a newer section, win) and the trailer that follows it.
bool ReadXrefSection(const std::string& Data, size_t Offset, TObjects& Objects,
                     std::string& Trailer) {
    if (Offset >= Data.size() || Data.compare(Offset, 4, "xref") != 0) return false;
    size_t pos = Offset + 4;
    for (;;) {
        SkipSpace(Data, pos);
        if (Data.compare(pos, 7, "trailer") == 0) break;
        long long first = 0, count = 0;
        if (!ReadNumber(Data, pos, first) || !ReadNumber(Data, pos, count) ||
            first + count > MaxObjects)
            return false;
        for (long long i = 0; i < count; ++i) {
            long long offset = 0, generation = 0;
            if (!ReadNumber(Data, pos, offset) || !ReadNumber(Data, pos, generation)) return false;
            SkipSpace(Data, pos);
            if (pos >= Data.size()) return false;
            if (Data[pos++] == 'n' && !Objects.count(first + i))
                Objects[first + i] = {static_cast<size_t>(offset), static_cast<int>(generation)};
        }
    }
    return ReadTrailer(Data, pos, Trailer);
}

// The text between "N G obj" and "endobj".
bool ReadObject(const std::string& Data, const TObjects& Objects, long long Number,
                std::string& Body) {
    const auto found = Objects.find(Number);
    if (found == Objects.end()) return false;
    size_t pos = found->second.Offset;
    long long number = 0, generation = 0;
    if (!ReadNumber(Data, pos, number) || !ReadNumber(Data, pos, generation) || number != Number)
        return false;
    SkipSpace(Data, pos);
    if (Data.compare(pos, 3, "obj") != 0) return false;
    pos += 3;
    const size_t end = Data.find("endobj", pos);
    if (end == std::string::npos) return false;
    Body = Data.substr(pos, end - pos);
    return true;
}

// The pages under the page tree node Node, in order. Visits is what is left
// of the objects the file has: a tree that names an object twice (a loop, or
// a node shared to blow the tree up) runs out of it.
bool CollectPages(const std::string& Data, const TObjects& Objects, long long Node, int Depth,
                  size_t& Visits, std::vector<long long>& Pages) {
    std::string body;
    std::vector<long long> kids;
    if (Depth > MaxTreeDepth || Visits == 0 || !ReadObject(Data, Objects, Node, body) ||
        !ReadReferences(body, "/Kids", kids))
        return false;
    --Visits;
    for (long long kid : kids) {
        std::string kidBody;
        if (Visits == 0 || !ReadObject(Data, Objects, kid, kidBody)) return false;
        if (FindKey(kidBody, "/Kids") != std::string::npos) {
            if (!CollectPages(Data, Objects, kid, Depth + 1, Visits, Pages)) return false;
        } else {
            --Visits;
            Pages.push_back(kid);
        }
    }
    return true;
}

// A text string as PDF wants it for any script: UTF-16BE with a byte order
// mark, in hexadecimal.
std::string PdfTextString(const std::string& Utf8) {
    std::string out = "<FEFF";
    char unit[5];
    for (QChar c : QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()))) {
        std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(c.unicode()));
        out += unit;
    }
    return out + ">";
}

std::string TrimmedEnd(std::string Text) {
    while (!Text.empty() && IsSpace(Text.back()))
        Text.pop_back();
    return Text;
}

std::string XrefEntry(size_t Offset, int Generation) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu %05d n\r\n", Offset, Generation);
    return entry;
}

// The raw "/ID [...]" entry of a trailer, to be carried over, or "".
std::string IdEntry(const std::string& Trailer) {
    const size_t at = FindKey(Trailer, "/ID");
    if (at == std::string::npos) return "";
    const size_t end = Trailer.find(']', at);
    return end == std::string::npos ? "" : " " + Trailer.substr(at - 3, end + 1 - (at - 3));
}

} // namespace

bool AddPdfOutline(const std::string& FileName, const std::vector<std::string>& Titles,
                   std::string& Error) {
    std::string data;
    {
        std::ifstream in(FileName, std::ios::binary);
        if (!in) {
            Error = "cannot read " + FileName;
            return false;
        }
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const auto damaged = [&](const char* What) {
        Error = FileName + ": " + What;
        return false;
    };
    size_t pos = data.rfind("startxref");
    long long xref = 0;
    if (pos == std::string::npos || !ReadNumber(data, pos += 9, xref))
        return damaged("no cross-reference table");

    // The newest section first; older ones through /Prev.
    TObjects objects;
    std::string trailer, newest;
    long long section = xref;
    for (int i = 0; i < MaxXrefSections; ++i) {
        if (!ReadXrefSection(data, static_cast<size_t>(section), objects, trailer))
            return damaged("unreadable cross-reference table");
        if (i == 0) newest = trailer;
        size_t prev = FindKey(trailer, "/Prev");
        if (prev == std::string::npos || !ReadNumber(trailer, prev, section)) break;
    }

    long long size = 0, root = 0, pagesNode = 0;
    size_t sizeAt = FindKey(newest, "/Size");
    if (sizeAt == std::string::npos || !ReadNumber(newest, sizeAt, size) || size <= 0 ||
        size > MaxObjects || !ReadReference(newest, "/Root", root))
        return damaged("no document catalog");
    std::string catalog;
    if (!ReadObject(data, objects, root, catalog)) return damaged("unreadable document catalog");
    const size_t open = catalog.find("<<"), close = catalog.rfind(">>");
    if (open == std::string::npos || close == std::string::npos || close < open)
        return damaged("unreadable document catalog");
    std::vector<long long> pages;
    size_t visits = objects.size();
    if (!ReadReference(catalog, "/Pages", pagesNode) ||
        !CollectPages(data, objects, pagesNode, 0, visits, pages))
        return damaged("unreadable page tree");
    if (pages.size() != Titles.size() || pages.empty()) {
        Error = FileName + ": " + std::to_string(pages.size()) + " pages but " +
                std::to_string(Titles.size()) + " titles";
        return false;
    }
    if (FindKey(catalog, "/Outlines") != std::string::npos)
        return damaged("the document has an outline already");

    // The update: the outline root, its entries, the catalog again.
    std::ostringstream update;
    size_t offset = data.size();
    const auto add = [&](const std::string& Text) {
        update << Text;
        offset += Text.size();
    };
    if (data.back() != '\n') add("\n");
    const long long outline = size;
    const long long count = static_cast<long long>(pages.size());
    std::vector<size_t> offsets;
    const auto ref = [](long long Object) { return std::to_string(Object) + " 0 R"; };
    offsets.push_back(offset);
    add(std::to_string(outline) + " 0 obj\n<< /Type /Outlines /First " + ref(outline + 1) +
        " /Last " + ref(outline + count) + " /Count " + std::to_string(count) + " >>\nendobj\n");
    for (long long i = 0; i < count; ++i) {
        std::string entry = std::to_string(outline + 1 + i) + " 0 obj\n<< /Title " +
                            PdfTextString(Titles[static_cast<size_t>(i)]) + " /Parent " +
                            ref(outline);
        if (i > 0) entry += " /Prev " + ref(outline + i);
        if (i + 1 < count) entry += " /Next " + ref(outline + 2 + i);
        entry += " /Dest [" + ref(pages[static_cast<size_t>(i)]) + " /Fit] >>\nendobj\n";
        offsets.push_back(offset);
        add(entry);
    }
    const int rootGeneration = objects[root].Generation;
    const size_t catalogOffset = offset;
    add(std::to_string(root) + " " + std::to_string(rootGeneration) + " obj\n" +
        TrimmedEnd(catalog.substr(open, close - open)) + "\n/Outlines " + ref(outline) +
        "\n/PageMode /UseOutlines\n>>\nendobj\n");

    const size_t xrefOffset = offset;
    std::string table = "xref\n" + std::to_string(root) + " 1\n" +
                        XrefEntry(catalogOffset, rootGeneration) + std::to_string(outline) + " " +
                        std::to_string(count + 1) + "\n";
    for (size_t at : offsets)
        table += XrefEntry(at, 0);
    std::string info;
    long long infoObject = 0;
    if (ReadReference(newest, "/Info", infoObject)) info = " /Info " + ref(infoObject);
    table += "trailer\n<< /Size " + std::to_string(outline + count + 1) + " /Root " +
             std::to_string(root) + " " + std::to_string(rootGeneration) + " R" + info +
             IdEntry(newest) + " /Prev " + std::to_string(xref) + " >>\nstartxref\n" +
             std::to_string(xrefOffset) + "\n%%EOF\n";
    add(table);

    std::ofstream out(FileName, std::ios::binary | std::ios::app);
    out << update.str();
    out.flush();
    if (!out) {
        Error = "cannot write " + FileName;
        return false;
    }
    return true;
}
