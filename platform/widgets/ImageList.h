#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <vector>

// A list of equally sized pictures kept as opaque bitmaps in which one colour
// (BkColor, fuchsia unless told otherwise) stands for "transparent".
class TImageList {
public:
    TImageList(int Width, int Height, const QColor& BkColor);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    QColor BkColor() const { return FBkColor; }

    // Adds a picture (scaled to the list's size when it differs) and returns
    // its index. Double, when given at twice the list's size, is the same
    // picture drawn finer for screens of two device pixels per pixel.
    int Add(const QImage& Picture, const QImage& Double = {});
    // The stored bitmap, transparent colour included; a null image for a bad index.
    QImage Bitmap(int Index) const;
    // The picture with the transparent colour made see-through.
    QPixmap Pixmap(int Index) const;
    QIcon Icon(int Index) const;

private:
    int FWidth;
    int FHeight;
    QColor FBkColor;
    std::vector<QImage> FImages;
    std::vector<QImage> FDoubles; // null where there is none
};

// Turns every pixel of Key colour into a fully transparent one.
QImage MakeTransparent(const QImage& Picture, const QColor& Key);
