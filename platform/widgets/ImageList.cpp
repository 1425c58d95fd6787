#include "platform/widgets/ImageList.h"

TImageList::TImageList(int Width, int Height, const QColor& BkColor)
    : FWidth(Width), FHeight(Height), FBkColor(BkColor) {}

int TImageList::Add(const QImage& Picture, const QImage& Double) {
    QImage image = Picture.convertToFormat(QImage::Format_RGB32);
    if (image.width() != FWidth || image.height() != FHeight)
        image = image.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    FImages.push_back(image);
    QImage twice;
    if (Double.width() == 2 * FWidth && Double.height() == 2 * FHeight)
        twice = Double.convertToFormat(QImage::Format_RGB32);
    FDoubles.push_back(twice);
    return Count() - 1;
}

QImage TImageList::Bitmap(int Index) const {
    if (Index < 0 || Index >= Count()) return {};
    return FImages[static_cast<size_t>(Index)];
}

QPixmap TImageList::Pixmap(int Index) const {
    if (Index < 0 || Index >= Count()) return {};
    return QPixmap::fromImage(MakeTransparent(FImages[static_cast<size_t>(Index)], FBkColor));
}

QIcon TImageList::Icon(int Index) const {
    const QPixmap pixmap = Pixmap(Index);
    if (pixmap.isNull()) return {};
    QIcon icon(pixmap);
    // Screens of more than one device pixel per pixel take the finer picture.
    const QImage& twice = FDoubles[static_cast<size_t>(Index)];
    if (!twice.isNull()) {
        QPixmap fine = QPixmap::fromImage(MakeTransparent(twice, FBkColor));
        fine.setDevicePixelRatio(2);
        icon.addPixmap(fine);
    }
    return icon;
}

QImage MakeTransparent(const QImage& Picture, const QColor& Key) {
    QImage image = Picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = Key.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == key) line[x] = 0;
    }
    return image;
}
