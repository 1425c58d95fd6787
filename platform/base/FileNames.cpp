#include "platform/base/FileNames.h"

#include "platform/base/Cp1251.h"

#include <QString>
#include <cctype>
#include <climits>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> SplitComponents(const std::string& name) {
    std::vector<std::string> parts;
    std::string current;
    for (const char c : name) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The entry of dir whose name equals component without regard to case, or "".
std::string FindCaseInsensitive(const std::string& dir, const std::string& component) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    const QString wanted = QString::fromUtf8(component.data(), qsizetype(component.size()));
    std::string found;
    while (const dirent* entry = ::readdir(d)) {
        if (wanted.compare(QString::fromUtf8(entry->d_name), Qt::CaseInsensitive) == 0) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

bool HasDrive(const std::string& name) {
    return name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
}

} // namespace

std::string ResolvePath(const std::string& Utf8Name, const std::string& BaseDir) {
    std::string name = Utf8Name;
    bool absolute = !name.empty() && (name[0] == '/' || name[0] == '\\');
    if (HasDrive(name)) {
        name = name.substr(2);
        absolute = true;
    }
    const auto parts = SplitComponents(name);
    if (parts.empty()) return {};
    std::string path = absolute ? "/" : (BaseDir.empty() ? GetCurrentDir() : BaseDir);
    for (const auto& part : parts) {
        std::string next = JoinPath(path, part);
        if (!Exists(next)) {
            if (part == "." || part == "..") return {};
            const std::string match = FindCaseInsensitive(path, part);
            if (match.empty()) return {};
            next = JoinPath(path, match);
        }
        path = next;
    }
    return path;
}

std::string ResolveWindowsName(const AnsiString& Name, const std::string& BaseDir) {
    return ResolvePath(Cp1251ToUtf8(Name), BaseDir);
}

std::string WindowsNameToNative(const AnsiString& Name) {
    std::string native = Cp1251ToUtf8(Name);
    for (auto& c : native)
        if (c == '\\') c = '/';
    return native;
}

bool FileExists(const std::string& Path) {
    struct stat st {};
    return !Path.empty() && ::stat(Path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& Path) {
    struct stat st {};
    return !Path.empty() && ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ExtractFilePath(const std::string& Path) {
    const auto slash = Path.find_last_of('/');
    return slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& Path) {
    const auto slash = Path.find_last_of('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& Path) {
    const std::string name = ExtractFileName(Path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& Path, const std::string& Ext) {
    const std::string ext = ExtractFileExt(Path);
    return Path.substr(0, Path.size() - ext.size()) + Ext;
}

bool IsAbsolutePath(const std::string& Path) {
    return !Path.empty() && Path[0] == '/';
}

std::string JoinPath(const std::string& Dir, const std::string& Name) {
    if (Dir.empty()) return Name;
    if (Dir.back() == '/') return Dir + Name;
    return Dir + "/" + Name;
}

std::string GetCurrentDir() {
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer)) return ".";
    return buffer;
}

bool SetCurrentDir(const std::string& Dir) {
    return ::chdir(Dir.c_str()) == 0;
}

std::string ApplicationExeName() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::string(buffer, static_cast<size_t>(n));
}
