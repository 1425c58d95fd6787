#include "common/TextCoding.h"

#include "common/ChainedDecoding.h"

#include <exception>

namespace myDefines {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

} // namespace

int CodeParams(TCodingType Kind) {
    return Kind == TCodingType::ctChained ? 1 : 0;
}

bool CodeText(TCodingType Kind, AnsiString Plain, AnsiString& Coded, const unsigned char* Key) {
    if (Kind != TCodingType::ctChained) return true;
    try {
        const unsigned char k = Key ? *Key : 0;
        AnsiString out(Plain.size() * 2, '\0');
        unsigned char previous = k;
        for (size_t i = 0; i < Plain.size(); ++i) {
            const auto t = static_cast<unsigned char>(Plain[i]);
            const auto b = static_cast<unsigned char>(static_cast<unsigned char>(t - previous) ^ k);
            out[2 * i] = kHex[b >> 4];
            out[2 * i + 1] = kHex[b & 15];
            previous = t;
        }
        Coded = std::move(out);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void DecodeChained(const char* Coded, size_t Length, AnsiString& Plain, unsigned char Key) {
    const size_t n = Length / 2;
    Plain.resize(n);
    DecodeChainedPairs(Coded, n, Plain.data(), Key, Key);
}

bool DecodeText(TCodingType Kind, AnsiString Coded, AnsiString& Plain, const unsigned char* Key) {
    if (Kind != TCodingType::ctChained) return true;
    try {
        DecodeChained(Coded.data(), Coded.size(), Plain, Key ? *Key : 0);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

namespace {

template <class Fn> bool ForEachLine(const TStringList& Source, TStringList& Dest, Fn convert) {
    const std::vector<AnsiString> lines = Source.Lines(); // Source may be Dest
    Dest.BeginUpdate();
    Dest.Clear();
    bool ok = true;
    for (const auto& line : lines) {
        AnsiString out;
        if (!convert(line, out)) {
            ok = false;
            break;
        }
        Dest.Add(out);
    }
    Dest.EndUpdate();
    return ok;
}

} // namespace

bool CodeText(TCodingType Kind, const TStringList& Source, TStringList& Dest,
              const unsigned char* Key) {
    return ForEachLine(Source, Dest, [&](const AnsiString& in, AnsiString& out) {
        return CodeText(Kind, in, out, Key);
    });
}

bool DecodeText(TCodingType Kind, const TStringList& Source, TStringList& Dest,
                const unsigned char* Key) {
    return ForEachLine(Source, Dest, [&](const AnsiString& in, AnsiString& out) {
        return DecodeText(Kind, in, out, Key);
    });
}

} // namespace myDefines
