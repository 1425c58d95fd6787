#pragma once

#include "common/StreamValues.h"
#include "data/Pictures.h"

#include <string>

// Builds the bytes of data and pictures files field by field, so that tests
// can write well-formed files and damage them precisely.
class TBookBytes {
public:
    TBookBytes& Int(int32_t v) { return Raw(std::string(reinterpret_cast<char*>(&v), 4)); }
    TBookBytes& Byte(uint8_t v) { return Raw(std::string(1, static_cast<char>(v))); }
    TBookBytes& Coded(const AnsiString& text) {
        bool failed = false;
        const unsigned char key = 0x6B;
        myDefines::SaveStr(failed, &FStream, text, true, TCodingType::ctChained, &key);
        return *this;
    }
    TBookBytes& Version(const TVersion& v) {
        bool failed = false;
        myDefines::SaveVer(failed, &FStream, v);
        return *this;
    }
    // A plain string: its length, then its bytes.
    TBookBytes& Plain(const std::string& text) {
        return Int(static_cast<int32_t>(text.size())).Raw(text);
    }
    TBookBytes& Raw(const std::string& bytes) {
        FStream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
        return *this;
    }
    // Header with the given page count; the six setting bytes follow the start page.
    TBookBytes& Header(int32_t pages, const AnsiString& title = "") {
        Version(TextbookFileVersion()).Coded(title).Int(0);
        return Byte(0).Byte(0).Byte(0).Byte(0).Byte(1).Byte(0).Int(pages);
    }
    // A page record with no reactions.
    TBookBytes& Page(int32_t number, const AnsiString& markup, int32_t reactions = 0) {
        Int(number).Int(0).Coded("T").Coded("S");
        for (int i = 0; i < 4 + 5 + 5; ++i)
            Int(i);
        Coded("").Coded("").Coded("").Coded("").Int(0xFFFFFF).Int(0).Int(reactions);
        for (int i = 0; i < reactions; ++i)
            Int(i + 1).Int(number + 1).Byte(2).Coded("");
        return Coded(markup);
    }
    // A pictures-file entry whose bytes follow its end position.
    TBookBytes& Picture(const AnsiString& name, const std::string& bytes) {
        return PictureNamed(TBookBytes().Coded(name).Bytes(), bytes);
    }
    // The same with the name's record given as bytes.
    TBookBytes& PictureNamed(const std::string& nameRecord, const std::string& bytes) {
        return PictureEndShifted(nameRecord, bytes, 0);
    }
    // An entry whose end position lies Shift bytes after its bytes' end
    // (before it when negative).
    TBookBytes& PictureEndShifted(const std::string& nameRecord, const std::string& bytes,
                                  int32_t shift) {
        Raw(nameRecord);
        Int(static_cast<int32_t>(FStream.Size() + 4 + int64_t(bytes.size()) + shift));
        return Raw(bytes);
    }

    std::string Bytes() { return std::string(FStream.Memory(), FStream.Size()); }

private:
    TMemoryStream FStream;
};
