// plbtool compile: the compiled records of a markup file, as hexadecimal bytes.
#include "Commands.h"
#include "MarkupInput.h"
#include "common/HexBytes.h"
#include "hypertext/MarkupCompiler.h"

#include <cstdio>
#include <string>

int RunCompile(const TCommandArgs& Args) {
    if (Args.size() != 2 || Args[0] != "--markup") return Usage("plbtool compile --markup FILE");
    AnsiString text;
    std::string error;
    if (!ReadMarkupFile(Args[1], text, error)) return Fail(error);
    const std::vector<uint8_t> records = CompileMarkup(text);
    std::printf("%s\n", HexBytes(records).c_str());
    return 0;
}
