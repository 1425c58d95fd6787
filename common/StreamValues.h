#pragma once

#include "common/TextCoding.h"
#include "platform/base/Streams.h"
#include "platform/base/Types.h"

#include <bit>
#include <concepts>
#include <cstdint>
#include <string_view>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "stored values are read and written as little-endian memory images");

// Every stored value is read and written through these functions. They share
// a caller-owned failure flag: any short transfer, bad length, wrong coding
// kind or exception sets it; nothing clears it; each returns true exactly
// while it is clear, so a reader chains its reads and tests once.
namespace myDefines {

// Longest stored string in bytes (a coded string holds half as many characters).
constexpr int MaxStoredStringLength = 131071;

// Types stored as their plain memory image.
template <class T>
concept StoredValue =
    std::is_trivially_copyable_v<T> && !std::is_same_v<T, bool> && !std::is_pointer_v<T>;

bool LoadVar(bool& failed, TStream* stream, void* buffer, int count);
bool SaveVar(bool& failed, TStream* stream, const void* buffer, int count);

template <StoredValue T> bool LoadVar(bool& failed, TStream* stream, T& value) {
    return LoadVar(failed, stream, &value, static_cast<int>(sizeof(T)));
}
template <StoredValue T> bool SaveVar(bool& failed, TStream* stream, const T& value) {
    return SaveVar(failed, stream, &value, static_cast<int>(sizeof(T)));
}
// One byte; any non-zero byte reads as true, true is written as 1.
bool LoadVar(bool& failed, TStream* stream, bool& value);
bool SaveVar(bool& failed, TStream* stream, bool value);

bool LoadStr(bool& failed, TStream* stream, AnsiString& text);
AnsiString LoadStr(bool& failed, TStream* stream);
bool LoadStr(bool& failed, TStream* stream, AnsiString& text, bool coded);
AnsiString LoadStr(bool& failed, TStream* stream, bool coded);
// Reads a coded string as LoadStr(..., coded = true) does, but decodes it into
// a buffer of the calling thread instead of a string: Text views the decoded
// bytes until the next coded read on this thread. Text is left unchanged on
// failure. For readers that keep the text in another form (lines, say).
bool LoadCodedText(bool& failed, TStream* stream, std::string_view& text);

bool SaveStr(bool& failed, TStream* stream, const AnsiString& text);
bool SaveStr(bool& failed, TStream* stream, const AnsiString& text, bool coded, TCodingType kind,
             const unsigned char* key);

} // namespace myDefines
