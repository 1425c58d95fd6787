// Replays the inputs the picture fuzzers found (fuzz/regressions/pictures/):
// each is read through the class its extension picks, as a page's picture
// is, and drawn when accepted. None may crash, hang or raise anything but a
// picture or stream error; a file named "invalid-..." must be refused (a
// refused metafile leaves the stream where it was).
#include "platform/base/Streams.h"
#include "platform/decoders/InvalidGraphic.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/Picture.h"
#include "platform/wmf/WindowsMetafile.h"
#include "platform/wmf/WmfDib.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> RegressionInputs() {
    std::vector<fs::path> files;
    for (const auto& entry :
         fs::directory_iterator(fs::path(PLB_SOURCE_DIR) / "fuzz/regressions/pictures"))
        if (entry.is_regular_file() && entry.path().filename() != "README.md")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The bytes in a stream after a prefix, so that a reader that seeks back to
// the stream's start or past its own bytes shows up.
void FillAfterPrefix(TMemoryStream& Stream, const std::string& Bytes) {
    Stream.Write("prefix", 6);
    Stream.Write(Bytes.data(), int64_t(Bytes.size()));
    Stream.SetPosition(6);
}

void DrawAccepted(const TGraphic& Graphic) {
    QImage small = TPainterCanvas::MakeImage(64, 48);
    {
        TPainterCanvas canvas(small);
        canvas.StretchDraw(Rect(0, 0, 64, 48), &Graphic);
    }
    QImage natural = TPainterCanvas::MakeImage(std::clamp(Graphic.Width(), 1, 256),
                                               std::clamp(Graphic.Height(), 1, 256));
    TPainterCanvas canvas(natural);
    canvas.Draw(0, 0, &Graphic);
}

// Plays a metafile straight onto a raster canvas, the player's other path.
void PlayOntoImage(const std::string& Bytes) {
    TMemoryStream stream;
    FillAfterPrefix(stream, Bytes);
    QImage image;
    std::optional<TPainterCanvas> canvas;
    PlayWindowsMetafile(stream, [&](int Width, int Height) -> TCanvas& {
        image = TPainterCanvas::MakeImage(std::clamp(Width, 1, 256), std::clamp(Height, 1, 256));
        canvas.emplace(image);
        return *canvas;
    });
}

} // namespace

TEST(PictureFuzzRegression, EveryFindingReadsCleanly) {
    const std::vector<fs::path> files = RegressionInputs();
    ASSERT_FALSE(files.empty()) << "no regression inputs found";
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        SCOPED_TRACE(name);
        const std::string bytes = ReadFileBytes(file.string());
        TMemoryStream stream;
        FillAfterPrefix(stream, bytes);
        std::unique_ptr<TGraphic> graphic = TPicture::GraphicForFile(name);
        bool accepted = false;
        try {
            graphic->LoadFromStream(stream);
            accepted = true;
        } catch (const EInvalidGraphic&) {
        } catch (const EStreamError&) {
        }
        const bool metafile = name.ends_with(".wmf") || name.ends_with(".emf");
        if (name.starts_with("invalid-")) {
            EXPECT_FALSE(accepted);
        }
        if (!accepted && metafile) {
            EXPECT_EQ(stream.Position(), 6);
        }
        if (!accepted) continue;
        EXPECT_LE(stream.Position(), int64_t(6 + bytes.size()));
        DrawAccepted(*graphic);
        if (metafile) {
            EXPECT_NO_THROW(PlayOntoImage(bytes));
        }
    }
}

// Blit records carry 32-bit source rectangles; a bottom-up bitmap counts
// their rows from the bottom. Lying numbers must neither overflow nor turn
// into a rectangle that reaches into the picture.
TEST(PictureFuzzRegression, BlitSourceRectangles) {
    const QImage image(10, 8, QImage::Format_ARGB32);
    EXPECT_EQ(BlitSource(image, 1, 2, 3, 4, false), QRect(1, 2, 3, 4));
    EXPECT_EQ(BlitSource(image, 1, 2, 3, 4, true), QRect(1, 2, 3, 4));
    EXPECT_EQ(BlitSource(image, 0, 0, 10, 1, true), QRect(0, 7, 10, 1));
    EXPECT_EQ(BlitSource(image, 2, 1, 3, 2, true), QRect(2, 5, 3, 2));
    // Far past the picture in every direction: nothing of it is drawn.
    EXPECT_TRUE(BlitSource(image, 2037671285, 0, 1852401518, 4, false)
                    .normalized()
                    .intersected(image.rect())
                    .isEmpty());
    EXPECT_TRUE(BlitSource(image, 0, INT32_MAX, 4, INT32_MAX, true)
                    .normalized()
                    .intersected(image.rect())
                    .isEmpty());
    // A rectangle wider than any int still covers the whole picture.
    EXPECT_EQ(BlitSource(image, INT32_MIN, INT32_MIN, UINT32_MAX, UINT32_MAX, false)
                  .normalized()
                  .intersected(image.rect()),
              image.rect());
}
