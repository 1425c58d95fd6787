#include "common/Memory.h"

#include <cstring>

namespace myDefines {

void MemCopy(void* Dest, const void* Source, int Count) {
    if (Count <= 0 || Dest == Source) return;
    std::memmove(Dest, Source, static_cast<size_t>(Count));
}

void SetMem(void* Buffer, unsigned char Value, int Count) {
    if (Count <= 0) return;
    std::memset(Buffer, Value, static_cast<size_t>(Count));
}

} // namespace myDefines
