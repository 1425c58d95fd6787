#pragma once

#include <memory>

class QImage;

// A QImage held by value behind a pointer, so that the headers of the graphic
// classes need no Qt header: the layers above see pictures, not Qt images.
class THeldImage {
public:
    THeldImage();
    THeldImage(const THeldImage& Other);
    THeldImage& operator=(const THeldImage& Other);
    THeldImage& operator=(const QImage& Image);
    ~THeldImage();

    QImage& operator*() { return *FImage; }
    const QImage& operator*() const { return *FImage; }
    QImage* operator->() { return FImage.get(); }
    const QImage* operator->() const { return FImage.get(); }

private:
    std::unique_ptr<QImage> FImage;
};
