#pragma once

#include "platform/base/Types.h"

#include <string>
#include <vector>

// An ordered list of byte strings, one per line, that reports every change
// through OnChange (held back between BeginUpdate and EndUpdate).
class TStringList : public TObject {
public:
    int Count() const { return static_cast<int>(FLines.size()); }
    bool IsEmpty() const { return FLines.empty(); }
    // Raises std::out_of_range ("List index out of bounds") for a bad index.
    const AnsiString& Strings(int Index) const;
    const AnsiString& operator[](int Index) const { return Strings(Index); }
    void Put(int Index, const AnsiString& S);

    int Add(const AnsiString& S);
    void Insert(int Index, const AnsiString& S);
    void Delete(int Index);
    void Clear();
    void Assign(const TStringList& Source);
    // Case-insensitive (code page 1251) search; -1 when absent.
    int IndexOf(const AnsiString& S) const;

    // All lines, each followed by CR LF.
    AnsiString Text() const;
    // Replaces the lines by those of Value, split at CR, LF or CR LF; a final
    // line break adds no empty line; the text ends at its first zero byte.
    void SetText(const AnsiString& Value);
    // Reads a text file (native path) as lines; raises EFOpenError when it cannot be opened.
    void LoadFromFile(const std::string& FileName);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    const std::vector<AnsiString>& Lines() const { return FLines; }
    // Moves the lines in without copying them.
    void SetLines(std::vector<AnsiString>&& Lines);

    TNotifyEvent OnChange;

private:
    void Changed();
    void CheckIndex(int Index, bool AllowEnd) const;

    std::vector<AnsiString> FLines;
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
};

// Splits text into lines at CR, LF or CR LF, as TStringList::SetText does.
std::vector<AnsiString> SplitLines(const char* Text, size_t Length);
