#pragma once

#include <QImage>

class TImageList;

// The toolbar's pictures, drawn by the program itself, in the order of the
// toolbar's buttons: first, previous, bookmark, next, last, across, backward,
// forward, bookmark list, contents, zoom out, zoom in, hints, button size,
// information, exit.
constexpr int ToolbarPictureCount = 16;

// Picture Index at Size x Size pixels as an opaque bitmap whose background is
// the image lists' transparent colour (fuchsia); a null image for a bad index.
QImage ToolbarPicture(int Index, int Size);
// Adds all sixteen pictures at the list's size.
void AddToolbarPictures(TImageList& List);
