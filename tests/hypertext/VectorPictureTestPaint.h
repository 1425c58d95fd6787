#pragma once

#include "hypertext/VectorPicture.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/PainterCanvas.h"

#include <QImage>
#include <string>

// Compiles a script into a picture (which needs no parent for this) and
// paints it once into a display list of the picture's real size.
inline void CompileInto(TVectorPicture& Picture, const AnsiString& Script, int Width = 200,
                        int Height = 100) {
    Picture.SetRealSize(Width, Height);
    Picture.Lines().SetText(Script);
    Picture.Changed(&Picture.Lines());
}

inline TMetafile Record(TVectorPicture& Picture) {
    TMetafile rendering;
    rendering.SetSize(Picture.RealWidth(), Picture.RealHeight());
    TMetafileCanvas canvas(rendering);
    Picture.PaintTo(canvas);
    return rendering;
}

// The picture as drawn on white.
inline QImage Render(TVectorPicture& Picture) {
    const TMetafile rendering = Record(Picture);
    QImage image = TPainterCanvas::MakeImage(rendering.Width(), rendering.Height());
    {
        TPainterCanvas canvas(image);
        rendering.Play(canvas);
    }
    return image;
}

inline QImage Render(const AnsiString& Script, int Width = 200, int Height = 100) {
    TVectorPicture picture;
    CompileInto(picture, Script, Width, Height);
    return Render(picture);
}

inline TColor Pixel(const QImage& Image, int X, int Y) {
    const QRgb p = Image.pixel(X, Y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// The bounding box of the pixels that are not white; empty when none.
inline TRect InkBounds(const QImage& Image) {
    TRect r{Image.width(), Image.height(), 0, 0};
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Pixel(Image, x, y) != clWhite) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r.IsEmpty() ? TRect{} : r;
}
