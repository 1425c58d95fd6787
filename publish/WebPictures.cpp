#include "publish/WebPictures.h"

#include "hypertext/HyperLink.h"
#include "hypertext/HyperMacros.h"
#include "platform/base/AnsiText.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/base/Streams.h"
#include "platform/base/WorkQueue.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "publish/SvgCanvas.h"

#include <cstdio>
#include <exception>

namespace {

void Put16(std::string& Out, uint32_t V) {
    Out += static_cast<char>(V & 0xFF);
    Out += static_cast<char>((V >> 8) & 0xFF);
}

void Put32(std::string& Out, uint32_t V) {
    Put16(Out, V & 0xFFFF);
    Put16(Out, V >> 16);
}

// A 32-bit bitmap file with an alpha channel, Width x Height, transparent.
// One pixel is kept just above invisible, as a bitmap whose alpha is zero
// everywhere is read as an opaque one.
std::string ClearBitmapFile(int Width, int Height) {
    const uint32_t image = static_cast<uint32_t>(Width) * static_cast<uint32_t>(Height) * 4;
    constexpr uint32_t headers = 14 + 108;
    std::string b = "BM";
    Put32(b, headers + image);
    Put32(b, 0);
    Put32(b, headers);
    Put32(b, 108); // a version 4 header: bit-field masks with alpha
    Put32(b, static_cast<uint32_t>(Width));
    Put32(b, static_cast<uint32_t>(Height));
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, 3); // bit fields
    Put32(b, image);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (const uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        Put32(b, mask);
    Put32(b, 0x73524742); // sRGB
    b.append(48, '\0');   // end points and gamma
    b.append(image, '\0');
    b[headers + 3] = 1;
    return b;
}

} // namespace

// The picture is composed on the key colour and drawn with that colour
// transparent onto a clear bitmap, as the page view draws it onto the page.
bool SaveKeyedPng(const TGraphic& Graphic, TColor Key, const std::string& File) {
    const int w = Graphic.Width(), h = Graphic.Height();
    if (w <= 0 || h <= 0) return false;
    auto target = std::make_unique<TBitmap>();
    TMemoryStream stream;
    const std::string clear = ClearBitmapFile(w, h);
    stream.Write(clear.data(), static_cast<int64_t>(clear.size()));
    stream.SetPosition(0);
    target->LoadFromStream(stream);
    TBitmap scratch;
    if (!scratch.SharePixelsOf(Graphic)) {
        scratch.SetSize(w, h);
        TCanvas& canvas = scratch.Canvas();
        canvas.Brush().SetColor(Key);
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(Rect(0, 0, w, h));
        canvas.Draw(0, 0, &Graphic);
    }
    scratch.SetTransparentColor(Key);
    scratch.SetTransparent(true);
    target->Canvas().Draw(0, 0, &scratch);
    TPicture picture;
    picture.SetGraphic(std::move(target));
    return picture.SaveToPngFile(File);
}

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
                           const std::string& Path, bool Keyed, TColor Key) {
    const std::string file = FOutDir + "/" + Path;
    FQueue->Post([this, Name, Bytes = std::move(Bytes), file, Keyed, Key] {
        try {
            TMemoryStream stream;
            stream.Write(Bytes->data(), static_cast<int64_t>(Bytes->size()));
            stream.SetPosition(0);
            TPicture picture;
            const TGraphic& graphic = picture.NewGraphicFor(Cp1251ToUtf8(Name));
            picture.Graphic()->LoadFromStream(stream);
            const bool saved =
                Keyed ? SaveKeyedPng(graphic, Key, file) : picture.SaveToPngFile(file);
            if (!saved) Failed("cannot write " + file);
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
    // A raster picture shown transparent is written apart, its background
    // colour made transparent; icons keep their own alpha.
    const bool keyed = !vector && Macros.Transparent && !dynamic_cast<const TMetafile*>(&graphic) &&
                       !dynamic_cast<const TIcon*>(&graphic);
    char source[48];
    std::snprintf(source, sizeof source, "%p:%d:%d", static_cast<const void*>(bytes.get()),
                  keyed ? 1 : 0, keyed ? static_cast<int>(Macros.BackColor) : 0);
    const AnsiString key = vector ? "v:" + Macros.Body : AnsiString(source);
    if (const auto found = FWritten.find(key); found != FWritten.end()) return found->second;
    const std::string stem = vector ? "vector" : Cp1251ToUtf8(Macros.FileName);
    std::string path;
    if (dynamic_cast<const TMetafile*>(&graphic)) {
        path = WriteSvgFile(stem, Svg(graphic, graphic.Width(), graphic.Height(), nullptr, {}));
    } else {
        path = FNames.Take("pictures", stem, ".png");
        PostPng(Macros.FileName, std::move(bytes), path, keyed, ColorToRGB(Macros.BackColor));
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
    std::string bytes;
    if (!picture.EncodePng(bytes) || bytes.empty()) {
        Failed("cannot encode a picture inside a drawing as PNG");
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
