#include "data/BookCheck.h"

#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"

#include <cctype>
#include <cstdio>
#include <set>

namespace {

// Macro names whose body names a picture file ("w;h;file" or "file").
const char* const kPictureMacros[] = {"bitmap",
                                      "metafile",
                                      "icon",
                                      "picture",
                                      "tiled_background",
                                      "centered_background",
                                      "stretched_background"};

bool IsPictureMacro(const AnsiString& name) {
    for (const char* kind : kPictureMacros)
        if (AnsiSameText(name, kind)) return true;
    return false;
}

AnsiString Trim(const AnsiString& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

// The file token of a picture macro body: after "w;h;" when present, up to white space.
AnsiString BodyFileName(const AnsiString& body) {
    int w = 0, h = 0, used = 0;
    AnsiString rest = Trim(body);
    if (std::sscanf(rest.c_str(), "%d;%d;%n", &w, &h, &used) == 2 && used > 0)
        rest = Trim(rest.substr(static_cast<size_t>(used)));
    size_t end = 0;
    while (end < rest.size() && static_cast<unsigned char>(rest[end]) > ' ')
        ++end;
    return rest.substr(0, end);
}

std::string Where(const TPLBDataItem& item, size_t index) {
    return std::string(item.SubPage ? "sub-page" : "page") + " " + std::to_string(item.Number) +
           " (item " + std::to_string(index + 1) + ")";
}

} // namespace

std::vector<AnsiString> MarkupPictureNames(const TStringList& Lines) {
    AnsiString text;
    for (const auto& line : Lines.Lines())
        text += line + " ";
    const AnsiString lower = AnsiLowerCase(text);
    std::vector<AnsiString> names;
    size_t pos = 0;
    while ((pos = lower.find("<macros", pos)) != AnsiString::npos) {
        size_t i = pos + 7;
        while (i < lower.size() && lower[i] == ' ')
            ++i;
        const size_t close = lower.find('>', pos);
        if (i >= lower.size() || lower[i] != '=' || close == AnsiString::npos) {
            pos += 7;
            continue;
        }
        const AnsiString name = Trim(text.substr(i + 1, close - i - 1));
        const size_t end = lower.find("</macros", close);
        const AnsiString body =
            text.substr(close + 1, (end == AnsiString::npos ? lower.size() : end) - close - 1);
        if (IsPictureMacro(name)) {
            const AnsiString file = BodyFileName(body);
            if (!file.empty()) names.push_back(file);
        }
        pos = close;
    }
    return names;
}

std::vector<std::string> CheckTextbook(const TPLBData& Book, const TPLBHTP& Pictures) {
    std::vector<std::string> problems;
    std::set<int32_t> numbers;
    for (const auto& item : Book.Items)
        numbers.insert(item->Number);
    const auto missing = [&](int32_t target) { return target > 0 && !numbers.count(target); };
    if (missing(Book.StartPage))
        problems.push_back("the start page " + std::to_string(Book.StartPage) + " does not exist");
    static const char* const kNavNames[] = {"first", "last", "prev", "next", "contents"};
    for (size_t i = 0; i < Book.Items.size(); ++i) {
        const TPLBDataItem& item = *Book.Items[i];
        const std::string where = Where(item, i);
        for (int set = 0; set < 2; ++set) {
            const auto& n = item.NavPoints[set];
            const int32_t targets[] = {n.First, n.Last, n.Prev, n.Next, n.Contents};
            for (int k = 0; k < 5; ++k)
                if (missing(targets[k]))
                    problems.push_back(where + ": navigation set " + std::to_string(set + 1) + " " +
                                       kNavNames[k] + " names page " + std::to_string(targets[k]) +
                                       ", which does not exist");
        }
        for (const auto& r : item.Reactions)
            if (missing(r->Target))
                problems.push_back(where + ": link " + std::to_string(r->LinkNumber) +
                                   " jumps to page " + std::to_string(r->Target) +
                                   ", which does not exist");
        const auto& b = item.Bounds;
        if (item.SubPage != 0 && (b.Left < 0 || b.Top < 0 || b.Width <= 0 || b.Height <= 0 ||
                                  int64_t(b.Left) + b.Width > kNaturalPageWidth ||
                                  int64_t(b.Top) + b.Height > kNaturalPageHeight))
            problems.push_back(where + ": bounds " + std::to_string(b.Left) + "," +
                               std::to_string(b.Top) + " " + std::to_string(b.Width) + "x" +
                               std::to_string(b.Height) + " lie outside the page (" +
                               std::to_string(kNaturalPageWidth) + "x" +
                               std::to_string(kNaturalPageHeight) + ")");
        for (const auto& name : MarkupPictureNames(item.Lines))
            if (Pictures.FindPicture(name) <= 0)
                problems.push_back(where + ": picture \"" + Cp1251ToUtf8(name) +
                                   "\" is not in the pictures file");
        bool empty = true;
        for (const auto& line : item.Lines.Lines())
            if (!Trim(line).empty()) empty = false;
        if (empty) problems.push_back(where + ": the page is empty");
    }
    return problems;
}
