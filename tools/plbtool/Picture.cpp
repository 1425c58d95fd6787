// plbtool picture: decodes one picture file as a page would and writes it as PNG.
#include "platform/graphics/Picture.h"
#include "BookArgs.h"

#include <exception>

int RunPicture(const TCommandArgs& Args) {
    std::string input, output;
    if (!ParseInputOutput(Args, input, output)) return 2;

    TPicture picture;
    try {
        picture.LoadFromFile(input);
    } catch (const std::exception& e) {
        return Fail(input + ": " + e.what());
    }
    if (picture.Width() <= 0 || picture.Height() <= 0) return Fail(input + ": empty picture");
    if (!picture.SaveToPngFile(output)) return Fail("cannot write " + output);
    return 0;
}
