#pragma once

#include "platform/base/Streams.h"
#include "platform/base/Types.h"

// The version record at the head of every data file: a file-kind name, a
// major and a minor number and an optional suffix, stored as one plain string
// "<Name><Major>.<Minor><Suffix>".
class TVersion {
public:
    TVersion() = default;
    TVersion(const AnsiString& Name, int Major, int Minor)
        : Name(Name), Major(Major), Minor(Minor) {}
    virtual ~TVersion() = default;

    AnsiString Name;
    int Major = 0;
    int Minor = 0;
    AnsiString Suffix;

    AnsiString Text() const;
    bool Save(TStream* stream) const;
    // Reads and parses a record. A record with a Name accepts only that name.
    bool Load(TStream* stream);
    bool SameAs(const TVersion& Other) const;
};

namespace myDefines {

// Parses the numbers at the end of Text ("...<major>.<minor>"); returns the
// length of the text before them. Raises EConvertError for a number too long.
int StrToVer(const AnsiString& Text, int& Major, int& Minor);
// Splits a whole version text into its four parts; false when a number is missing.
bool StrToVer(const AnsiString& Text, AnsiString& Name, int& Major, int& Minor, AnsiString& Suffix);

// Reads a record and copies it into Version; with Check, a record that differs
// in any field (names compared with letter case) sets the failure flag.
bool LoadVer(bool& failed, TStream* stream, TVersion& Version, bool Check);
bool SaveVer(bool& failed, TStream* stream, const TVersion& Version);

} // namespace myDefines
