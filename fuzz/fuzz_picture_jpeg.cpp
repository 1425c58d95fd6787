// Reads arbitrary bytes as a .jpg picture and draws it; see FuzzPicture.h.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzpicture::ReadAndDraw("fuzz.jpg", data, size);
    return 0;
}
