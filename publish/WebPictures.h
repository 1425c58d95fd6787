#pragma once

#include "platform/base/Types.h"
#include "publish/OutputPaths.h"
#include "publish/WebManifest.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

class QImage;
class TGraphic;
class THyperMacros;
class TWorkQueue;

// The bytes of a picture the book names (from its pictures store, else from
// the book's folder); null when there is none.
using TPictureBytes = std::function<std::shared_ptr<const std::string>(const AnsiString& Name)>;

// The pictures of an edition, each written once however many pages show it:
// raster pictures (bitmaps, icons, JPEG) as PNG with their alpha, decoded
// and encoded on a second thread while the pages are written; Windows
// metafiles and vector pictures as SVG drawn from their display lists.
class TWebPictures {
public:
    TWebPictures(std::string OutDir, TOutputNames& Names, TPictureBytes Bytes);
    ~TWebPictures();
    TWebPictures(const TWebPictures&) = delete;
    TWebPictures& operator=(const TWebPictures&) = delete;

    // The edition-relative file of a picture object's picture; "" when it has
    // none.
    std::string PictureFile(const THyperMacros& Macros);
    // An SVG document of a vector picture or metafile graphic, with links
    // over it when Href gives addresses for its link numbers; images inside
    // it are written beside it. Hrefs in it are relative to "pictures/".
    std::string Svg(const TGraphic& Graphic, int Width, int Height, const THyperMacros* Links,
                    const std::function<std::string(int Id)>& Href);
    // Waits for the pictures still being written; false with Error when one
    // could not be written. Adds every written file to Resources.
    bool Finish(std::vector<TWebResource>& Resources, std::string& Error);

private:
    std::string WriteSvgFile(const std::string& Stem, const std::string& Document);
    std::string SaveImage(const QImage& Image);
    // Writes the picture Name (its Bytes) as the PNG Path on the second
    // thread; with Keyed, pixels of the colour Key become transparent.
    void PostPng(const AnsiString& Name, std::shared_ptr<const std::string> Bytes,
                 const std::string& Path, bool Keyed, TColor Key);
    void Failed(const std::string& Message);

    std::string FOutDir;
    TOutputNames& FNames;
    TPictureBytes FBytes;
    std::map<AnsiString, std::string> FWritten; // picture key -> file
    std::vector<TWebResource> FResources;
    std::mutex FLock; // guards FError
    std::string FError;
    std::unique_ptr<TWorkQueue> FQueue;
};

// Writes Graphic as PNG with its pixels of colour Key transparent, as a
// page shows a transparent picture object over its background; false when
// the file cannot be written.
bool SaveKeyedPng(const TGraphic& Graphic, TColor Key, const std::string& File);
// Bytes in base 64 (RFC 4648, with padding).
std::string Base64(const std::string& Bytes);
// Writes Text into the file Path; false when it cannot.
bool WriteTextFile(const std::string& Path, const std::string& Text);
