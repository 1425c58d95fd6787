// Finding text in the 3,000-page book of bench_load: the search against one
// memmem pass over the same decoded page text, and the one-time cost of
// taking every page's text through the page compiler.
#include "BenchBook.h"
#include "data/BookSearch.h"
#include "data/Data.h"
#include "hypertext/PageText.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct TLoaded {
    THeadlessProgress Progress;
    std::unique_ptr<TPLBData> Data;
    TPLBHTP Pictures;
};

TLoaded& Loaded() {
    static TLoaded* loaded = [] {
        auto* l = new TLoaded;
        const auto book = benchbook::MakeBenchBook("plb-bench-book", false);
        l->Data = std::make_unique<TPLBData>(&l->Progress.Record);
        if (!l->Data->LoadFromFile(book.dataFile, &l->Pictures)) {
            std::fprintf(stderr, "the bench book does not load\n");
            std::exit(1);
        }
        return l;
    }();
    return *loaded;
}

const TBookSearch& Search() {
    static const TBookSearch search(*Loaded().Data, PageText);
    return search;
}

// Every page's plain text, one after another: what one memmem pass reads.
const std::string& AllText() {
    static const std::string all = [] {
        std::string text;
        for (size_t i = 0; i < Search().PageCount(); ++i) {
            text += Search().Text(i);
            text += '\0';
        }
        return text;
    }();
    return all;
}

// A word that no page holds, so that both read everything.
const AnsiString kMissing = "qzxjvk";

void BM_SearchVsMemmem(benchmark::State& state) {
    const std::string& all = AllText();
    double search = 0, memmem = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Search().Find(kMissing));
        auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(
            ::memmem(all.data(), all.size(), kMissing.data(), kMissing.size()));
        auto t2 = std::chrono::steady_clock::now();
        search += std::chrono::duration<double>(t1 - t0).count();
        memmem += std::chrono::duration<double>(t2 - t1).count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["search_ms"] = 1000 * search / n;
    state.counters["memmem_ms"] = 1000 * memmem / n;
    state.counters["search/memmem"] = search / memmem;
    state.counters["text_MB"] = static_cast<double>(all.size()) / 1e6;
}
BENCHMARK(BM_SearchVsMemmem)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A common word: every page is found and gets a snippet.
void BM_SearchCommonWord(benchmark::State& state) {
    Search();
    size_t hits = 0;
    for (auto _ : state)
        hits = Search().Find("the").size();
    state.counters["pages_found"] = static_cast<double>(hits);
}
BENCHMARK(BM_SearchCommonWord)->Unit(benchmark::kMillisecond);

// Taking every page's text once (the first search of a book pays this).
void BM_BuildPageTexts(benchmark::State& state) {
    const TPLBData& data = *Loaded().Data;
    for (auto _ : state) {
        const TBookSearch search(data, PageText);
        benchmark::DoNotOptimize(search.PageCount());
    }
}
BENCHMARK(BM_BuildPageTexts)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
