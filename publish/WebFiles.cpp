#include "publish/WebFiles.h"

#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "publish/HtmlText.h"

#include <fstream>

namespace {

struct TMediaKind {
    const char* Ext;
    const char* Type;
};

constexpr TMediaKind MediaKinds[] = {
    {".wav", "audio/wav"},       {".mp3", "audio/mpeg"},      {".ogg", "audio/ogg"},
    {".oga", "audio/ogg"},       {".mid", "audio/midi"},      {".midi", "audio/midi"},
    {".aac", "audio/aac"},       {".m4a", "audio/mp4"},       {".flac", "audio/flac"},
    {".avi", "video/x-msvideo"}, {".mp4", "video/mp4"},       {".webm", "video/webm"},
    {".ogv", "video/ogg"},       {".mpg", "video/mpeg"},      {".mpeg", "video/mpeg"},
    {".wmv", "video/x-ms-wmv"},  {".mov", "video/quicktime"}, {".png", "image/png"},
    {".jpg", "image/jpeg"},      {".jpeg", "image/jpeg"},     {".gif", "image/gif"},
    {".bmp", "image/bmp"},       {".svg", "image/svg+xml"},   {".txt", "text/plain"},
    {".pdf", "application/pdf"}, {".htm", "text/html"},       {".html", "text/html"},
};

bool IsWebAddress(const AnsiString& Text) {
    const AnsiString lower = AnsiLowerCase(Text);
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0 ||
           lower.rfind("mailto:", 0) == 0;
}

} // namespace

std::string MediaTypeOf(const std::string& FileName) {
    const AnsiString ext = AnsiLowerCase(ExtractFileExt(FileName));
    for (const TMediaKind& kind : MediaKinds)
        if (ext == kind.Ext) return kind.Type;
    return "application/octet-stream";
}

TWebFiles::TWebFiles(std::string OutDir, TOutputNames& Names, std::string BookFolder)
    : FOutDir(std::move(OutDir)), FNames(Names), FBookFolder(std::move(BookFolder)) {}

std::string TWebFiles::BookFilePath(const AnsiString& Name) const {
    if (Name.empty()) return "";
    const std::string path = ResolveWindowsName(Name, FBookFolder);
    return !path.empty() && FileExists(path) ? path : "";
}

std::shared_ptr<const std::string> TWebFiles::BookFileBytes(const AnsiString& Name) const {
    const std::string path = BookFilePath(Name);
    if (path.empty()) return nullptr;
    auto bytes = std::make_shared<std::string>();
    if (!ReadFileBytes(path, *bytes)) return nullptr;
    return bytes;
}

std::string TWebFiles::Copy(const AnsiString& Name, const char* Folder) {
    if (Name.empty()) return "";
    const std::string source = ResolveWindowsName(Name, FBookFolder);
    if (source.empty() || !FileExists(source)) return "";
    if (const auto found = FCopies.find(source); found != FCopies.end()) return found->second;
    std::string bytes;
    if (!ReadFileBytes(source, bytes)) return "";
    const std::string file = ExtractFileName(source);
    const std::string ext = ExtractFileExt(file);
    const std::string path = FNames.Take(Folder, file.substr(0, file.size() - ext.size()),
                                         SafeFileStem("x" + ext).substr(1));
    if (!MakeFolders(FOutDir + "/" + Folder)) {
        FError = "cannot create the folder " + FOutDir + "/" + Folder;
        return "";
    }
    std::ofstream out(FOutDir + "/" + path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        if (FError.empty()) FError = "cannot write " + FOutDir + "/" + path;
        return "";
    }
    FResources.push_back({path, MediaTypeOf(path)});
    FCopies[source] = path;
    return path;
}

std::string TWebFiles::ShellFileHref(const AnsiString& ShellFile) {
    const AnsiString trimmed = ShellFile;
    if (IsWebAddress(trimmed)) return Cp1251ToUtf8(trimmed);
    const std::string path = Copy(trimmed, "files");
    return path.empty() ? std::string() : "../" + UrlPath(path);
}

std::string TWebFiles::MediaMarkup(const AnsiString& FileName, int Width, int Height) {
    const std::string path = Copy(FileName, "media");
    if (path.empty()) return "";
    const std::string type = MediaTypeOf(path);
    const std::string src = XmlEscape("../" + UrlPath(path));
    const std::string link = "<a href=\"" + src + "\">" + XmlText(FileName) + "</a>";
    if (type.rfind("video/", 0) == 0)
        return "<video controls=\"controls\" width=\"" + std::to_string(Width) + "\" height=\"" +
               std::to_string(Height) + "\"><source src=\"" + src + "\" type=\"" + type + "\"/>" +
               link + "</video>";
    return "<audio controls=\"controls\"><source src=\"" + src + "\" type=\"" + type + "\"/>" +
           link + "</audio>";
}

bool TWebFiles::Finish(std::vector<TWebResource>& Resources, std::string& Error) {
    Resources.insert(Resources.end(), FResources.begin(), FResources.end());
    FResources.clear();
    Error = FError;
    return FError.empty();
}
