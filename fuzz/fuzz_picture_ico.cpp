// Reads arbitrary bytes as a .ico picture and draws it; see FuzzPicture.h.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzpicture::ReadAndDraw("fuzz.ico", data, size);
    return 0;
}
