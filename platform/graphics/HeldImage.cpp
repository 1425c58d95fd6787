#include "platform/graphics/HeldImage.h"

#include <QImage>

THeldImage::THeldImage() : FImage(std::make_unique<QImage>()) {}

THeldImage::THeldImage(const THeldImage& Other) : FImage(std::make_unique<QImage>(*Other)) {}

THeldImage& THeldImage::operator=(const THeldImage& Other) {
    *FImage = *Other;
    return *this;
}

THeldImage& THeldImage::operator=(const QImage& Image) {
    *FImage = Image;
    return *this;
}

THeldImage::~THeldImage() = default;
