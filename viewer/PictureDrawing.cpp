#include "viewer/PictureDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

namespace PictureDrawing {

QImage Render(int Size, double GridSize, const std::function<void(QPainter&)>& Paint) {
    QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Size / GridSize, Size / GridSize);
    Paint(painter);
    return image;
}

QImage Flatten(const QImage& Image, const QColor& Key, const QColor& Backdrop) {
    const QImage source = Image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 100) {
                out[x] = Key.rgb();
                continue;
            }
            auto mix = [a](int c, int b) { return (c * a + b * (255 - a)) / 255; };
            out[x] = qRgb(mix(qRed(in[x]), Backdrop.red()), mix(qGreen(in[x]), Backdrop.green()),
                          mix(qBlue(in[x]), Backdrop.blue()));
        }
    }
    return result;
}

void Shade(QPainter& Painter, const QPainterPath& Shape, const QColor& Light, const QColor& Dark,
           const QColor& Edge) {
    const QRectF box = Shape.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, Light);
    gradient.setColorAt(1, Dark);
    QPen pen(Edge);
    pen.setCosmetic(true);
    pen.setWidthF(1);
    pen.setJoinStyle(Qt::RoundJoin);
    Painter.setPen(pen);
    Painter.setBrush(gradient);
    Painter.drawPath(Shape);
}

void ShadedDisc(QPainter& Painter, const QColor& Light, const QColor& Dark, const QColor& Edge) {
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 14.5, 14.5);
    Shade(Painter, disc, Light, Dark, Edge);
}

QPainterPath Stroke(const QPainterPath& Path, double Width) {
    QPainterPathStroker stroker;
    stroker.setWidth(Width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(Path).simplified();
}

QPainterPath Polyline(std::initializer_list<QPointF> Points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : Points) {
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> Points) {
    QPainterPath path = Polyline(Points);
    path.closeSubpath();
    return path;
}

} // namespace PictureDrawing
