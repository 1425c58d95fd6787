#include "hypertext/VectorPictureCompiler.h"

#include "common/ValueConversions.h"
#include "hypertext/VectorPictureKeywords.h"
#include "hypertext/VectorPictureLexer.h"
#include "hypertext/VectorPictureSignatures.h"

#include <cctype>

namespace vpic {

namespace {

struct TParameter {
    int32_t Value = 0;
    bool Omitted = false;
};

class TCompiler {
public:
    explicit TCompiler(std::vector<uint8_t>& Code) : FCode(Code) {}

    void Feed(unsigned char C);

private:
    void Clear();
    // Performs an action; false for an error.
    bool Act(TLexAction Action, TLexState Next, TCharClass Class, unsigned char C);
    bool IdentifyWord();
    // A word converted by the current command's own conversion; true when
    // the command has one (Result then tells whether it succeeded).
    bool ConvertWord(bool& Result);
    void AddParameter(int32_t Value, bool Omitted = false);
    void CompileStatement();
    void WriteInteger(int32_t Value);

    std::vector<uint8_t>& FCode;
    TLexState FState = lsBetween;
    int FCommand = -1;
    std::vector<TParameter> FParameters;
    AnsiString FToken;
    AnsiString FString;
    uint32_t FValue = 0;
    bool FMinus = false;
};

void TCompiler::Clear() {
    FCommand = -1;
    FParameters.clear();
    FToken.clear();
    FString.clear();
    FValue = 0;
    FMinus = false;
}

void TCompiler::Feed(unsigned char C) {
    const TCharClass cls = CharClass(C);
    if (FState == lsBetween || FState == lsError) Clear();
    const TTransition t = Transition(FState, cls);
    if (!Act(t.Action, t.Next, cls, C)) {
        // The statement is dropped; a ")" or ";" that failed ends it.
        FState = (cls == ccClose || cls == ccSemicolon) ? lsBetween : lsError;
        return;
    }
    const bool completes = (t.Action >= laWord && t.Action <= laNumber && t.Next != lsError) ||
                           (FState == lsAfterParameter && t.Next == lsBetween);
    if (cls == ccClose && completes) CompileStatement();
    FState = t.Next;
}

bool TCompiler::Act(TLexAction Action, TLexState Next, TCharClass Class, unsigned char C) {
    switch (Action) {
    case laNone:
        if (Next == lsString) FToken.clear();
        return true;
    case laAppend:
        if (FToken.size() >= kMaxToken) return false;
        FToken += static_cast<char>(C);
        return true;
    case laDigit: {
        const uint32_t base = Next == lsHexadecimal ? 16 : 10;
        const uint32_t digit = std::isdigit(C) ? C - '0' : (std::toupper(C) - 'A' + 10);
        FValue = FValue * base + digit;
        return true;
    }
    case laWord: {
        const bool ok = IdentifyWord();
        FToken.clear(); // the next word starts afresh
        return ok;
    }
    case laOmitted:
        if (Class == ccComma) AddParameter(0, true);
        return true;
    case laString:
        FString = FToken;
        return true;
    case laNumber:
        AddParameter(static_cast<int32_t>(FMinus ? 0u - FValue : FValue));
        FValue = 0;
        FMinus = false;
        return true;
    case laMinus:
        FMinus = true;
        return true;
    default:
        return true;
    }
}

bool TCompiler::ConvertWord(bool& Result) {
    bool ok = false;
    int32_t value = 0;
    if (kKeywords[FCommand].Value & cfColor) {
        value = myDefines::StrToColor(FToken, 0, ok);
    } else if (FCommand == vcFontCharset) {
        value = myDefines::StrToFontCharset(FToken, 0, ok);
    } else if (FCommand == vcFontPitch) {
        value = myDefines::LogPitchToPitch(myDefines::StrToFontPitch(FToken, 0, ok));
    } else if (FCommand == vcFontWeight) {
        value = myDefines::StrToFontWeight(FToken, 0, ok);
    } else if (FCommand == vcUnderlineLinks) {
        value = myDefines::StrToBool(FToken, false, ok) ? 1 : 0;
    } else {
        return false;
    }
    if (ok) AddParameter(value);
    Result = ok;
    return true;
}

bool TCompiler::IdentifyWord() {
    bool converted = false;
    if (FCommand >= 0 && ConvertWord(converted)) return converted;
    AnsiString upper = FToken;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const int table = FCommand >= 0 ? CommandTable(FCommand) : -1;
    const TTableRange range = table >= 0 ? TableRange(table) : TTableRange{0, kKeywordCount - 1};
    const int entry = FindKeyword(upper, range.First, range.Last);
    if (entry < 0) return false;
    if (IsCommand(entry)) {
        if (FCommand >= 0) return false;
        FCommand = entry;
        return true;
    }
    if (FCommand < 0) return false; // a value word in command position
    AddParameter(kKeywords[entry].Value);
    return true;
}

void TCompiler::AddParameter(int32_t Value, bool Omitted) {
    if (FParameters.size() < static_cast<size_t>(kMaxParameters))
        FParameters.push_back({Value, Omitted});
}

void TCompiler::WriteInteger(int32_t Value) {
    const auto v = static_cast<uint32_t>(Value);
    FCode.push_back(bcInteger);
    for (int shift = 0; shift < 32; shift += 8)
        FCode.push_back(static_cast<uint8_t>(v >> shift));
}

void TCompiler::CompileStatement() {
    if (FCommand < 0) return;
    const TVectorSignature& signature = Signature(FCommand);
    FCode.push_back(bcStatement);
    FCode.push_back(static_cast<uint8_t>(FCommand));
    size_t index = 0;
    for (const char* kind = signature.Kinds; *kind; ++kind, ++index) {
        if (*kind == pkString) {
            if (FString.empty()) {
                FCode.push_back(bcDefault);
            } else {
                FCode.push_back(bcString);
                FCode.push_back(static_cast<uint8_t>(FString.size()));
                FCode.insert(FCode.end(), FString.begin(), FString.end());
            }
        } else if (index >= FParameters.size() || FParameters[index].Omitted) {
            FCode.push_back(bcDefault);
        } else if (*kind == pkByte) {
            FCode.push_back(bcByte);
            FCode.push_back(static_cast<uint8_t>(FParameters[index].Value));
        } else {
            WriteInteger(FParameters[index].Value);
        }
    }
    if (signature.Group == kNoGroup) return;
    for (size_t group = index; group < FParameters.size(); group += signature.Group) {
        for (size_t i = group; i < group + signature.Group; ++i) {
            if (i < FParameters.size() && !FParameters[i].Omitted)
                WriteInteger(FParameters[i].Value);
            else
                FCode.push_back(bcDefault);
        }
    }
}

} // namespace

std::vector<uint8_t> CompileVectorPicture(const AnsiString& Text) {
    std::vector<uint8_t> code;
    TCompiler compiler(code);
    for (const char c : Text)
        compiler.Feed(static_cast<unsigned char>(c));
    code.push_back(bcEnd);
    return code;
}

} // namespace vpic
