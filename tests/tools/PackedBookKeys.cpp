#include "PackedBookKeys.h"

#include "common/StreamValues.h"

#include <cstdint>

using namespace myDefines;

namespace {

// Copies a packed file field by field, recoding its coded strings.
class TRecoder {
public:
    explicit TRecoder(const std::string& Bytes) {
        FIn.Write(Bytes.data(), static_cast<int64_t>(Bytes.size()));
        FIn.SetPosition(0);
    }

    void Plain() {
        AnsiString text;
        LoadStr(FFailed, &FIn, text);
        SaveStr(FFailed, &FOut, text);
    }
    AnsiString Coded() {
        AnsiString text;
        const unsigned char key = 0;
        LoadStr(FFailed, &FIn, text, true);
        SaveStr(FFailed, &FOut, text, true, TCodingType::ctChained, &key);
        return text;
    }
    // Copies Count bytes as they are.
    void Raw(int64_t Count) {
        if (FFailed || Count < 0 || Count > FIn.Size() - FIn.Position()) {
            FFailed = true;
            return;
        }
        std::string bytes(static_cast<size_t>(Count), '\0');
        LoadVar(FFailed, &FIn, bytes.data(), static_cast<int>(Count));
        SaveVar(FFailed, &FOut, bytes.data(), static_cast<int>(Count));
    }
    int32_t Int() {
        int32_t value = 0;
        LoadVar(FFailed, &FIn, value);
        SaveVar(FFailed, &FOut, value);
        return value;
    }
    int64_t Position() { return FIn.Position(); }
    bool Ok() const { return !FFailed; }
    // The copy with whatever follows the last field; empty after a failure.
    std::string Result() {
        Raw(FIn.Size() - FIn.Position());
        return FFailed ? std::string() : std::string(FOut.Memory(), FOut.Size());
    }

private:
    TMemoryStream FIn;
    TMemoryStream FOut;
    bool FFailed = false;
};

} // namespace

std::string DataFileWithKeyZero(const std::string& Bytes) {
    TRecoder file(Bytes);
    file.Plain(); // version
    file.Coded(); // title
    file.Int();   // start page
    file.Raw(6);  // settings
    const int32_t pages = file.Int();
    for (int32_t page = 0; page < pages && file.Ok(); ++page) {
        file.Raw(8); // number, sub-page
        file.Coded();
        file.Coded();
        file.Raw(16 + 2 * 20); // bounds, navigation points
        for (int prefixesAndLibrary = 0; prefixesAndLibrary < 4; ++prefixesAndLibrary)
            file.Coded();
        file.Raw(8); // colours
        const int32_t reactions = file.Int();
        for (int32_t reaction = 0; reaction < reactions && file.Ok(); ++reaction) {
            file.Raw(4 + 4 + 1); // link, target, navigation start
            file.Coded();
        }
        file.Coded(); // markup
    }
    return file.Result();
}

std::string PicturesFileWithKeyZero(const std::string& Bytes) {
    TRecoder file(Bytes);
    file.Plain(); // version
    while (!file.Coded().empty()) {
        const int32_t end = file.Int();
        file.Raw(end - file.Position());
    }
    return file.Result();
}
