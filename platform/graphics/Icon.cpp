#include "platform/graphics/Icon.h"

#include "platform/decoders/IcoDecoder.h"
#include "platform/graphics/Canvas.h"

#include <QImage>

TIcon::TIcon() {
    // Icons always draw through their masks.
    TGraphic::SetTransparent(true);
}

TIcon::~TIcon() = default;

int TIcon::Width() const {
    return Image().width();
}

int TIcon::Height() const {
    return Image().height();
}

size_t TIcon::ImageCount() const {
    return FImages.size();
}

const QImage& TIcon::ImageAt(size_t Index) const {
    return FImages.at(Index).Image;
}

int TIcon::BitCountAt(size_t Index) const {
    return FImages.at(Index).BitCount;
}

const QImage& TIcon::Image() const {
    static const QImage none;
    return FImages.empty() ? none : FImages[FBest].Image;
}

void TIcon::Assign(const TIcon& Source) {
    if (&Source == this) return;
    FImages = Source.FImages;
    FBest = Source.FBest;
    Changed();
}

void TIcon::LoadFromStream(TStream& Stream) {
    auto images = ReadIco(Stream);
    FBest = BestIconImage(images);
    FImages = std::move(images);
    Changed();
}

void TIcon::Draw(TCanvas& Canvas, const TRect& Dest) const {
    if (Empty()) return;
    Canvas.DrawImage(Dest, Image());
}
