// JPEG pictures decode away from the reader: their size is known at once,
// their pixels when first needed.
#include "platform/graphics/JPEGImage.h"
#include "PictureTestUtil.h"
#include "platform/decoders/JpegDecoder.h"
#include "platform/graphics/PainterCanvas.h"

#include <gtest/gtest.h>
#include <memory>

using namespace picturetest;

namespace {

std::string Fixture(const char* Name) {
    return ReadFileBytes(FixturePath(std::string("pictures/") + Name));
}

} // namespace

TEST(JpegImage, SizeAtOnceAndThePixelsOfASynchronousDecode) {
    for (const char* name : {"jpeg_baseline.jpg", "jpeg_progressive.jpg", "jpeg_gray.jpg"}) {
        SCOPED_TRACE(name);
        const std::string bytes = Fixture(name);
        TMemoryStream stream;
        FillStream(stream, bytes + "after");
        TJPEGImage jpeg;
        jpeg.LoadFromStream(stream);
        EXPECT_EQ(stream.Position(), int64_t(bytes.size())) << "exactly its bytes";
        EXPECT_EQ(jpeg.Width(), 160);
        EXPECT_EQ(jpeg.Height(), 120);
        stream.SetPosition(0);
        EXPECT_EQ(jpeg.Image(), ReadJpeg(stream));
        TJPEGImage copy;
        copy.Assign(jpeg);
        EXPECT_EQ(copy.Image(), jpeg.Image());
    }
}

TEST(JpegImage, BadHeadersFailTheLoadAndBadDataDrawsNothing) {
    const std::string good = Fixture("jpeg_baseline.jpg");
    TJPEGImage jpeg;
    TMemoryStream notJpeg;
    FillStream(notJpeg, "GIF89a");
    EXPECT_THROW(jpeg.LoadFromStream(notJpeg), EInvalidGraphic);
    std::string badTable = good;
    const size_t dqt = good.find("\xFF\xDB");
    badTable[dqt + 2] = 0;
    badTable[dqt + 3] = 2;
    TMemoryStream badHeader;
    FillStream(badHeader, badTable);
    EXPECT_THROW(jpeg.LoadFromStream(badHeader), EInvalidGraphic);
    // A scan whose progression is impossible passes the header check; the
    // picture then has no pixels and draws nothing.
    const std::string progressive = Fixture("jpeg_progressive.jpg");
    std::string badScan = progressive;
    const size_t sos = progressive.find("\xFF\xDA");
    badScan[sos + 2 + 2 + 1 + 2 * uint8_t(progressive[sos + 4]) + 2] = char(0xFF); // Ah/Al
    TMemoryStream damaged;
    FillStream(damaged, badScan);
    jpeg.LoadFromStream(damaged);
    QImage image = TPainterCanvas::MakeImage(20, 20);
    {
        TPainterCanvas canvas(image);
        jpeg.Draw(canvas, Rect(0, 0, 20, 20));
    }
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(JpegImage, APictureGoneBeforeItsDecodingDoesNoHarm) {
    const std::string bytes = Fixture("jpeg_baseline.jpg");
    for (int i = 0; i < 50; ++i) {
        TMemoryStream stream;
        FillStream(stream, bytes);
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromStream(stream);
    }
    TMemoryStream stream;
    FillStream(stream, bytes);
    TJPEGImage last;
    last.LoadFromStream(stream);
    EXPECT_EQ(last.Image().size(), QSize(160, 120));
}
