// A long read: every page of the illustrated 3,000-page book (BenchBook.h:
// bitmaps, JPEG pictures, icons, metafiles and inline vector pictures on every
// page) shown in the viewer's page view and painted into a window-sized image,
// twice over. The resident set is read from /proc/self/statm after each pass;
// once the first pass has warmed every cache, a second pass that grows it
// means something is kept per page shown.
//
// Counters: rss_first_mb and rss_second_mb (after each pass), second_over_first
// (must stay within 1.05), pictures_per_pass (pictures the store handed to the
// page view in one pass) and pages_per_s (both passes). With PLB_SOAK_SHOT
// set to a file name, the first page as painted is saved there as a PNG.
#include "IllustratedBookMain.h"
#include "data/Data.h"
#include "hypertext/HyperText.h"
#include "hypertext/PageViewSetup.h"
#include "hypertext/VectorPicture.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/PainterCanvas.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kWidth = 762;
constexpr int kHeight = 463;

// Resident set size in bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// The viewer's page view over the loaded book, showing one page at a time.
class TSoakReader {
public:
    TSoakReader(TPLBData& Book, TPLBHTP& Pictures)
        : FBook(Book), FPictures(Pictures), FView(std::make_unique<THyperText>(&FParent)),
          FVectorPicture(std::make_unique<TVectorPicture>(&FParent)),
          FWindow(TPainterCanvas::MakeImage(kWidth, kHeight)) {
        ConfigurePageView(*FView, *FVectorPicture,
                          [this](const AnsiString& Name, const std::function<void(TStream&)>& Read,
                                 bool& Processed, bool& Aborted) {
                              FPictures.LoadPicture(Name, Read, Processed, Aborted);
                              if (Processed) ++FPicturesLoaded;
                          });
        FView->SetBoundsRect(Bounds(0, 0, kWidth, kHeight));
    }
    ~TSoakReader() {
        FView.reset();
        FVectorPicture.reset();
    }

    // Shows and paints every page once; returns the pictures loaded.
    long Pass() {
        FPicturesLoaded = 0;
        for (const auto& item : FBook.Items) {
            FView->SetLines(item->Lines);
            FView->RenderIfDirty();
            FWindow.fill(Qt::white);
            TPainterCanvas canvas(FWindow);
            canvas.StretchDraw(Rect(0, 0, kWidth, kHeight), &FView->Rendering());
            // Deferred deletions and posted events, as the viewer's event loop
            // would run them between pages.
            QCoreApplication::processEvents();
            if (item == FBook.Items.front()) SaveShot();
        }
        return FPicturesLoaded;
    }

private:
    void SaveShot() const {
        if (const char* file = std::getenv("PLB_SOAK_SHOT")) FWindow.save(file);
    }

    TPLBData& FBook;
    TPLBHTP& FPictures;
    QWidget FParent;
    std::unique_ptr<THyperText> FView;
    std::unique_ptr<TVectorPicture> FVectorPicture;
    QImage FWindow;
    long FPicturesLoaded = 0;
};

void BM_SoakTwoPasses(benchmark::State& state) {
    TIllustratedBook illustrated;
    if (!illustrated.Load(state)) return;
    TPLBData& book = illustrated.Book;
    TPLBHTP& pictures = illustrated.Pictures;
    TSoakReader reader(book, pictures);
    double first = 0, second = 0, seconds = 0;
    long loaded = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        loaded = reader.Pass();
        first = ResidentBytes();
        if (reader.Pass() != loaded) state.SkipWithError("the passes loaded different pictures");
        second = ResidentBytes();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["rss_first_mb"] = first / (1 << 20);
    state.counters["rss_second_mb"] = second / (1 << 20);
    state.counters["second_over_first"] = second / first;
    state.counters["pictures_per_pass"] = static_cast<double>(loaded);
    state.counters["pages_per_s"] =
        2.0 * static_cast<double>(book.Items.size() * state.iterations()) / seconds;
    if (loaded < static_cast<long>(book.Items.size()) * 3)
        state.SkipWithError("pages showed fewer pictures than they name");
}

} // namespace

int main(int argc, char** argv) {
    return RunIllustratedBookBenchmark(argc, argv, "BM_SoakTwoPasses", BM_SoakTwoPasses);
}
