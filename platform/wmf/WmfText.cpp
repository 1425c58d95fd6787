#include "platform/wmf/WmfText.h"

#include "platform/base/Cp1251.h"

#include <QString>

namespace {

constexpr uint8_t RUSSIAN_CHARSET = 204;

// Unicode images of code page 1252's bytes 0x80..0x9F; the rest is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

char16_t DecodeByte(uint8_t Byte, uint8_t CharSet) {
    if (CharSet == RUSSIAN_CHARSET) return static_cast<char16_t>(Cp1251ToUnicode(Byte));
    if (Byte >= 0x80 && Byte < 0xA0) return kCp1252High[Byte - 0x80];
    return Byte;
}

} // namespace

std::u16string DecodeAnsiText(const uint8_t* Bytes, size_t Count, uint8_t CharSet) {
    std::u16string Text;
    Text.reserve(Count);
    for (size_t i = 0; i < Count; ++i)
        Text += DecodeByte(Bytes[i], CharSet);
    return Text;
}

std::u16string DecodeUtf16Text(const uint8_t* Bytes, size_t Count) {
    std::u16string Text;
    Text.reserve(Count);
    for (size_t i = 0; i < Count; ++i)
        Text += static_cast<char16_t>(Bytes[2 * i] | Bytes[2 * i + 1] << 8);
    return Text;
}

std::string FaceNameFromUtf16(const uint8_t* Bytes, size_t MaxUnits) {
    std::u16string Name = DecodeUtf16Text(Bytes, MaxUnits);
    Name.resize(std::min(Name.size(), Name.find(u'\0')));
    return QString::fromStdU16String(Name).toStdString();
}

std::string FaceNameFromAnsi(const uint8_t* Bytes, size_t MaxBytes, uint8_t CharSet) {
    size_t Length = 0;
    while (Length < MaxBytes && Bytes[Length])
        ++Length;
    return QString::fromStdU16String(DecodeAnsiText(Bytes, Length, CharSet)).toStdString();
}
