#pragma once

#include "platform/graphics/Graphic.h"

#include <memory>
#include <string>

class TBitmap;
class TIcon;
class TMetafile;

// Holds one graphic, whose class follows the file it is read from.
class TPicture : public TObject {
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // An empty graphic of the class that reads FileName, chosen by its
    // extension without regard to letter case: ".jpg" a JPEG image, ".bmp" a
    // bitmap, ".ico" an icon, anything else a metafile.
    static std::unique_ptr<TGraphic> GraphicForFile(const std::string& FileName);

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> Value);
    // Replaces the graphic with an empty one of the class for FileName.
    TGraphic& NewGraphicFor(const std::string& FileName);

    // The graphic as a bitmap, icon or metafile; a graphic of another class
    // is first replaced by an empty one of the class asked for.
    TBitmap& Bitmap();
    TIcon& Icon();
    TMetafile& Metafile();

    // Reads the file (a native path) into a new graphic of the class for its
    // extension. Raises EInvalidGraphic or a stream error on failure, keeping
    // the previous graphic.
    void LoadFromFile(const std::string& FileName);

    // Writes the picture as a PNG file at its own size: raster pictures as
    // decoded (icons and bitmaps with alpha as RGBA), metafiles played onto
    // white. False when there is no picture or the file cannot be written.
    bool SaveToPngFile(const std::string& FileName) const;
    // The same PNG in memory: false when there is no picture.
    bool EncodePng(std::string& Bytes) const;

    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    TNotifyEvent OnChange;

private:
    template <class T> T& GraphicAs();
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};
