#include "common/StreamValues.h"

#include "common/ChainedDecoding.h"
#include "platform/base/Runtime.h"

#include <cstring>
#include <exception>
#include <memory>

namespace myDefines {

namespace {

// The string reader's buffer: the longest string plus its terminator. One per
// thread, reused, so reading a string touches no fresh memory.
char* StringBuffer() {
    thread_local std::unique_ptr<char[]> buffer(new char[MaxStoredStringLength + 1]);
    return buffer.get();
}

// Reads the length and the bytes of a string into the buffer (steps shared by
// the plain and the coded reader). Returns the length, or -1 after a bad length.
int ReadStringBytes(bool& failed, TStream* stream, char* buffer) {
    int length = 0;
    LoadVar(failed, stream, length);
    if (length < 0 || length > MaxStoredStringLength) {
        failed = true;
        return -1;
    }
    LoadVar(failed, stream, buffer, length);
    buffer[length] = '\0';
    return length;
}

} // namespace

bool LoadVar(bool& failed, TStream* stream, void* buffer, int count) {
    try {
        if (count < 0 || !stream) {
            failed = true;
        } else if (count > 0 && stream->Read(buffer, count) < count) {
            failed = true;
        }
    } catch (const std::exception&) {
        failed = true;
    }
    return !failed;
}

bool SaveVar(bool& failed, TStream* stream, const void* buffer, int count) {
    try {
        if (count < 0 || !stream) {
            failed = true;
        } else if (count > 0 && stream->Write(buffer, count) < count) {
            failed = true;
        }
    } catch (const std::exception&) {
        failed = true;
    }
    return !failed;
}

bool LoadVar(bool& failed, TStream* stream, bool& value) {
    unsigned char byte = value ? 1 : 0;
    LoadVar(failed, stream, &byte, 1);
    value = byte != 0;
    return !failed;
}

bool SaveVar(bool& failed, TStream* stream, bool value) {
    const unsigned char byte = value ? 1 : 0;
    return SaveVar(failed, stream, &byte, 1);
}

bool LoadStr(bool& failed, TStream* stream, AnsiString& text) {
    if (failed) return false;
    char* buffer = StringBuffer();
    ReadStringBytes(failed, stream, buffer);
    if (!failed) text.assign(buffer, std::strlen(buffer));
    return !failed;
}

AnsiString LoadStr(bool& failed, TStream* stream) {
    AnsiString text;
    LoadStr(failed, stream, text);
    return text;
}

namespace {

// Reads a coded string's kind, key, length and coded bytes into the string
// buffer (the steps before decoding). Returns how many coded bytes precede
// the first zero byte, or -1 after any failure.
int ReadCodedBytes(bool& failed, TStream* stream, unsigned char& key, const char*& coded) {
    TCodingType kind = TCodingType::ctChained;
    LoadVar(failed, stream, kind);
    if (kind != TCodingType::ctChained) failed = true;
    LoadVar(failed, stream, &key, CodeParams(kind));
    char* buffer = StringBuffer();
    const int length = ReadStringBytes(failed, stream, buffer);
    if (failed) return -1;
    coded = buffer;
    const void* zero = std::memchr(buffer, 0, static_cast<size_t>(length));
    return zero ? static_cast<int>(static_cast<const char*>(zero) - buffer) : length;
}

// Where decoded texts are handed out as views: the longest text a coded
// string can hold.
char* DecodedBuffer() {
    thread_local std::unique_ptr<char[]> buffer(new char[MaxStoredStringLength / 2 + 1]);
    return buffer.get();
}

} // namespace

bool LoadStr(bool& failed, TStream* stream, AnsiString& text, bool coded) {
    if (!coded) return LoadStr(failed, stream, text);
    if (failed) return false;
    unsigned char key = 0;
    const char* buffer = nullptr;
    const int length = ReadCodedBytes(failed, stream, key, buffer);
    if (length < 0) return false;
    try {
        DecodeChained(buffer, static_cast<size_t>(length), text, key);
    } catch (const std::exception&) {
        failed = true;
    }
    return !failed;
}

bool LoadCodedText(bool& failed, TStream* stream, std::string_view& text) {
    if (failed) return false;
    try {
        unsigned char key = 0;
        const char* buffer = nullptr;
        const int length = ReadCodedBytes(failed, stream, key, buffer);
        if (length < 0) return false;
        const size_t count = static_cast<size_t>(length) / 2;
        char* decoded = DecodedBuffer();
        DecodeChainedPairs(buffer, count, decoded, key, key);
        text = std::string_view(decoded, count);
    } catch (const std::exception&) {
        failed = true;
    }
    return !failed;
}

AnsiString LoadStr(bool& failed, TStream* stream, bool coded) {
    AnsiString text;
    LoadStr(failed, stream, text, coded);
    return text;
}

bool SaveStr(bool& failed, TStream* stream, const AnsiString& text) {
    if (failed) return false;
    if (text.size() > static_cast<size_t>(MaxStoredStringLength)) failed = true;
    const int length = static_cast<int>(text.size());
    SaveVar(failed, stream, length);
    SaveVar(failed, stream, text.data(), length);
    return !failed;
}

bool SaveStr(bool& failed, TStream* stream, const AnsiString& text, bool coded, TCodingType kind,
             const unsigned char* key) {
    if (!coded) return SaveStr(failed, stream, text);
    if (failed) return false;
    const bool known = kind == TCodingType::ctChained || kind == TCodingType::ctRandomKey;
    if (!known) failed = true;
    const TCodingType stored = known ? TCodingType::ctChained : kind;
    SaveVar(failed, stream, stored);
    unsigned char keyByte = 0;
    if (!failed) {
        const bool randomKey = kind == TCodingType::ctRandomKey || key == nullptr;
        keyByte = randomKey ? static_cast<unsigned char>(Random(256)) : key[0];
        SaveVar(failed, stream, &keyByte, CodeParams(TCodingType::ctChained));
    }
    AnsiString codedText = text;
    if (!failed && !CodeText(TCodingType::ctChained, text, codedText, &keyByte)) failed = true;
    // A string too long to read back sets the flag in the plain writer below.
    if (failed) return false;
    return SaveStr(failed, stream, codedText);
}

} // namespace myDefines
