#include "viewer/ToolbarPictures.h"

#include "platform/widgets/ImageList.h"
#include "platform/widgets/WidgetPalette.h"
#include "viewer/PictureDrawing.h"

#include <QFont>
#include <QPainter>

using namespace PictureDrawing;

namespace {

// One palette for the whole set: each colour as light, dark and edge.
struct TTone {
    QColor Light, Dark, Edge;
};
const TTone Blue{QColor(120, 170, 240), QColor(30, 90, 190), QColor(15, 50, 115)};
const TTone Green{QColor(130, 210, 120), QColor(40, 140, 60), QColor(20, 85, 35)};
const TTone Red{QColor(250, 120, 110), QColor(200, 40, 35), QColor(120, 20, 15)};
const TTone Paper{QColor(255, 255, 255), QColor(225, 228, 235), QColor(90, 95, 110)};
const TTone Wood{QColor(215, 150, 90), QColor(150, 85, 40), QColor(85, 45, 15)};
const TTone Gold{QColor(255, 245, 170), QColor(245, 205, 70), QColor(140, 105, 10)};

void Shade(QPainter& p, const QPainterPath& shape, const TTone& tone) {
    PictureDrawing::Shade(p, shape, tone.Light, tone.Dark, tone.Edge);
}

// Draws Paint mirrored left to right (the forward twins of the backward pictures).
void Mirrored(QPainter& p, const std::function<void(QPainter&)>& Paint) {
    p.save();
    p.translate(16, 0);
    p.scale(-1, 1);
    Paint(p);
    p.restore();
}

// An arrow: a shaft Width units wide along Shaft that ends in the triangle Head.
void ShadeArrow(QPainter& p, const QPainterPath& Shaft, double Width,
                std::initializer_list<QPointF> Head, const TTone& Tone) {
    Shade(p, Stroke(Shaft, Width).united(Polygon(Head)).simplified(), Tone);
}

// A straight arrow at the grid's middle height, from X = From to its tip at X = Tip.
void ShadeRightArrow(QPainter& p, double From, double Tip, const TTone& Tone) {
    const double y = 8;
    const double base = Tip - 4.5;
    ShadeArrow(p, Polyline({{From, y}, {base + 0.5, y}}), 2.5,
               {{Tip, y}, {base, y - 4}, {base, y + 4}}, Tone);
}

QPainterPath LeftTriangle(double tip) {
    return Polygon({{tip, 8}, {tip + 8, 2.5}, {tip + 8, 13.5}});
}

void DrawFirst(QPainter& p) {
    QPainterPath bar;
    bar.addRect(QRectF(2.5, 2.5, 2.5, 11));
    Shade(p, bar, Blue);
    Shade(p, LeftTriangle(5.5), Blue);
}

void DrawPrev(QPainter& p) {
    Shade(p, LeftTriangle(3.5), Blue);
}

QPainterPath Ribbon(const QRectF& box) {
    const double notch = box.height() * 0.3;
    return Polygon({box.topLeft(),
                    box.topRight(),
                    box.bottomRight(),
                    {box.center().x(), box.bottom() - notch},
                    box.bottomLeft()});
}

void DrawMark(QPainter& p) {
    Shade(p, Ribbon(QRectF(4.5, 1.5, 7, 13)), Red);
}

void DrawAcross(QPainter& p) {
    QPainterPath left, right;
    left.addRect(QRectF(1.5, 2.5, 5, 11));
    right.addRect(QRectF(9.5, 2.5, 5, 11));
    Shade(p, left, Paper);
    Shade(p, right, Paper);
    ShadeRightArrow(p, 2.5, 15, Blue);
}

// A curved arrow turning back to the left: the picture of a step back.
void DrawBackward(QPainter& p) {
    QPainterPath line;
    line.moveTo(6, 5.5);
    line.lineTo(9.5, 5.5);
    line.arcTo(QRectF(5.5, 5.5, 8, 8), 90, -180);
    line.lineTo(5, 13.5);
    ShadeArrow(p, line, 2.6, {{1.5, 5.5}, {6.5, 1.5}, {6.5, 9.5}}, Green);
}

void DrawBookMarks(QPainter& p) {
    QPainterPath cover;
    cover.addRoundedRect(QRectF(2.5, 1.5, 10, 12), 1, 1);
    Shade(p, cover, Blue);
    QPainterPath pages;
    pages.addRect(QRectF(10.5, 2.5, 2, 10));
    Shade(p, pages, Paper);
    Shade(p, Ribbon(QRectF(6.5, 8.5, 3.5, 7)), Red);
}

void DrawContents(QPainter& p) {
    QPainterPath page;
    page.addRect(QRectF(2.5, 1.5, 11, 13));
    Shade(p, page, Paper);
    for (int row = 0; row < 4; ++row) {
        const double y = 4.5 + row * 2.75;
        p.setPen(Qt::NoPen);
        p.setBrush(Blue.Dark);
        p.drawEllipse(QPointF(5, y), 1, 1);
        p.setBrush(Paper.Edge);
        p.drawRect(QRectF(7, y - 0.5, row % 2 ? 4 : 5, 1));
    }
}

void DrawMagnifier(QPainter& p, bool plus) {
    Shade(p, Stroke(Polyline({{9.5, 9.5}, {14.5, 14.5}}), 3), Wood);
    QPainterPath glass;
    glass.addEllipse(QPointF(6.5, 6.5), 5, 5);
    PictureDrawing::Shade(p, glass, QColor(235, 245, 255), QColor(170, 205, 240), Blue.Edge);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue.Edge);
    p.drawRect(QRectF(4, 5.75, 5, 1.5));
    if (plus) p.drawRect(QRectF(5.75, 4, 1.5, 5));
}

void DrawZoomOut(QPainter& p) {
    DrawMagnifier(p, false);
}

void DrawZoomIn(QPainter& p) {
    DrawMagnifier(p, true);
}

void DrawHints(QPainter& p) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 1.5, 13, 10), 2.5, 2.5);
    bubble = bubble.united(Polygon({{4, 10}, {3.5, 14.5}, {8, 10}})).simplified();
    Shade(p, bubble, Gold);
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setBold(true);
    face.setPixelSize(9);
    QPainterPath mark;
    mark.addText(0, 0, face, QStringLiteral("?"));
    const QRectF box = mark.boundingRect();
    mark.translate(8 - box.center().x(), 6.5 - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(Gold.Edge);
    p.drawPath(mark);
}

void DrawButtonSize(QPainter& p) {
    QPainterPath big;
    big.addRect(QRectF(1.5, 1.5, 13, 13));
    PictureDrawing::Shade(p, big, QColor(255, 255, 255), QColor(230, 235, 245), Paper.Edge);
    QPainterPath small;
    small.addRect(QRectF(1.5, 8.5, 6, 6));
    Shade(p, small, Blue);
    ShadeArrow(p, Polyline({{8, 8}, {11.5, 4.5}}), 1.6, {{13.5, 2.5}, {13.5, 8}, {8, 2.5}}, Green);
}

void DrawInformation(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(QPointF(8, 8), 6.5, 6.5);
    Shade(p, disc, Blue);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.6), 1.25, 1.25);
    p.drawRect(QRectF(6.9, 6.6, 2.2, 6));
}

void DrawExit(QPainter& p) {
    QPainterPath frame;
    frame.addRect(QRectF(1.5, 1.5, 8, 13));
    Shade(p, frame, Paper);
    QPainterPath door = Polygon({{1.5, 1.5}, {6.5, 3}, {6.5, 15.5}, {1.5, 14.5}});
    Shade(p, door, Wood);
    ShadeRightArrow(p, 7.5, 15.5, Green);
}

using TPaint = void (*)(QPainter&);

const TPaint Painters[ToolbarPictureCount] = {
    DrawFirst,
    DrawPrev,
    DrawMark,
    [](QPainter& p) { Mirrored(p, DrawPrev); },
    [](QPainter& p) { Mirrored(p, DrawFirst); },
    DrawAcross,
    DrawBackward,
    [](QPainter& p) { Mirrored(p, DrawBackward); },
    DrawBookMarks,
    DrawContents,
    DrawZoomOut,
    DrawZoomIn,
    DrawHints,
    DrawButtonSize,
    DrawInformation,
    DrawExit,
};

} // namespace

QImage ToolbarPicture(int Index, int Size) {
    if (Index < 0 || Index >= ToolbarPictureCount || Size <= 0) return {};
    const QImage soft = Render(Size, 16, Painters[Index]);
    return Flatten(soft, WidgetPalette::Fuchsia(), WidgetPalette::BtnFace());
}

void AddToolbarPictures(TImageList& List) {
    for (int i = 0; i < ToolbarPictureCount; ++i)
        List.Add(ToolbarPicture(i, List.Width()), ToolbarPicture(i, 2 * List.Width()));
}
