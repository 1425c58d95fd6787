// Windows metafiles made by other tools, replayed and compared with the
// references drawn by an independent renderer; sizes and exact stream
// consumption.
#include "WindowsMetafileTestUtil.h"

#include <gtest/gtest.h>

using namespace metafiletest;

namespace {

struct TFixture {
    const char* Name;
    int Width, Height; // the picture's size at 96 pixels per inch
};

const TFixture Fixtures[] = {
    {"wmf_libreoffice.wmf", 302, 227},
    {"emf_gdi.emf", 320, 240},
    {"emf_inkscape.emf", 321, 242},
};

} // namespace

TEST(WindowsMetafile, FixturesHaveTheirSizeAt96PixelsPerInch) {
    for (const TFixture& f : Fixtures) {
        SCOPED_TRACE(f.Name);
        TMetafile metafile;
        LoadBytes(FixtureBytes(f.Name), metafile);
        EXPECT_EQ(metafile.Width(), f.Width);
        EXPECT_EQ(metafile.Height(), f.Height);
        EXPECT_GT(metafile.RecordCount(), 20);
    }
}

// Two independent renderers of these files differ by a normalised RMSE of
// 0.03 to 0.04 after a blur of 1.5 pixels (the fixtures' manifest); this
// player's replay stays within 0.05 of the references. A blank page is at
// 0.29 to 0.30. The replay is saved as NAME-FAILED.png when it differs.
TEST(WindowsMetafile, FixturesLookLikeTheirReferences) {
    for (const TFixture& f : Fixtures) {
        SCOPED_TRACE(f.Name);
        TMetafile metafile;
        LoadBytes(FixtureBytes(f.Name), metafile);
        const QImage reference =
            QImage(
                QString::fromStdString(FixturePath(std::string("pictures/") + f.Name + ".ref.png")))
                .convertToFormat(QImage::Format_RGB32);
        const QImage image = Render(metafile, reference.width(), reference.height());
        const double difference = NormalisedRmse(image, reference, 1.5);
        EXPECT_LT(difference, 0.05);
        if (difference >= 0.05) image.save(QString(f.Name) + "-FAILED.png");
    }
}

TEST(WindowsMetafile, PlainWmfDrawsLikeItsPlaceableForm) {
    // Without its placeable header the LibreOffice file is sized by its
    // window (8000 x 6000 units, taken as pixels) and draws the same.
    const std::string plain = FixtureBytes("wmf_libreoffice.wmf").substr(22);
    TMetafile metafile;
    LoadBytes(plain, metafile);
    EXPECT_EQ(metafile.Width(), 8000);
    EXPECT_EQ(metafile.Height(), 6000);
    const QImage reference =
        QImage(QString::fromStdString(FixturePath("pictures/wmf_libreoffice.wmf.ref.png")))
            .convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(
        NormalisedRmse(Render(metafile, reference.width(), reference.height()), reference, 1.5),
        0.05);
}
