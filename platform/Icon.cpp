#include "platform/Icon.h"

#include "platform/Canvas.h"

TIcon::TIcon() {
    // Icons always draw through their masks.
    TGraphic::SetTransparent(true);
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
