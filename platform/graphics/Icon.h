#pragma once

#include "platform/graphics/Graphic.h"

#include <vector>

class QImage;
struct TIconImage;

// An icon read from an ICO file. It keeps every image of the file and draws
// the best one (the largest, then the deepest), always with its transparency.
class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    int Width() const override;
    int Height() const override;

    void Assign(const TIcon& Source);
    void LoadFromStream(TStream& Stream) override;
    void Draw(TCanvas& Canvas, const TRect& Dest) const override;

    // The drawn image (null while empty), 32-bit ARGB.
    const QImage& Image() const;
    size_t ImageCount() const;
    const QImage& ImageAt(size_t Index) const;
    int BitCountAt(size_t Index) const;
    size_t BestIndex() const { return FBest; }

private:
    std::vector<TIconImage> FImages;
    size_t FBest = 0;
};
