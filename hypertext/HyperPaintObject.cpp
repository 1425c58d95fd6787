// Embedded objects: pictures in the line or over the text area, and the
// frame of a media clip.
#include "hypertext/HyperPainter.h"

#include "hypertext/HyperMacros.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"

void THyperPainter::DrawObject(const TRect& Area, THyperWord& Word, const TPlaced& P) {
    THyperMacros& macros = *Word.Macros;
    macros.Rect = Rect(P.X, P.Y, P.X + macros.Width, P.Y + macros.Height);
    if (macros.Kind == mkMedia) {
        // The frame the player's display is placed over.
        FCanvas.FillRect(macros.Rect);
        FControl.MediaPainted();
        return;
    }
    if (macros.Kind >= mkPicture && macros.Kind <= mkStretchedBackground && macros.Picture &&
        macros.Picture->Graphic() && !macros.Picture->Graphic()->Empty()) {
        DrawPicture(Area, macros, P);
    }
}

// The target: the text area (one pixel wider and higher) for tiled and
// stretched backgrounds, the object's size centred in it for a centred one,
// the object's place otherwise. Metafiles are drawn over the brush; icons
// with transparency through a scratch metafile of the target's scale; other
// pictures through a scratch bitmap on the object's back colour, which is
// also the transparent colour when the object is transparent.
void THyperPainter::DrawPicture(const TRect& Area, const THyperMacros& Macros, const TPlaced& P) {
    const TGraphic& graphic = *Macros.Picture->Graphic();
    const TRect bounds = Rect(0, 0, Macros.Width, Macros.Height);
    TRect dest;
    switch (Macros.Kind) {
    case mkTiledBackground:
    case mkStretchedBackground:
        dest = Rect(Area.Left, Area.Top, Area.Right + 1, Area.Bottom + 1);
        break;
    case mkCenteredBackground:
        dest = bounds.Offset((Area.Left + Area.Right - Macros.Width) >> 1,
                             (Area.Top + Area.Bottom - Macros.Height) >> 1);
        break;
    default:
        dest = bounds.Offset(P.X, P.Y);
    }
    if (dynamic_cast<const TMetafile*>(&graphic)) {
        FCanvas.FillRect(dest);
        FControl.DoDrawMacros(FCanvas, bounds, dest, graphic, Macros.Kind, true);
    } else if (dynamic_cast<const TIcon*>(&graphic) && Macros.Transparent) {
        TMetafile scratch;
        scratch.SetSize(graphic.Width(), graphic.Height());
        {
            TMetafileCanvas canvas(scratch);
            canvas.Draw(0, 0, &graphic);
        }
        if (graphic.Width() != dest.Width() || graphic.Height() != dest.Height())
            scratch.SetSize(scratch.Width() * dest.Width() / graphic.Width(),
                            scratch.Height() * dest.Height() / graphic.Height());
        FControl.DoDrawMacros(FCanvas, bounds, dest, scratch, Macros.Kind, false);
    } else {
        TBitmap scratch;
        // An opaque picture covers the back colour wholly: its own pixels
        // are the composition, shared rather than drawn.
        if (!scratch.SharePixelsOf(graphic)) {
            scratch.SetSize(graphic.Width(), graphic.Height());
            TCanvas& canvas = scratch.Canvas();
            canvas.Brush().SetColor(Macros.BackColor);
            canvas.Brush().SetStyle(bsSolid);
            canvas.FillRect(Rect(0, 0, graphic.Width(), graphic.Height()));
            canvas.Draw(0, 0, &graphic);
        }
        scratch.SetTransparentColor(Macros.BackColor);
        scratch.SetTransparent(Macros.Transparent);
        FControl.DoDrawMacros(FCanvas, bounds, dest, scratch, Macros.Kind, true);
    }
}

void THyperText::DoDrawMacros(TCanvas& Canvas, const TRect& Bounds, const TRect& Dest,
                              const TGraphic& Graphic, uint8_t Kind, bool Stretch) {
    const bool stretch =
        Stretch && (Graphic.Width() != Dest.Width() || Graphic.Height() != Dest.Height());
    const auto draw = [&](const TRect& cell) {
        if (stretch)
            Canvas.StretchDraw(cell, &Graphic);
        else
            Canvas.Draw(cell.Left, cell.Top, &Graphic);
    };
    if (Kind == mkPicture || Kind == mkCenteredBackground || Kind == mkStretchedBackground) {
        draw(Dest);
    } else if (Kind == mkTiledBackground && Bounds.Right > 0 && Bounds.Bottom > 0) {
        for (int y = Dest.Top; y < Dest.Bottom; y += Bounds.Bottom)
            for (int x = Dest.Left; x < Dest.Right; x += Bounds.Right)
                draw(Bounds.Offset(x, y));
    }
}
