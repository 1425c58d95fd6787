// plbtool vector: compiles a vector picture script and prints its byte code,
// renders it to PNG, or lists the links one paint registers.
#include "Commands.h"
#include "MarkupInput.h"
#include "common/HexBytes.h"
#include "common/Json.h"
#include "hypertext/VectorPicture.h"
#include "platform/base/Cp1251.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Picture.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage =
    "plbtool vector --script FILE [--size WxH] (--bytecode | -o OUT.png | --links)";
constexpr int kMaxSide = 16384;

enum class TOutput { None, Bytecode, Png, Links };

struct TVectorArgs {
    std::string Script;
    std::string Png;
    int Width = 200;
    int Height = 100;
    TOutput Output = TOutput::None;
};

bool ParseSize(const std::string& Text, int& Width, int& Height) {
    int w = 0, h = 0, used = 0;
    if (std::sscanf(Text.c_str(), "%dx%d%n", &w, &h, &used) != 2) return false;
    if (static_cast<size_t>(used) != Text.size()) return false;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) return false;
    Width = w;
    Height = h;
    return true;
}

bool SetOutput(TVectorArgs& Args, TOutput Output) {
    if (Args.Output != TOutput::None) return false;
    Args.Output = Output;
    return true;
}

bool ParseArgs(const TCommandArgs& Args, TVectorArgs& Result) {
    for (size_t i = 0; i < Args.size(); ++i) {
        const std::string& a = Args[i];
        const bool hasValue = i + 1 < Args.size();
        if (a == "--script" && hasValue && Result.Script.empty()) {
            Result.Script = Args[++i];
        } else if (a == "--size" && hasValue) {
            if (!ParseSize(Args[++i], Result.Width, Result.Height)) return false;
        } else if (a == "--bytecode") {
            if (!SetOutput(Result, TOutput::Bytecode)) return false;
        } else if (a == "--links") {
            if (!SetOutput(Result, TOutput::Links)) return false;
        } else if (a == "-o" && hasValue) {
            if (!SetOutput(Result, TOutput::Png)) return false;
            Result.Png = Args[++i];
        } else {
            return false;
        }
    }
    return !Result.Script.empty() && Result.Output != TOutput::None;
}

std::string LinksJson(const THyperLink* Link) {
    std::string out = "[";
    for (const THyperLink* l = Link; l; l = l->Next()) {
        out += l == Link ? " " : ", ";
        out += "{\"id\": " + std::to_string(l->Id()) +
               ", \"hint\": " + JsonQuote(Cp1251ToUtf8(l->Hint())) + ", \"rects\": [";
        for (size_t i = 0; i < l->Rects().size(); ++i) {
            const TRect& r = l->Rects()[i];
            out += (i ? ", [" : "[") + std::to_string(r.Left) + ", " + std::to_string(r.Top) +
                   ", " + std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + "]";
        }
        out += "]}";
    }
    return out + (Link ? " ]" : "]");
}

} // namespace

int RunVector(const TCommandArgs& Args) {
    TVectorArgs args;
    if (!ParseArgs(Args, args)) return Usage(kUsage);
    AnsiString text;
    std::string error;
    if (!ReadMarkupFile(args.Script, text, error)) return Fail(error);

    // A picture standing alone: no parent, so the script is compiled here.
    TVectorPicture picture;
    picture.SetBoundsRect(Bounds(0, 0, args.Width, args.Height));
    picture.SetRealSize(args.Width, args.Height);
    picture.Lines().SetText(text);
    picture.Changed(&picture.Lines());
    if (args.Output == TOutput::Bytecode) {
        std::printf("%s\n", HexBytes(picture.Compiled()).c_str());
        return 0;
    }

    TPicture png;
    TMetafile& rendering = png.Metafile();
    rendering.SetSize(args.Width, args.Height);
    {
        TMetafileCanvas canvas(rendering);
        picture.PaintTo(canvas);
    }
    if (args.Output == TOutput::Links) {
        std::printf("%s\n", LinksJson(picture.Links()).c_str());
        return 0;
    }
    if (!png.SaveToPngFile(args.Png)) return Fail("cannot write " + args.Png);
    return 0;
}
