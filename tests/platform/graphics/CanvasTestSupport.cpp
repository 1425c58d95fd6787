#include "CanvasTestSupport.h"

#include "platform/graphics/QtConvert.h"

#include <QDir>

TColor PixelAt(const QImage& Image, int X, int Y) {
    return FromQColor(Image.pixelColor(X, Y));
}

QRect InkBounds(const QImage& Image, QRgb Background) {
    QRect box;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) != (Background & 0xFFFFFF))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

int CountDifferences(const QImage& A, const QImage& B) {
    if (A.size() != B.size()) return A.width() * A.height() + 1;
    int count = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x)
            if ((A.pixel(x, y) & 0xFFFFFF) != (B.pixel(x, y) & 0xFFFFFF)) ++count;
    return count;
}

void SaveFailure(const QImage& Image, const char* Name) {
    Image.save(QDir::temp().filePath(QString(Name) + "-FAILED.png"));
}
