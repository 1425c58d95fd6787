#include "publish/OutputPaths.h"

#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"

#include <cerrno>
#include <fstream>
#include <sys/stat.h>

namespace {

constexpr size_t MaxStem = 60;

// The key under which names that differ only in letter case (Latin or
// Cyrillic) meet.
std::string CaseKey(const std::string& Utf8Path) {
    return AnsiLowerCase(Utf8ToCp1251(Utf8Path));
}

bool Allowed(unsigned char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '-' ||
           C == '_' || C == '.' || C >= 0x80;
}

// Length of the UTF-8 sequence that starts with C; 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char C) {
    if (C < 0x80) return 1;
    if (C >= 0xC2 && C <= 0xDF) return 2;
    if (C >= 0xE0 && C <= 0xEF) return 3;
    if (C >= 0xF0 && C <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(unsigned char C) {
    return (C & 0xC0) == 0x80;
}

} // namespace

std::string SafeFileStem(const std::string& Utf8Name) {
    const size_t cut = Utf8Name.find_last_of("/\\:");
    const std::string name = cut == std::string::npos ? Utf8Name : Utf8Name.substr(cut + 1);
    std::string out;
    for (size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        size_t n = SequenceLength(c);
        for (size_t k = 1; n > 1 && k < n; ++k)
            if (i + k >= name.size() || !IsContinuation(static_cast<unsigned char>(name[i + k])))
                n = 0;
        if (n == 0 || !Allowed(c)) {
            out += '_';
            ++i;
            continue;
        }
        if (out.size() + n > MaxStem) break;
        out.append(name, i, n);
        i += n;
    }
    const size_t start = out.find_first_not_of('.');
    out = start == std::string::npos ? std::string() : out.substr(start);
    while (!out.empty() && out.back() == '.')
        out.pop_back();
    return out.empty() ? "file" : out;
}

std::string TOutputNames::Take(const std::string& Folder, const std::string& Wanted,
                               const std::string& Ext) {
    const std::string prefix = Folder.empty() ? "" : Folder + "/";
    const std::string stem = SafeFileStem(Wanted);
    std::string path = prefix + stem + Ext;
    for (int n = 2; FTaken.count(CaseKey(path)); ++n)
        path = prefix + stem + "-" + std::to_string(n) + Ext;
    FTaken.insert(CaseKey(path));
    return path;
}

void TOutputNames::Reserve(const std::string& Path) {
    FTaken.insert(CaseKey(Path));
}

bool StaysInside(const std::string& RelativePath) {
    if (RelativePath.empty() || RelativePath[0] == '/' ||
        RelativePath.find('\\') != std::string::npos || RelativePath.find(':') != std::string::npos)
        return false;
    size_t start = 0;
    while (start <= RelativePath.size()) {
        const size_t end = RelativePath.find('/', start);
        const std::string part =
            RelativePath.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part == ".." || part == "." || part.empty()) return false;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

bool MakeFolders(const std::string& Dir) {
    if (Dir.empty()) return true;
    for (size_t at = 1; at <= Dir.size(); ++at) {
        if (at < Dir.size() && Dir[at] != '/') continue;
        const std::string part = Dir.substr(0, at);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return stat(Dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ReadFileBytes(const std::string& Path, std::string& Bytes) {
    constexpr std::streamoff MaxBytes = std::streamoff{256} << 20;
    if (!FileExists(Path)) return false;
    std::ifstream in(Path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 0 || size > MaxBytes) return false;
    in.seekg(0);
    Bytes.resize(static_cast<size_t>(size));
    return static_cast<bool>(in.read(Bytes.data(), size));
}
