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

TEST(WindowsMetafile, FixturesLookLikeTheirReferences) {
    for (const TFixture& f : Fixtures) {
        SCOPED_TRACE(f.Name);
        TMetafile metafile;
        LoadBytes(FixtureBytes(f.Name), metafile);
        const QImage reference(
            QString::fromStdString(FixturePath(std::string("pictures/") + f.Name + ".ref.png")));
        const QImage image = Render(metafile, reference.width(), reference.height());
        const double raw =
            NormalisedRmse(image, reference.convertToFormat(QImage::Format_RGB32), 0);
        const double blurred =
            NormalisedRmse(image, reference.convertToFormat(QImage::Format_RGB32), 1.5);
        std::printf("%s raw %.4f blurred %.4f\n", f.Name, raw, blurred);
        image.save(QString::fromStdString(std::string("/tmp/") + f.Name + ".png"));
        EXPECT_LT(blurred, 0.05);
    }
}
