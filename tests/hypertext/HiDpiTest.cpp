// A page drawn for a screen of device pixel ratio 2 is drawn anew at that
// resolution, not an enlarged picture of the page: its edges stand where the
// real-size page's stand, twice as far out, and they are sharper than the
// real-size page scaled up.
#include "LayoutTestPage.h"
#include "platform/base/Cp1251.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QImage Render(THyperText& View, qreal Ratio) {
    QWidget& widget = *View.Widget();
    QImage image(widget.size() * Ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(Ratio);
    image.fill(Qt::white);
    widget.render(&image);
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_Grayscale8);
}

int Gray(const QImage& Image, int X, int Y) {
    return Image.constScanLine(Y)[X];
}

// The places in row Y where the ink starts or ends (crossing the middle grey).
std::vector<int> Edges(const QImage& Image, int Y) {
    std::vector<int> edges;
    for (int x = 0; x + 1 < Image.width(); ++x)
        if ((Gray(Image, x, Y) < 128) != (Gray(Image, x + 1, Y) < 128)) edges.push_back(x);
    return edges;
}

// Pixels in a transition between paper and ink: the blur of the edges.
int Blurred(const QImage& Image) {
    int count = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            count += Gray(Image, x, y) > 48 && Gray(Image, x, y) < 208;
    return count;
}

} // namespace

TEST(HiDpi, APageAtRatioTwoIsDrawnAnewWithItsEdgesInPlace) {
    TLayoutPage page(400, 200);
    page.View().SetColor(clWhite);
    page.Show(Utf8ToCp1251("<size=18><b>Линзы</b></size><p>Линза — прозрачное тело, "
                           "ограниченное двумя сферическими поверхностями. <i>Собирающая</i> "
                           "линза толще в середине, чем у краёв.<p><u>Подчёркнуто</u> и "
                           "<s>зачёркнуто</s>."));
    const QImage real = Render(page.View(), 1);
    const QImage sharp = Render(page.View(), 2);
    ASSERT_EQ(sharp.size(), real.size() * 2);

    // Edge by edge: every edge of the real-size page has one at twice its
    // place in the sharp page (a pixel's leeway for the finer grid).
    int edges = 0, matched = 0;
    for (int y = 0; y < real.height(); ++y)
        for (const int x : Edges(real, y)) {
            ++edges;
            bool found = false;
            for (const int row : {2 * y, 2 * y + 1})
                for (const int e : Edges(sharp, row))
                    found = found || std::abs(e - (2 * x + 1)) <= 3;
            matched += found;
        }
    ASSERT_GT(edges, 500);
    EXPECT_GT(matched, edges * 85 / 100) << matched << " of " << edges;

    // Sharper than the real-size page enlarged: fewer half-tone pixels, and
    // not an enlargement of whole pixels (blocks of four alike).
    const QImage enlarged =
        real.scaled(real.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(Blurred(sharp) * 10, Blurred(enlarged) * 8)
        << Blurred(sharp) << " against " << Blurred(enlarged);
    int inked = 0, split = 0;
    for (int y = 0; y + 1 < sharp.height(); y += 2)
        for (int x = 0; x + 1 < sharp.width(); x += 2) {
            const int a = Gray(sharp, x, y), b = Gray(sharp, x + 1, y), c = Gray(sharp, x, y + 1),
                      d = Gray(sharp, x + 1, y + 1);
            if (std::min({a, b, c, d}) > 200) continue;
            ++inked;
            split += std::max({a, b, c, d}) - std::min({a, b, c, d}) > 64;
        }
    EXPECT_GT(split * 100, inked * 30) << split << " of " << inked;
}
