#pragma once

#include "platform/graphics/Canvas.h"

#include <QImage>
#include <QRect>

// Pixel helpers shared by the canvas tests.

// The RGB colour number of a pixel.
TColor PixelAt(const QImage& Image, int X, int Y);
// Bounding box of the pixels that differ from Background (empty when none).
QRect InkBounds(const QImage& Image, QRgb Background = 0xFFFFFFFF);
// How many pixels differ between two images of the same size.
int CountDifferences(const QImage& A, const QImage& B);
// Writes the image beside the test's output as name-FAILED.png for inspection.
void SaveFailure(const QImage& Image, const char* Name);
