// The web edition of the 3,000-page illustrated book: every page as XHTML
// with its pictures (bitmaps, JPEG pictures and icons as PNG on the second
// thread, metafiles and vector pictures as SVG).
#include "IllustratedBookMain.h"
#include "publish/WebEdition.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>

namespace {

void BM_ExportWebEdition(benchmark::State& state) {
    TIllustratedBook illustrated;
    if (!illustrated.Load(state)) return;
    TPLBData& book = illustrated.Book;
    TPLBHTP& pictures = illustrated.Pictures;
    const auto out = std::filesystem::temp_directory_path() / "plb-bench-export";
    TWebManifest manifest;
    double seconds = 0;
    for (auto _ : state) {
        std::filesystem::remove_all(out);
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        if (!WriteWebEdition(book, pictures, out.string(), TWebOptions{}, manifest, error))
            state.SkipWithError(error.c_str());
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
        if (entry.is_regular_file()) bytes += entry.file_size();
    state.counters["pages"] = static_cast<double>(manifest.Pages.size());
    state.counters["files"] =
        static_cast<double>(manifest.Pages.size() + manifest.Resources.size());
    state.counters["pages_per_s"] =
        static_cast<double>(manifest.Pages.size() * state.iterations()) / seconds;
    state.counters["output_mb"] = static_cast<double>(bytes) / (1 << 20);
    std::filesystem::remove_all(out);
}

} // namespace

int main(int argc, char** argv) {
    return RunIllustratedBookBenchmark(argc, argv, "BM_ExportWebEdition", BM_ExportWebEdition);
}
