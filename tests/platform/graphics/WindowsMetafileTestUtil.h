#pragma once

// Helpers of the metafile tests: loading fixtures, replaying them onto an
// image, and comparing renderings by similarity.

#include "platform/displaylist/Metafile.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/wmf/WindowsMetafile.h"
#include "support/TestFiles.h"

#include <QImage>
#include <cmath>
#include <string>
#include <vector>

namespace metafiletest {

inline std::string FixtureBytes(const std::string& Name) {
    return ReadFileBytes(FixturePath("pictures/" + Name));
}

inline void LoadBytes(const std::string& Bytes, TMetafile& Metafile) {
    TMemoryStream stream;
    stream.Write(Bytes.data(), int64_t(Bytes.size()));
    stream.SetPosition(0);
    Metafile.LoadFromStream(stream);
}

// The metafile replayed onto a white image of Width x Height.
inline QImage Render(const TMetafile& Metafile, int Width, int Height) {
    QImage image = TPainterCanvas::MakeImage(Width, Height);
    {
        TPainterCanvas canvas(image);
        Metafile.Draw(canvas, Rect(0, 0, Width, Height));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Separable Gaussian blur of the colour channels, as floats in 0..1.
inline std::vector<float> Blurred(const QImage& Image, double Sigma) {
    const int w = Image.width(), h = Image.height(), r = int(std::ceil(3 * Sigma));
    std::vector<double> kernel(size_t(2 * r + 1));
    double sum = 0;
    for (int i = -r; i <= r; ++i)
        sum += kernel[size_t(i + r)] = std::exp(-i * i / (2 * Sigma * Sigma));
    for (double& k : kernel)
        k /= sum;
    std::vector<float> in(size_t(w) * h * 3), tmp(in.size()), out(in.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = Image.pixel(x, y);
            const size_t i = (size_t(y) * w + x) * 3;
            in[i] = qRed(p) / 255.f;
            in[i + 1] = qGreen(p) / 255.f;
            in[i + 2] = qBlue(p) / 255.f;
        }
    auto pass = [&](const std::vector<float>& src, std::vector<float>& dst, bool horizontal) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 3; ++c) {
                    double acc = 0;
                    for (int k = -r; k <= r; ++k) {
                        const int sx = horizontal ? std::clamp(x + k, 0, w - 1) : x;
                        const int sy = horizontal ? y : std::clamp(y + k, 0, h - 1);
                        acc += kernel[size_t(k + r)] * src[(size_t(sy) * w + sx) * 3 + c];
                    }
                    dst[(size_t(y) * w + x) * 3 + c] = float(acc);
                }
    };
    pass(in, tmp, true);
    pass(tmp, out, false);
    return out;
}

// Root mean square difference of the channels (0 = equal, 1 = opposite),
// after a blur of Sigma pixels (none when 0).
inline double NormalisedRmse(const QImage& A, const QImage& B, double Sigma) {
    if (A.size() != B.size()) return 1;
    const std::vector<float> a = Blurred(A, Sigma > 0 ? Sigma : 0.01);
    const std::vector<float> b = Blurred(B, Sigma > 0 ? Sigma : 0.01);
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += double(a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum / double(a.size()));
}

} // namespace metafiletest
