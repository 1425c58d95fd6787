#pragma once

#include "platform/base/Colors.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/HeldImage.h"

#include <memory>

class QImage;
class TCanvas;
class TPainterCanvas;

// Colour depth a bitmap was read with (informational: pixels are always held
// as 32-bit colours).
enum TPixelFormat : uint8_t {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit
};

// How the transparent colour is chosen: the bottom-left pixel's colour, or a
// colour set explicitly.
enum TTransparentMode : uint8_t { tmAuto, tmFixed };

// A raster picture read from BMP files, with a canvas to draw into it. A
// bitmap read with an alpha mask keeps its alpha and is drawn blended over
// what lies beneath it; all others are opaque. When Transparent is on, pixels
// of exactly the transparent colour are not drawn either.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override;
    int Height() const override;
    // Resizes, keeping the overlapping pixels as they are (alpha included);
    // new pixels are opaque white.
    void SetSize(int Width, int Height);
    void SetWidth(int Value) { SetSize(Value, Height()); }
    void SetHeight(int Value) { SetSize(Width(), Value); }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value) { FPixelFormat = Value; }

    // A canvas drawing into the pixels. It stays valid until the bitmap is
    // resized, loaded, assigned or destroyed. On a bitmap with alpha it
    // blends over the pixels as over any background: what it draws opaquely
    // becomes opaque, the pixels it leaves keep their alpha.
    TCanvas& Canvas();

    // tmAuto: the bottom-left pixel's colour, whatever its alpha (clDefault
    // while empty).
    TColor TransparentColor() const;
    // clDefault returns to tmAuto; any other colour fixes it.
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);
    void SetTransparent(bool Value) override;

    void Assign(const TBitmap& Source);
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;

    // The pixels: 32-bit ARGB (straight alpha) when the bitmap has alpha,
    // else opaque 32-bit RGB.
    const QImage& Image() const { return *FImage; }
    bool HasAlpha() const;
    // Takes the image's pixels, with its alpha when it has an alpha channel.
    void SetImage(const QImage& Image);
    // Takes the pixels of an opaque raster graphic (a JPEG image, or a bitmap
    // without alpha and transparency) without copying them; false, changing
    // nothing, for any other graphic.
    bool SharePixelsOf(const TGraphic& Graphic);

private:
    void ReleaseCanvas();
    // The image as drawn: transparent-colour pixels cleared when Transparent,
    // alpha kept.
    QImage DrawnImage() const;

    THeldImage FImage;
    THeldImage FScratch; // what the canvas of an empty bitmap paints on
    std::unique_ptr<TPainterCanvas> FCanvas;
    TPixelFormat FPixelFormat = pfDevice;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};
