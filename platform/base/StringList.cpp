#include "platform/base/StringList.h"

#include "platform/base/AnsiText.h"
#include "platform/base/Streams.h"

#include <cstring>
#include <stdexcept>

std::vector<AnsiString> SplitLines(const char* Text, size_t Length) {
    const void* zero = std::memchr(Text, 0, Length);
    if (zero) Length = static_cast<const char*>(zero) - Text;
    std::vector<AnsiString> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < Length) {
        const char c = Text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(Text + start, i - start);
        i += (c == '\r' && i + 1 < Length && Text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < Length) lines.emplace_back(Text + start, Length - start);
    return lines;
}

void TStringList::CheckIndex(int Index, bool AllowEnd) const {
    const int limit = AllowEnd ? Count() : Count() - 1;
    if (Index < 0 || Index > limit)
        throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

const AnsiString& TStringList::Strings(int Index) const {
    CheckIndex(Index, false);
    return FLines[Index];
}

void TStringList::Put(int Index, const AnsiString& S) {
    CheckIndex(Index, false);
    FLines[Index] = S;
    Changed();
}

int TStringList::Add(const AnsiString& S) {
    FLines.push_back(S);
    Changed();
    return Count() - 1;
}

void TStringList::Insert(int Index, const AnsiString& S) {
    CheckIndex(Index, true);
    FLines.insert(FLines.begin() + Index, S);
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index, false);
    FLines.erase(FLines.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FLines.empty()) return;
    FLines.clear();
    Changed();
}

void TStringList::Assign(const TStringList& Source) {
    if (&Source == this) return;
    FLines = Source.FLines;
    Changed();
}

int TStringList::IndexOf(const AnsiString& S) const {
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(FLines[i], S)) return i;
    return -1;
}

AnsiString TStringList::Text() const {
    size_t total = 0;
    for (const auto& line : FLines)
        total += line.size() + 2;
    AnsiString text;
    text.reserve(total);
    for (const auto& line : FLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(const AnsiString& Value) {
    SetLines(SplitLines(Value.data(), Value.size()));
}

void TStringList::SetLines(std::vector<AnsiString>&& Lines) {
    FLines = std::move(Lines);
    Changed();
}

void TStringList::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, TFileMode::fmOpenRead);
    AnsiString text(static_cast<size_t>(file.Size()), '\0');
    file.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    SetText(text);
}

void TStringList::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        if (OnChange) OnChange(this);
    }
}

void TStringList::Changed() {
    if (FUpdateCount > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange) OnChange(this);
}
