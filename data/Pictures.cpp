#include "data/Pictures.h"

#include "platform/base/AnsiText.h"

#include <algorithm>
#include <cstring>
#include <exception>

TVersion TextbookFileVersion() {
    return TVersion("Dododa Dureraru Vara Riro, v.", 3, 1);
}

TVersion PicturesFileVersion() {
    return TVersion("HyperText Pictures Data File, v.", 1, 1);
}

int64_t TPLBHTP::FindPicture(const AnsiString& Name) const {
    const int index = IndexOfPicture(Name);
    return index < 0 ? 0 : Offsets[static_cast<size_t>(index)];
}

int TPLBHTP::IndexOfPicture(const AnsiString& Name) const {
    const size_t count = std::min(static_cast<size_t>(Names.Count()), Offsets.size());
    for (size_t i = 0; i < count; ++i)
        if (AnsiSameText(Names[static_cast<int>(i)], Name)) return static_cast<int>(i);
    return -1;
}

int TPLBHTP::Count() const {
    return Data ? static_cast<int>(std::min(static_cast<size_t>(Names.Count()), Offsets.size()))
                : 0;
}

int64_t TPLBHTP::PictureEnd(int Index) const {
    const int64_t start = Offsets.at(static_cast<size_t>(Index));
    int32_t end = 0;
    if (Data && start >= 4 && start <= Data->Size())
        std::memcpy(&end, Data->Memory() + start - 4, 4);
    return end;
}

void TPLBHTP::LoadPicture(const AnsiString& Name, const std::function<void(TStream&)>& Read,
                          bool& Processed, bool& Aborted) {
    if (Aborted) return;
    try {
        const int64_t position = FindPicture(Name);
        Processed = position > 0 && Data != nullptr;
        if (!Processed) return;
        Data->SetPosition(position);
        Read(*Data);
    } catch (const std::exception&) {
        Processed = false;
        Aborted = true;
    }
}
