#include "viewer/ExitPictures.h"

#include "viewer/PictureDrawing.h"

#include <QFont>
#include <QPainter>

using namespace PictureDrawing;

QPixmap QuestionIcon() {
    return QPixmap::fromImage(Render(32, 32, [](QPainter& p) {
        ShadedDisc(p, QColor(120, 170, 255), QColor(25, 70, 190), QColor(10, 35, 110));
        QPainterPath hook;
        hook.moveTo(11.5, 12);
        hook.cubicTo(11.5, 6.5, 20.5, 6.5, 20.5, 11.5);
        hook.cubicTo(20.5, 15, 16, 15.5, 16, 19.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(Stroke(hook, 3.4));
        p.drawEllipse(QPointF(16, 24.5), 2.1, 2.1);
    }));
}

QPixmap NoPicture() {
    return QPixmap::fromImage(Render(19, 19, [](QPainter& p) {
        QPainterPath cross;
        cross.moveTo(4.5, 4.5);
        cross.lineTo(14.5, 14.5);
        cross.moveTo(14.5, 4.5);
        cross.lineTo(4.5, 14.5);
        Shade(p, Stroke(cross, 3.2), QColor(255, 125, 110), QColor(195, 30, 20),
              QColor(115, 15, 10));
    }));
}

QPixmap BookIcon(int Size) {
    return QPixmap::fromImage(Render(Size, 32, [](QPainter& p) {
        const QColor edge(60, 45, 30);
        Shade(p, Polygon({{2, 8}, {16, 10}, {16, 28}, {2, 26}}), QColor(255, 250, 235),
              QColor(225, 215, 190), edge);
        Shade(p, Polygon({{30, 8}, {16, 10}, {16, 28}, {30, 26}}), QColor(255, 250, 235),
              QColor(225, 215, 190), edge);
        Shade(p, Polygon({{16, 4}, {26, 2}, {26, 9}, {16, 10}}), QColor(110, 170, 255),
              QColor(30, 80, 190), QColor(15, 40, 110));
        p.setPen(QPen(QColor(120, 110, 95), 0.8));
        for (double y : {14.0, 17.0, 20.0, 23.0}) {
            p.drawLine(QPointF(4.5, y - 2.5), QPointF(13.5, y - 1.2));
            p.drawLine(QPointF(18.5, y - 1.2), QPointF(27.5, y - 2.5));
        }
    }));
}
