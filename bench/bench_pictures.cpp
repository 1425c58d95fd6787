// A page of pictures through our pipeline against QTextDocument showing the
// same page with the same images as resources, decoding included on both
// sides:
//   BM_ShowPictures    a new page to a painted window (762 x 463): 40 in-line
//                      JPEG pictures of 640 x 480 shown at 76 x 57 (all in the window) over a
//                      tiled BMP background. Ours: the pictures answered
//                      from a pictures store in memory and decoded, layout,
//                      painting into the display list and replaying it into
//                      the window. Peer: the images decoded and added as
//                      resources, setHtml, layout and drawContents.
//   BM_RepaintPictures the window again at zoom +1 (one pixel more of font
//                      height): ours replays the display list stretched, the
//                      peer replays a recorded QPicture of the page scaled.
// The counter picture_mb is the memory the page's decoded pictures hold.
#include "BenchPair.h"
#include "hypertext/HyperText.h"
#include "platform/base/Streams.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/PainterCanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPicture>
#include <QTextDocument>
#include <QWidget>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 762;
constexpr int kHeight = 463;
constexpr int kPictures = 40;

// Distinct photographs of 640 x 480 (smooth gradients with fine detail, as a
// photo compresses), encoded as JPEG; and a 32 x 32 BMP tile.
struct TPictureFiles {
    std::map<std::string, QByteArray> Files;
    TPictureFiles() {
        for (int k = 0; k < kPictures; ++k) {
            QImage image(640, 480, QImage::Format_RGB32);
            for (int y = 0; y < 480; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < 640; ++x)
                    line[x] = qRgb((x + k * 7) & 255, (y * 2 + x / 3) & 255,
                                   ((x ^ y) * (k + 1) + (x * y >> 6)) & 255);
            }
            Files["p" + std::to_string(k) + ".jpg"] = Encode(image, "JPG");
        }
        QImage tile(32, 32, QImage::Format_RGB32);
        tile.fill(qRgb(240, 240, 255));
        for (int i = 0; i < 32; ++i)
            tile.setPixel(i, i, qRgb(200, 200, 240));
        Files["tile.bmp"] = Encode(tile, "BMP");
    }
    static QByteArray Encode(const QImage& Image, const char* Format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        Image.save(&buffer, Format, 85);
        return bytes;
    }
};

const TPictureFiles& Files() {
    static const TPictureFiles files;
    return files;
}

// The viewer's page view answering picture requests from one memory stream
// that holds every picture file, as the pictures store does.
struct TOurPage {
    QWidget parent;
    std::unique_ptr<THyperText> view;
    TMemoryStream store;
    std::map<std::string, int64_t> offsets;
    TStringList lines[2];
    int next = 0;

    TOurPage() {
        view = std::make_unique<THyperText>(&parent);
        view->DefaultStyle().Font()->SetName("Times new roman");
        view->DefaultStyle().Font()->SetSize(13);
        view->SetBoundsRect(Bounds(0, 0, kWidth, kHeight));
        for (const auto& [name, bytes] : Files().Files) {
            offsets[name] = store.Position();
            store.Write(bytes.constData(), bytes.size());
        }
        view->SetOnGraphicLoad(
            [this](THyperText*, TGraphic* graphic, const AnsiString& name, bool& processed, bool&) {
                auto found = offsets.find(name);
                if (found == offsets.end()) return;
                store.SetPosition(found->second);
                graphic->LoadFromStream(store);
                processed = true;
            });
        // Two texts that differ in one space: every page shown is a new one.
        for (int t = 0; t < 2; ++t) {
            AnsiString markup = "<macros=tiled_background>tile.bmp</macros>Pictures" +
                                std::string(t + 1, ' ') + "of the page:<p>";
            for (int k = 0; k < kPictures; ++k)
                markup += "<macros=picture>76;57;p" + std::to_string(k) + ".jpg</macros> ";
            lines[t].SetText(markup);
        }
    }
    void Load() { view->SetLines(lines[next++ % 2]); }
    void Paint(QImage& window, const TRect& dest) {
        view->RenderIfDirty();
        TPainterCanvas canvas(window);
        canvas.StretchDraw(dest, &view->Rendering());
    }
};

struct TPeerPage {
    QString html;
    QFont font;
    TPeerPage() : font("Times New Roman") {
        font.setPixelSize(17);
        html = "<body style=\"background-image: url(tile.bmp)\">Pictures of the page:<p>";
        for (int k = 0; k < kPictures; ++k)
            html += QString("<img src=\"p%1.jpg\" width=76 height=57> ").arg(k);
        html += "</p></body>";
    }
    std::unique_ptr<QTextDocument> Load() const {
        auto doc = std::make_unique<QTextDocument>();
        for (const auto& [name, bytes] : Files().Files) {
            QImage image;
            image.loadFromData(bytes);
            doc->addResource(QTextDocument::ImageResource, QUrl(QString::fromStdString(name)),
                             image);
        }
        doc->setDefaultFont(font);
        doc->setTextWidth(kWidth);
        doc->setHtml(html);
        doc->documentLayout()->documentSize();
        return doc;
    }
};

void BM_ShowPictures(benchmark::State& state) {
    TOurPage ours;
    TPeerPage peer;
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    TPair pair;
    for (auto _ : state) {
        pair.Ours([&] {
            ours.Load();
            window.fill(Qt::white);
            ours.Paint(window, Rect(0, 0, kWidth, kHeight));
        });
        pair.Peer([&] {
            auto doc = peer.Load();
            window.fill(Qt::white);
            QPainter painter(&window);
            doc->drawContents(&painter, QRectF(0, 0, kWidth, kHeight));
        });
    }
    pair.Report(state);
    // Decoded pictures are held as 32-bit pixels, once per page.
    const double bytes = kPictures * 640.0 * 480 * 4 + 32 * 32 * 4;
    state.counters["picture_mb"] = bytes / (1 << 20);
    state.counters["pictures"] = ours.view->PictureCount();
}

void BM_RepaintPictures(benchmark::State& state) {
    TOurPage ours;
    ours.Load();
    ours.view->RenderIfDirty();
    TPeerPage peer;
    auto doc = peer.Load();
    QPicture picture;
    {
        QPainter painter(&picture);
        doc->drawContents(&painter, QRectF(0, 0, kWidth, kHeight));
    }
    const double zoom = 18.0 / 17; // one pixel more of a 17-pixel font
    const TRect dest =
        Rect(0, 0, static_cast<int>(kWidth * zoom), static_cast<int>(kHeight * zoom));
    QImage window(dest.Width(), dest.Height(), QImage::Format_RGB32);
    TPair pair;
    for (auto _ : state) {
        pair.Ours([&] {
            window.fill(Qt::white);
            ours.Paint(window, dest);
        });
        pair.Peer([&] {
            window.fill(Qt::white);
            QPainter painter(&window);
            painter.scale(zoom, zoom);
            picture.play(&painter);
        });
    }
    pair.Report(state);
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::RegisterBenchmark("BM_ShowPictures", BM_ShowPictures)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_RepaintPictures", BM_RepaintPictures)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
