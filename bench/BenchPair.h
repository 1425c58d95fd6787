#pragma once

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

// Times our side and the peer's alternately in every iteration (the machine
// is noisy: compare the ratio) and reports ours_ms, peer_ms and
// ratio = ours / peer.
struct TPair {
    using Clock = std::chrono::steady_clock;
    double ours = 0, peer = 0;
    template <class F> void Ours(F&& f) { ours += Time(f); }
    template <class F> void Peer(F&& f) { peer += Time(f); }
    template <class F> static double Time(F&& f) {
        const auto start = Clock::now();
        f();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    void Report(benchmark::State& state) const {
        const double n = static_cast<double>(state.iterations());
        state.counters["ours_ms"] = ours / n;
        state.counters["peer_ms"] = peer / n;
        state.counters["ratio"] = peer > 0 ? ours / peer : 0;
    }
};

// Takes the command-line flag Flag out of argv (before Google Benchmark reads
// the rest); true when it was given.
inline bool TakeFlag(int& argc, char** argv, const std::string& Flag) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] == Flag) {
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            return true;
        }
    return false;
}
