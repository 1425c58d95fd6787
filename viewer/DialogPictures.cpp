#include "viewer/DialogPictures.h"

#include "viewer/PictureDrawing.h"

#include <QPainter>

using namespace PictureDrawing;

QPixmap ErrorIcon() {
    return QPixmap::fromImage(Render(32, 32, [](QPainter& p) {
        ShadedDisc(p, QColor(255, 120, 105), QColor(190, 25, 15), QColor(110, 10, 5));
        QPainterPath cross;
        cross.moveTo(10.5, 10.5);
        cross.lineTo(21.5, 21.5);
        cross.moveTo(21.5, 10.5);
        cross.lineTo(10.5, 21.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(Stroke(cross, 4));
    }));
}

QPixmap OkPicture() {
    return QPixmap::fromImage(Render(19, 19, [](QPainter& p) {
        Shade(p, Stroke(Polyline({{3.5, 10}, {7.5, 14.5}, {15.5, 4}}), 3.2), QColor(120, 210, 110),
              QColor(35, 135, 50), QColor(20, 80, 30));
    }));
}
