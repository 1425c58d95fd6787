#include "viewer/Settings.h"

#include "platform/base/FileNames.h"
#include "platform/base/StringList.h"

namespace {

std::string ResolveDataName(const AnsiString& Name, const std::string& ProgramDir) {
    std::string path = ResolveWindowsName(Name, ProgramDir);
    if (path.empty()) path = ResolvePath(Name, ProgramDir);
    if (!path.empty()) return path;
    const std::string native = WindowsNameToNative(Name);
    return IsAbsolutePath(native) ? native : JoinPath(ProgramDir, native);
}

} // namespace

std::string SettingsFileName(const std::string& ExeName) {
    return ChangeFileExt(ExeName, ".ini");
}

std::string DataFileName(const std::string& ProgramDir, const std::string& SettingsFile) {
    AnsiString name = "data\\TextBook.plb";
    if (FileExists(SettingsFile)) {
        TStringList settings;
        settings.LoadFromFile(SettingsFile);
        name = settings.Strings(0); // only the first line counts
    }
    return ResolveDataName(name, ProgramDir);
}
