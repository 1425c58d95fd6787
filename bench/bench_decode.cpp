// Decoding coded strings against copying the same bytes.
//
// The coded text is a page of markup of 32,000 characters (64,000 coded
// bytes, near the longest a coded string holds), coded with a key as the
// writer stores it. BM_DecodeVsMemcpy alternates decoding it with memcpy of
// the 64,000 coded bytes in every iteration and reports coded_gb_per_s and
// ratio = decode time / memcpy time (the machine is noisy: compare the ratio).
// BM_DecodeScalar runs the one-byte-at-a-time loop, for reference.
#include "BenchPair.h"
#include "common/ChainedDecoding.h"
#include "common/TextCoding.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t kPlainBytes = 32000;
constexpr int kRounds = 64; // decodes per timed sample, so the clock's cost vanishes

const std::string& CodedPage() {
    static const std::string coded = [] {
        static const char* const words[] = {"свет ",   "линза ",  "<b>фокус</b> ",
                                            "луч\r\n", "optics ", "<size=14>призма</size> ",
                                            "и ",      "<p>"};
        std::string plain;
        unsigned seed = 1;
        while (plain.size() < kPlainBytes) {
            seed = seed * 1103515245u + 12345u;
            plain += words[(seed >> 16) % (sizeof words / sizeof *words)];
        }
        plain.resize(kPlainBytes);
        const unsigned char key = 0xA7;
        std::string out;
        myDefines::CodeText(TCodingType::ctChained, plain, out, &key);
        return out;
    }();
    return coded;
}

void Decode(const std::string& coded, std::vector<char>& plain, bool vector) {
    const unsigned char key = 0xA7;
    for (int r = 0; r < kRounds; ++r) {
        if (vector)
            myDefines::DecodeChainedPairs(coded.data(), coded.size() / 2, plain.data(), key, key);
        else
            myDefines::DecodeChainedPairsScalar(coded.data(), coded.size() / 2, plain.data(), key,
                                                key);
        benchmark::DoNotOptimize(plain.data());
        benchmark::ClobberMemory();
    }
}

void Copy(const std::string& coded, std::vector<char>& copy) {
    for (int r = 0; r < kRounds; ++r) {
        std::memcpy(copy.data(), coded.data(), coded.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}

void BM_DecodeVsMemcpy(benchmark::State& state) {
    const std::string& coded = CodedPage();
    std::vector<char> plain(coded.size() / 2), copy(coded.size());
    TPair pair;
    for (auto _ : state) {
        pair.Ours([&] { Decode(coded, plain, true); });
        pair.Peer([&] { Copy(coded, copy); });
    }
    pair.Report(state);
    const double codedBytes = double(coded.size()) * kRounds * double(state.iterations());
    state.counters["coded_gb_per_s"] = codedBytes / (pair.ours / 1000) / 1e9;
    state.counters["memcpy_gb_per_s"] = codedBytes / (pair.peer / 1000) / 1e9;
    state.SetLabel(myDefines::ChainedDecodingVectorUnit());
}

void BM_DecodeScalar(benchmark::State& state) {
    const std::string& coded = CodedPage();
    std::vector<char> plain(coded.size() / 2);
    for (auto _ : state)
        Decode(coded, plain, false);
    state.SetBytesProcessed(int64_t(coded.size()) * kRounds * state.iterations());
}

} // namespace

BENCHMARK(BM_DecodeVsMemcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeScalar)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
