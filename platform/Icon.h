#pragma once

#include "platform/Graphic.h"
#include "platform/IcoReader.h"

#include <QImage>
#include <vector>

// An icon read from an ICO file. It keeps every image of the file and draws
// the best one (the largest, then the deepest), always with its transparency.
class TIcon : public TGraphic {
public:
    TIcon();

    int Width() const override { return Image().width(); }
    int Height() const override { return Image().height(); }

    void Assign(const TIcon& Source);
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;

    // The drawn image (null while empty), 32-bit ARGB.
    const QImage& Image() const;
    size_t ImageCount() const { return FImages.size(); }
    const QImage& ImageAt(size_t Index) const { return FImages.at(Index).Image; }
    int BitCountAt(size_t Index) const { return FImages.at(Index).BitCount; }
    size_t BestIndex() const { return FBest; }

private:
    std::vector<TIconImage> FImages;
    size_t FBest = 0;
};
