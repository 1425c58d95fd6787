#include "hypertext/MarkupCompiler.h"

#include "common/ValueConversions.h"
#include "hypertext/MarkupKeywords.h"
#include "hypertext/MarkupLexer.h"
#include "platform/base/Colors.h"

namespace {

using namespace markup;

constexpr size_t kMaxWord = 255;
constexpr size_t kMaxRun = 65535;

class TCompiler {
public:
    std::vector<uint8_t> Out;

    void Feed(unsigned char c);
    void Finish() { CloseRun(); }

private:
    void ForgetTag();
    void TextChar(unsigned char c, TCharClass cls);
    void CloseRun();
    bool Collect(unsigned char c);
    TLexState Action(TLexState action, TLexState old);
    bool ConvertWordValue();
    void Complete(TLexState form);
    void Put(uint8_t b) { Out.push_back(b); }
    void PutInt(uint32_t v) {
        for (int i = 0; i < 4; ++i)
            Put(static_cast<uint8_t>(v >> (8 * i)));
    }

    TLexState state = lsText;
    TLexState stateBefore = lsText;
    AnsiString word;
    bool collecting = false;
    uint32_t accumulator = 0;
    bool percent = false;
    int tagKeyword = -1;
    int valueKeyword = -1;
    bool closing = false;

    long runHeader = -1; // position of the open run's header, -1 when none
    size_t runLength = 0;
    TCharClass previousClass = ccSpace;
    bool pendingSpace = false;
};

void TCompiler::ForgetTag() {
    word.clear();
    collecting = false;
    accumulator = 0;
    percent = false;
    tagKeyword = valueKeyword = -1;
    closing = false;
}

void TCompiler::CloseRun() {
    if (runHeader < 0) return;
    if (runLength == 0) Out.resize(static_cast<size_t>(runHeader)); // an empty run leaves nothing
    runHeader = -1;
}

void TCompiler::TextChar(unsigned char c, TCharClass cls) {
    if (runHeader >= 0 && runLength >= kMaxRun) return; // the excess of a long run is lost
    if (runHeader < 0) {
        runHeader = static_cast<long>(Out.size());
        Put(rtText);
        Put(0);
        Put(0);
        runLength = 0;
        previousClass = ccSpace;
    }
    if (cls == ccSpace && previousClass == ccSpace) {
        if (runLength == 0) pendingSpace = true;
        return;
    }
    const auto store = [&](unsigned char ch) {
        Put(ch);
        ++runLength;
    };
    if (previousClass == ccSpace && runLength == 0 && pendingSpace && runLength < kMaxRun - 1)
        store(' ');
    store(c);
    Out[runHeader + 1] = static_cast<uint8_t>(runLength >> 8);
    Out[runHeader + 2] = static_cast<uint8_t>(runLength);
    previousClass = cls;
    pendingSpace = false;
    if (cls == ccSpace) CloseRun();
}

// Appends a character to the word being collected; false when the word is full.
bool TCompiler::Collect(unsigned char c) {
    if (word.size() >= kMaxWord) return false;
    word += static_cast<char>(c);
    collecting = true;
    return true;
}

void TCompiler::Feed(unsigned char c) {
    const TCharClass cls = CharClass(c);
    // Plain text outside tags, the bulk of a page, goes straight to its run
    // (no tag state is pending there).
    if (state == lsText && cls != ccOpen) {
        TextChar(c, cls);
        return;
    }
    const TLexState old = state;
    TLexState next = NextState(old, cls);
    bool asLetter = false;
    if (old != lsBadTag && next == lsBadTag && HasKind(tagKeyword, kfText)) {
        asLetter = true; // a text value holds any character but < > %
        next = old;
    }
    if (next == lsText || next == lsAfterOpen || next == lsBadTag) ForgetTag();

    if ((old == lsText && next == lsText) || old == lsAfterOpen) {
        if (old == lsAfterOpen && c != '<')
            CloseRun();
        else
            TextChar(c, cls);
    }
    if (old == lsAfterOpen && cls == ccSlash) closing = true;

    if (cls == ccSpace && old != lsText && next > lsBadTag) {
        if (collecting && HasKind(tagKeyword, kfText)) {
            next = old;
            if (word.back() != ' ' && !Collect(' ')) next = lsBadTag;
        } else if (next == lsAfterValue && old != lsAfterValue) {
            stateBefore = old;
        }
    }
    if (next == lsHexNumber && (cls == ccDigit || cls == ccHex))
        accumulator = accumulator * 16 + (cls == ccDigit ? c - '0' : (c | 0x20) - 'a' + 10);
    else if (next == lsDecimal && cls == ccDigit)
        accumulator = accumulator * 10 + (c - '0');

    // Letters and digits of keywords and word values (not those of numbers).
    const bool wordChar = cls == ccHex || cls == ccLetter || cls == ccOther || asLetter ||
                          (cls == ccDigit && collecting);
    const bool number = next == lsHexNumber || next == lsDecimal || next == lsAfterHash;
    if (wordChar && next > lsBadTag && !number && !Collect(c)) next = lsBadTag;
    if (cls == ccPercent && next == lsAfterValue) {
        percent = true;
        stateBefore = old;
    }
    if (next < 0) next = Action(next, old);
    if (next == lsBadTag && old != lsBadTag) ForgetTag();
    state = next;
}

bool TCompiler::ConvertWordValue() {
    bool ok = false;
    int value = 0;
    switch (tagKeyword) {
    case kwBackground:
    case kwColor:
    case kwLinkColor:
        value = myDefines::StrToColor(word, clNone, ok);
        break;
    case kwCharset:
        value = myDefines::StrToFontCharset(word, 1, ok);
        break;
    case kwFontWeight:
        value = myDefines::StrToFontWeight(word, 0, ok);
        break;
    case kwPitch:
        value =
            static_cast<int>(myDefines::LogPitchToPitch(myDefines::StrToFontPitch(word, 0, ok)));
        break;
    default:
        return false;
    }
    if (!ok) return false;
    accumulator = static_cast<uint32_t>(value);
    percent = false;
    return true;
}

TLexState TCompiler::Action(TLexState action, TLexState old) {
    const TLexState form = old == lsAfterValue ? stateBefore : old;
    bool converted = false;
    if (action == laTagComplete && form == lsWordValue) converted = ConvertWordValue();
    if (!converted && collecting) {
        const int found = FindKeyword(word);
        if (found >= 0) (tagKeyword < 0 ? tagKeyword : valueKeyword) = found;
    }
    TLexState next = lsText;
    if (action == laValueFollows) {
        next = tagKeyword < 0 ? lsBadTag : lsAfterEquals;
    } else if (tagKeyword >= 0) {
        Complete(converted ? lsHexNumber : form);
    }
    const bool keepTag = next == lsAfterEquals;
    const int keptKeyword = tagKeyword;
    const bool keptClosing = closing;
    ForgetTag();
    if (keepTag) {
        tagKeyword = keptKeyword;
        closing = keptClosing;
    }
    return next;
}

void TCompiler::Complete(TLexState form) {
    const int x = tagKeyword;
    if (closing || form == lsKeyword || form == lsAfterKeyword) {
        if (!closing && HasKind(x, kfSwitch)) {
            Put(rtSet);
            Put(static_cast<uint8_t>(x));
        } else if (closing && HasKind(x, kfSwitch | kfKeyword | kfNumber)) {
            Put(rtReset);
            Put(static_cast<uint8_t>(x));
        }
        return;
    }
    if (form == lsWordValue) {
        if (!HasKind(x, kfKeyword) || valueKeyword == kwUsed) return;
        const int v = valueKeyword;
        const bool fits = (x == kwAlign && HasKind(v, kfAlignment)) ||
                          (x == kwLayout && HasKind(v, kfLayout)) ||
                          (x == kwStyle && HasKind(v, kfStyle)) || v == kwDefault;
        if (fits) {
            Put(v == kwDefault ? rtReset : rtSet);
            Put(static_cast<uint8_t>(x));
            if (v != kwDefault) Put(static_cast<uint8_t>(v));
        } else if (HasKind(x, kfText)) {
            Put(rtSet);
            Put(static_cast<uint8_t>(x));
            Put(static_cast<uint8_t>(word.size()));
            Out.insert(Out.end(), word.begin(), word.end());
        }
        return;
    }
    if ((form == lsHexNumber || form == lsDecimal || form == lsAfterNumber) &&
        HasKind(x, kfNumber)) {
        Put(percent ? rtPercentage : rtNumber);
        Put(static_cast<uint8_t>(x));
        PutInt(accumulator);
    }
}

} // namespace

std::vector<uint8_t> CompileMarkup(const AnsiString& Text) {
    TCompiler compiler;
    compiler.Out.reserve(Text.size() + Text.size() / 4 + 16);
    for (const char c : Text)
        compiler.Feed(static_cast<unsigned char>(c));
    compiler.Finish();
    return std::move(compiler.Out);
}
