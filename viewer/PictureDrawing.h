#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <functional>

class QPainter;

// Helpers for the program's own pictures: each is drawn with antialiasing on
// a design grid of GridSize units and then scaled to the requested size.
namespace PictureDrawing {

// Draws Paint on a grid of GridSize units into a transparent Size x Size image.
QImage Render(int Size, double GridSize, const std::function<void(QPainter&)>& Paint);
// Turns an image with soft edges into an opaque bitmap on Key: faint pixels
// become Key, the others are blended over Backdrop.
QImage Flatten(const QImage& Image, const QColor& Key, const QColor& Backdrop);

// Fills Shape with a top-to-bottom gradient from Light to Dark and outlines
// it with a one-pixel line of Edge.
void Shade(QPainter& Painter, const QPainterPath& Shape, const QColor& Light, const QColor& Dark,
           const QColor& Edge);
// The round ground of a 32-unit dialog icon, shaded from Light to Dark.
void ShadedDisc(QPainter& Painter, const QColor& Light, const QColor& Dark, const QColor& Edge);
// The outline of a line Width units wide along Path, as a fillable shape.
QPainterPath Stroke(const QPainterPath& Path, double Width);
// An open path through Points, and the closed shape with those corners.
QPainterPath Polyline(std::initializer_list<QPointF> Points);
QPainterPath Polygon(std::initializer_list<QPointF> Points);

} // namespace PictureDrawing
