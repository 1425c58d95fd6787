#pragma once

#include "platform/base/Streams.h"

#include <QImage>
#include <vector>

// One image of an icon file: its pixels with alpha (the AND mask, or the
// image's own alpha channel) and its colour depth in bits.
struct TIconImage {
    QImage Image; // 32-bit ARGB, not premultiplied
    int BitCount = 0;
};

// Reads an icon file from the stream's position: the directory, then every
// image it lists, classic (a bitmap with its AND mask) or PNG-compressed.
// Consumes exactly up to the end of the last image. Images that cannot be
// decoded are left out; raises EInvalidGraphic when the file is not an icon
// or none of its images can be decoded.
std::vector<TIconImage> ReadIco(TStream& Stream);

// The image an icon shows: the largest, and of those the deepest.
size_t BestIconImage(const std::vector<TIconImage>& Images);
