#include "publish/WebPictures.h"

#include "hypertext/HyperLink.h"
#include "hypertext/HyperMacros.h"
#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/Streams.h"
#include "platform/base/WorkQueue.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "publish/SvgCanvas.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>

std::string Base64(const std::string& Bytes) {
    static const char* const digits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((Bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < Bytes.size(); i += 3) {
        const auto byte = [&](size_t k) {
            return k < Bytes.size() ? static_cast<uint32_t>(static_cast<unsigned char>(Bytes[k]))
                                    : 0u;
        };
        const uint32_t v = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        out += digits[v >> 18 & 63];
        out += digits[v >> 12 & 63];
        out += i + 1 < Bytes.size() ? digits[v >> 6 & 63] : '=';
        out += i + 2 < Bytes.size() ? digits[v & 63] : '=';
    }
    return out;
}

bool WriteTextFile(const std::string& Path, const std::string& Text) {
    std::FILE* file = std::fopen(Path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(Text.data(), 1, Text.size(), file) == Text.size();
    return std::fclose(file) == 0 && written;
}

TWebPictures::TWebPictures(std::string OutDir, TOutputNames& Names, TPictureBytes Bytes)
    : FOutDir(std::move(OutDir)), FNames(Names), FBytes(std::move(Bytes)),
      FQueue(std::make_unique<TWorkQueue>(1)) {}

TWebPictures::~TWebPictures() {
    FQueue.reset();
}

void TWebPictures::Failed(const std::string& Message) {
    std::lock_guard<std::mutex> lock(FLock);
    if (FError.empty()) FError = Message;
}

// Decoding and encoding on the second thread: the image classes are safe
// to use there, and the page view on the main thread goes on meanwhile.
void TWebPictures::PostPng(const AnsiString& Name, std::shared_ptr<const std::string> Bytes,
                           const std::string& Path) {
    const std::string file = FOutDir + "/" + Path;
    FQueue->Post([this, Name, Bytes = std::move(Bytes), file] {
        try {
            TMemoryStream stream;
            stream.Write(Bytes->data(), static_cast<int64_t>(Bytes->size()));
            stream.SetPosition(0);
            TPicture picture;
            picture.NewGraphicFor(Cp1251ToUtf8(Name)).LoadFromStream(stream);
            if (!picture.SaveToPngFile(file)) Failed("cannot write " + file);
        } catch (const std::exception&) {
            Failed("cannot read the picture " + Cp1251ToUtf8(Name));
        }
    });
}

// One file per source: a picture of the store or of the book's folder (the
// same bytes however its name is written), a vector picture per script.
std::string TWebPictures::PictureFile(const THyperMacros& Macros) {
    if (!Macros.Picture || !Macros.Picture->Graphic()) return "";
    const TGraphic& graphic = *Macros.Picture->Graphic();
    const bool vector = AnsiSameText(Macros.Name, "vector_picture");
    auto bytes = vector || !FBytes ? nullptr : FBytes(Macros.FileName);
    if (!vector && !bytes) return "";
    char source[32];
    std::snprintf(source, sizeof source, "%p", static_cast<const void*>(bytes.get()));
    const AnsiString key = vector ? "v:" + Macros.Body : AnsiString(source);
    if (const auto found = FWritten.find(key); found != FWritten.end()) return found->second;
    const std::string stem = vector ? "vector" : Cp1251ToUtf8(Macros.FileName);
    std::string path;
    if (dynamic_cast<const TMetafile*>(&graphic)) {
        path = WriteSvgFile(stem, Svg(graphic, graphic.Width(), graphic.Height(), nullptr, {}));
    } else {
        path = FNames.Take("pictures", stem, ".png");
        PostPng(Macros.FileName, std::move(bytes), path);
        FResources.push_back({path, "image/png"});
    }
    FWritten[key] = path;
    return path;
}

std::string TWebPictures::WriteSvgFile(const std::string& Stem, const std::string& Document) {
    const std::string path = FNames.Take("pictures", Stem, ".svg");
    if (!WriteTextFile(FOutDir + "/" + path, Document)) {
        Failed("cannot write " + FOutDir + "/" + path);
        return "";
    }
    FResources.push_back({path, "image/svg+xml"});
    return path;
}

// Images inside an SVG document go into it as data: a browser shows an SVG
// document used as a picture without loading anything it refers to.
std::string TWebPictures::SaveImage(const QImage& Image) {
    TPicture picture;
    picture.Bitmap().SetImage(Image);
    const std::string scratch = FOutDir + "/pictures/.image.png";
    std::string bytes;
    const bool saved = picture.SaveToPngFile(scratch);
    if (saved) {
        std::ifstream in(scratch, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::remove(scratch.c_str());
    if (!saved || bytes.empty()) {
        Failed("cannot write " + scratch);
        return "";
    }
    return "data:image/png;base64," + Base64(bytes);
}

std::string TWebPictures::Svg(const TGraphic& Graphic, int Width, int Height,
                              const THyperMacros* Links,
                              const std::function<std::string(int Id)>& Href) {
    TSvgCanvas canvas(Width, Height, [this](const QImage& Image) { return SaveImage(Image); });
    Graphic.Draw(canvas, Rect(0, 0, Width, Height));
    if (Links && Href)
        for (const THyperLink* link = Links->Links.get(); link; link = link->Next()) {
            const std::string href = Href(link->Id());
            if (href.empty()) continue;
            const std::string title = Cp1251ToUtf8(link->Hint());
            for (int32_t i = 0;
                 i < link->RectsInUse() && i < static_cast<int32_t>(link->Rects().size()); ++i)
                canvas.AddLink(link->Rects()[static_cast<size_t>(i)], href, title);
        }
    return canvas.Document();
}

bool TWebPictures::Finish(std::vector<TWebResource>& Resources, std::string& Error) {
    FQueue.reset(); // runs the jobs still queued
    FQueue = std::make_unique<TWorkQueue>(1);
    Resources.insert(Resources.end(), FResources.begin(), FResources.end());
    FResources.clear();
    std::lock_guard<std::mutex> lock(FLock);
    Error = FError;
    return FError.empty();
}
