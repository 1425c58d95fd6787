// Loads arbitrary bytes as a data file and, after a split point taken from the
// first byte pair, as its pictures file. Any input must load or fail cleanly,
// and a loaded book's pictures must sit in the store where the file has them.
#include "data/Data.h"
#include "tests/data/PicturesLayout.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string base = "/tmp/plb-fuzz-" + std::to_string(::getpid());
    size_t split = size;
    if (size >= 2) {
        split = 2 + (static_cast<size_t>(data[0]) << 8 | data[1]) % (size - 1);
        if (split > size) split = size;
    }
    WriteBytes(base + ".plb", data, split);
    WriteBytes(base + ".htp", data + split, size - split);
    THeadlessProgress progress;
    TPLBData book(&progress.Record);
    TPLBHTP pictures;
    if (book.LoadFromFile(base + ".plb", &pictures)) {
        const std::string htp(reinterpret_cast<const char*>(data) + split, size - split);
        if (FirstMisplacedPicture(pictures, htp) >= 0) __builtin_trap();
    } else if (!book.Items.empty()) {
        __builtin_trap(); // a failed load must leave the book cleared
    }
    return 0;
}
