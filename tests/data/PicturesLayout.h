#pragma once

#include "data/Pictures.h"

#include <cstdint>
#include <cstring>
#include <string>

// The pictures store holds the pictures file's image: every stored picture's
// bytes, from its offset up to the end position the file states just before
// it, sit in Data exactly where they sit in the file, and the store reads the
// same end. Returns the index of the first picture out of place, or -1.
inline int FirstMisplacedPicture(const TPLBHTP& Store, const std::string& File) {
    for (int i = 0; i < Store.Count(); ++i) {
        const int64_t start = Store.Offsets[static_cast<size_t>(i)];
        if (start < 4 || start > static_cast<int64_t>(File.size())) return i;
        int32_t end = 0;
        std::memcpy(&end, File.data() + start - 4, 4);
        if (end < start || end > static_cast<int64_t>(File.size()) || end > Store.Data->Size())
            return i;
        if (std::memcmp(Store.Data->Memory() + start, File.data() + start,
                        static_cast<size_t>(end - start)) != 0 ||
            Store.PictureEnd(i) != end)
            return i;
    }
    return -1;
}
