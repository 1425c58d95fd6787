// A page through our pipeline against QTextDocument, the rich-text engine a
// Qt developer would pick, on the same content (bench/data: markup and HTML).
//
// Each benchmark runs both sides alternately in every iteration (the machine
// is noisy: compare the ratio, reported as the counter "ratio" = ours / peer):
//   BM_Layout   compile + interpret + layout  vs  setHtml + layout
//   BM_Show     a new page to a painted window (762 x 463): layout, painting
//               into the display list and replaying it into the window  vs
//               setHtml + layout + drawContents into the window
//   BM_Repaint  one window-sized area of the whole page at zoom 1.1 from the
//               display list  vs  replaying a recorded QPicture of the page
//   BM_NewFont  the first text in a font never used before: its font entry
//               and one line's words measured  vs  QFontMetrics of a new font
//               measuring the same words (every iteration a size neither side
//               has used: ours even pixel sizes, the peer's odd ones)
// Our side starts every iteration with nothing measured ("cold"), as a page
// shown for the first time would; with --warm it keeps its measured words.
#include "BenchPair.h"
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/FontCache.h"
#include "platform/graphics/PainterCanvas.h"
#include "platform/graphics/QtConvert.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QTextDocument>
#include <QWidget>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 762;
constexpr int kHeight = 463;
constexpr double kZoom = 18.0 / 17 + 0.04; // about 1.1

const char* const kPages[] = {"page-en-300", "page-en-8000", "page-ru-8000"};

std::string ReadData(const std::string& name) {
    QFile file(QString::fromStdString(std::string(PLB_BENCH_DATA) + "/" + name));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", name.c_str());
        std::exit(1);
    }
    return file.readAll().toStdString();
}

// The viewer's page view.
struct TOurPage {
    QWidget parent;
    std::unique_ptr<THyperText> view;
    TStringList lines;

    explicit TOurPage(const std::string& page) {
        view = std::make_unique<THyperText>(&parent);
        view->IndexStyleObject().SetHeight(70);
        view->DefaultStyle().Font()->SetName("Times new roman");
        view->DefaultStyle().Font()->SetSize(13);
        view->DefaultStyle().SetAlignment(haPage);
        view->SetTabSize(5);
        view->SetBoundsRect(Bounds(0, 0, kWidth, kHeight));
        lines.SetText(ReadData(page + ".tag"));
    }
    void Load() {
        if (!warm) {
            view->Measure().Clear();
            ClearTextWidthCaches();
        }
        view->SetLines(lines);
    }
    static inline bool warm = false;
    void Paint(QImage& window, const TRect& dest) {
        view->RenderIfDirty();
        TPainterCanvas canvas(window);
        canvas.StretchDraw(dest, &view->Rendering());
    }
};

struct TPeerPage {
    QString html;
    QFont font;

    explicit TPeerPage(const std::string& page)
        : html(QString::fromStdString(ReadData(page + ".html"))), font("Times New Roman") {
        font.setPixelSize(17);
    }
    std::unique_ptr<QTextDocument> Load() const {
        auto doc = std::make_unique<QTextDocument>();
        doc->setDefaultFont(font);
        doc->setTextWidth(kWidth);
        doc->setHtml(html);
        doc->documentLayout()->documentSize();
        return doc;
    }
};

void BM_Layout(benchmark::State& state, const char* page) {
    TOurPage ours(page);
    TPeerPage peer(page);
    TPair pair;
    for (auto _ : state) {
        pair.Ours([&] { ours.Load(); });
        pair.Peer([&] { benchmark::DoNotOptimize(peer.Load()); });
    }
    pair.Report(state);
    state.counters["lines"] = static_cast<double>(ours.view->TextLines().size());
}

void BM_Show(benchmark::State& state, const char* page) {
    TOurPage ours(page);
    TPeerPage peer(page);
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
}

void BM_Repaint(benchmark::State& state, const char* page) {
    // The whole page in one display list: the real height is the content's.
    TOurPage ours(page);
    ours.Load();
    ours.view->SetAutoSize(true);
    const int height = ours.view->THyperControl::RealHeight();
    ours.view->RenderIfDirty();
    TPeerPage peer(page);
    auto doc = peer.Load();
    QPicture picture;
    {
        QPainter painter(&picture);
        doc->drawContents(&painter);
    }
    // The window shows the middle of the zoomed page.
    const int top = static_cast<int>(height * kZoom / 2);
    const TRect dest =
        Rect(0, -top, static_cast<int>(kWidth * kZoom), -top + static_cast<int>(height * kZoom));
    QImage window(kWidth, kHeight, QImage::Format_RGB32);
    TPair pair;
    for (auto _ : state) {
        pair.Ours([&] {
            window.fill(Qt::white);
            ours.Paint(window, dest);
        });
        pair.Peer([&] {
            window.fill(Qt::white);
            QPainter painter(&window);
            painter.translate(0, -top);
            painter.scale(kZoom, kZoom);
            picture.play(&painter);
        });
    }
    pair.Report(state);
    state.counters["page_height"] = height;
}

void BM_NewFont(benchmark::State& state) {
    const AnsiString words = Utf8ToCp1251("The first line of a chapter, Первая строка главы");
    const QString peerWords = ToQString(words);
    static int size = 8; // repetitions go on with sizes not used yet
    TPair pair;
    for (auto _ : state) {
        size += 2;
        const bool bold = size / 2 % 2 != 0;
        pair.Ours([&] {
            TFont font;
            font.SetName("Times New Roman");
            font.SetHeight(-size);
            if (bold) font.SetStyle(TFontStyles{fsBold});
            benchmark::DoNotOptimize(FontEntryFor(font)->TextWidth(words));
        });
        pair.Peer([&] {
            QFont font("Times New Roman");
            font.setPixelSize(size + 1);
            font.setBold(bold);
            benchmark::DoNotOptimize(QFontMetrics(font).horizontalAdvance(peerWords));
        });
    }
    pair.Report(state);
}

} // namespace

int main(int argc, char** argv) {
    // --warm: keep what was measured from one iteration to the next, as the
    // viewer does from page to page.
    TOurPage::warm = TakeFlag(argc, argv, "--warm");
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    for (const char* page : kPages) {
        benchmark::RegisterBenchmark((std::string("BM_Layout/") + page).c_str(), BM_Layout, page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_Show/") + page).c_str(), BM_Show, page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_Repaint/") + page).c_str(), BM_Repaint, page)
            ->Unit(benchmark::kMillisecond);
    }
    // Each iteration takes two new font sizes: a fixed count stays within the
    // sizes a font may have.
    benchmark::RegisterBenchmark("BM_NewFont", BM_NewFont)
        ->Iterations(400)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
