#include "common/Version.h"

#include "common/StreamValues.h"
#include "platform/base/SysUtils.h"

#include <string>

namespace {

bool IsDigit(char c) {
    const auto s = static_cast<signed char>(c);
    return s >= '0' && s <= '9';
}

} // namespace

namespace myDefines {

int StrToVer(const AnsiString& Text, int& Major, int& Minor) {
    Major = -1;
    Minor = -1;
    int i = static_cast<int>(Text.size()); // 1-based position of the character looked at
    int count = 0;
    while (i > 0 && IsDigit(Text[i - 1])) {
        --i;
        ++count;
    }
    if (i > 0 && Text[i - 1] == '.') {
        Minor = count > 0 ? StrToInt(Text.substr(i, count)) : -1;
        const int dot = i;
        --i;
        count = 0;
        while (i > 0 && IsDigit(Text[i - 1])) {
            --i;
            ++count;
        }
        if (count == 0) {
            Major = Minor;
            Minor = 0;
            return dot;
        }
        Major = StrToInt(Text.substr(i, count));
        return i;
    }
    Major = count > 0 ? StrToInt(Text.substr(i, count)) : -1;
    return i;
}

bool StrToVer(const AnsiString& Text, AnsiString& Name, int& Major, int& Minor,
              AnsiString& Suffix) {
    Name.clear();
    Suffix.clear();
    Major = -1;
    Minor = -1;
    size_t end = Text.size();
    while (end > 0 && !IsDigit(Text[end - 1]))
        --end;
    Suffix = Text.substr(end);
    if (end == 0) {
        Name = Text;
        return true;
    }
    const int length = StrToVer(Text.substr(0, end), Major, Minor);
    const bool failed = Major < 0 || Minor < 0;
    if (!failed && length > 0) Name = Text.substr(0, length);
    return !failed;
}

bool LoadVer(bool& failed, TStream* stream, TVersion& Version, bool Check) {
    if (failed) return false;
    TVersion read;
    if (!read.Load(stream)) {
        failed = true;
        return false;
    }
    if (Check && !read.SameAs(Version)) failed = true;
    Version.Name = read.Name;
    Version.Major = read.Major;
    Version.Minor = read.Minor;
    Version.Suffix = read.Suffix;
    return !failed;
}

bool SaveVer(bool& failed, TStream* stream, const TVersion& Version) {
    if (!Version.Save(stream)) failed = true;
    return !failed;
}

} // namespace myDefines

AnsiString TVersion::Text() const {
    return Name + std::to_string(Major) + "." + std::to_string(Minor) + Suffix;
}

bool TVersion::Save(TStream* stream) const {
    bool failed = false;
    return myDefines::SaveStr(failed, stream, Text());
}

bool TVersion::Load(TStream* stream) {
    try {
        bool failed = false;
        const AnsiString text = myDefines::LoadStr(failed, stream);
        if (failed) return false;
        AnsiString name;
        if (!myDefines::StrToVer(text, name, Major, Minor, Suffix)) return false;
        if (!Name.empty() && Name != name) return false;
        if (Major < 0 || Minor < 0) return false;
        Name = name;
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

bool TVersion::SameAs(const TVersion& Other) const {
    return Name == Other.Name && Major == Other.Major && Minor == Other.Minor &&
           Suffix == Other.Suffix;
}
