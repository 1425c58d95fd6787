#pragma once

#include "BenchBook.h"
#include "data/Data.h"
#include "data/HeadlessProgress.h"
#include "data/Pictures.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdlib>

// The illustrated book (written before main's application started) loaded
// with its pictures; Load skips the benchmark with the reason when it fails.
struct TIllustratedBook {
    THeadlessProgress Progress;
    TPLBData Book{&Progress.Record};
    TPLBHTP Pictures;

    bool Load(benchmark::State& State) {
        const benchbook::TBenchBook file =
            benchbook::MakeBenchBook("plb-bench-book-illustrated", true);
        if (Book.LoadFromFile(file.dataFile, &Pictures)) return true;
        State.SkipWithError(("the bench book does not load: " + Book.LoadError()).c_str());
        return false;
    }
};

// The main of a benchmark that runs once over the illustrated 3,000-page
// book: the book is written (by a child process) before Qt starts any
// thread, then Function runs once under an application object, offscreen
// unless the caller chose a platform, and is reported in seconds.
template <class TFunction>
int RunIllustratedBookBenchmark(int argc, char** argv, const char* Name, TFunction Function) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchbook::MakeBenchBook("plb-bench-book-illustrated", true);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::RegisterBenchmark(Name, Function)->Iterations(1)->Unit(benchmark::kSecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
