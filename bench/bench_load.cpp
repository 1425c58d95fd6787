// Loading a large textbook against reading its two files raw.
//
// The book: 3,000 pages of about 20 KB of markup each and a 30 MB pictures
// file, generated once into the temporary folder (BenchBook.h, the plain book). "Raw" reads both
// files into freshly allocated memory with one read each; the loader must come close to it.
// BM_LoadVsRaw alternates the two in every iteration (the machines are noisy:
// compare the ratio); every run also reports the growth of its peak resident
// set against the two files' size. BM_LoadVsRawCold does the same with both
// files dropped from the page cache before every read, as on a first opening.
#include "BenchBook.h"
#include "data/Data.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using benchbook::TBenchBook;

const TBenchBook& Book() {
    static const TBenchBook book = benchbook::MakeBenchBook("plb-bench-book", false);
    return book;
}

// Reads a whole file into fresh memory with one read.
size_t RawRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    const auto size = static_cast<size_t>(std::filesystem::file_size(path));
    char* memory = static_cast<char*>(std::malloc(size));
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, memory + done, size - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    benchmark::DoNotOptimize(memory[size / 2]);
    std::free(memory);
    return done;
}

void RawReadBoth() {
    RawRead(Book().dataFile);
    RawRead(Book().picturesFile);
}

void LoadBook() {
    THeadlessProgress progress;
    TPLBData data(&progress.Record);
    TPLBHTP pictures;
    if (!data.LoadFromFile(Book().dataFile, &pictures)) {
        std::fprintf(stderr, "the bench book does not load: %s\n", data.LoadError().c_str());
        std::exit(1);
    }
    benchmark::DoNotOptimize(data.Items.size());
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return 0;
}

struct Measurement {
    double seconds = 0;
    double peakGrowth = 0; // bytes the peak resident set grew by
};

// Runs fn once in a fresh child process, as the viewer loads once per run: no
// memory freed by an earlier run can be reused.
Measurement InChild(void (*fn)()) {
    int fds[2];
    if (::pipe(fds) != 0) std::exit(1);
    const pid_t child = ::fork();
    if (child == 0) {
        const long before = StatusKb("VmRSS:");
        const auto start = std::chrono::steady_clock::now();
        fn();
        Measurement m;
        m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        m.peakGrowth = (StatusKb("VmHWM:") - before) * 1024.0;
        (void)!::write(fds[1], &m, sizeof m);
        ::_exit(0);
    }
    Measurement m;
    (void)!::read(fds[0], &m, sizeof m);
    ::waitpid(child, nullptr, 0);
    ::close(fds[0]);
    ::close(fds[1]);
    return m;
}

void Run(benchmark::State& state, void (*fn)()) {
    Book();
    Measurement total;
    for (auto _ : state) {
        const Measurement m = InChild(fn);
        state.SetIterationTime(m.seconds);
        total.peakGrowth = std::max(total.peakGrowth, m.peakGrowth);
    }
    state.SetBytesProcessed(state.iterations() * Book().totalBytes);
    state.counters["peak_over_files"] = total.peakGrowth / static_cast<double>(Book().totalBytes);
}

void BM_RawRead(benchmark::State& state) {
    Run(state, RawReadBoth);
}
void BM_LoadFromFile(benchmark::State& state) {
    Run(state, LoadBook);
}

// Alternates raw reads and loads, each in a fresh process, and reports the ratio.
void BM_LoadVsRaw(benchmark::State& state) {
    Book();
    double raw = 0, load = 0, peak = 0;
    for (auto _ : state) {
        raw += InChild(RawReadBoth).seconds;
        const Measurement m = InChild(LoadBook);
        load += m.seconds;
        peak = std::max(peak, m.peakGrowth);
    }
    state.counters["raw_ms"] = raw * 1000 / static_cast<double>(state.iterations());
    state.counters["load_ms"] = load * 1000 / static_cast<double>(state.iterations());
    state.counters["load_over_raw"] = load / raw;
    state.counters["load_peak_over_files"] = peak / static_cast<double>(Book().totalBytes);
    state.counters["files_mb"] = static_cast<double>(Book().totalBytes) / (1 << 20);
}

// Drops the two files' pages from the page cache, so that the next read of
// them comes from the disk.
void EvictBook() {
    for (const std::string* path : {&Book().dataFile, &Book().picturesFile}) {
        const int fd = ::open(path->c_str(), O_RDONLY);
        if (fd < 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) {
            std::fprintf(stderr, "cannot drop %s from the page cache\n", path->c_str());
            std::exit(1);
        }
        ::close(fd);
    }
}

void BM_LoadVsRawCold(benchmark::State& state) {
    Book();
    double raw = 0, load = 0;
    for (auto _ : state) {
        EvictBook();
        raw += InChild(RawReadBoth).seconds;
        EvictBook();
        load += InChild(LoadBook).seconds;
    }
    state.counters["raw_ms"] = raw * 1000 / static_cast<double>(state.iterations());
    state.counters["load_ms"] = load * 1000 / static_cast<double>(state.iterations());
    state.counters["load_over_raw"] = load / raw;
}

} // namespace

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_LoadVsRaw)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_LoadVsRawCold)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK_MAIN();
