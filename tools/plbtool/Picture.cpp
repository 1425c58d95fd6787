// plbtool picture: decodes one picture file as a page would and writes it as PNG.
#include "platform/Picture.h"
#include "Commands.h"

#include <exception>

int RunPicture(const TCommandArgs& Args) {
    const char* const usage = "plbtool picture FILE -o OUT.png";
    std::string input, output;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "-o") {
            if (i + 1 >= Args.size() || !output.empty()) return Usage(usage);
            output = Args[++i];
        } else if (input.empty() && !Args[i].starts_with("-")) {
            input = Args[i];
        } else {
            return Usage(usage);
        }
    }
    if (input.empty() || output.empty()) return Usage(usage);

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
