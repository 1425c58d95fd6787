// Start-up: from the start of the viewer's process to the first page painted,
// on the 3,000-page book that bench_load generates, against loading that book
// alone in a fresh process (target: start-up at most load + 100 ms).
//
// Each iteration starts this program again as the viewer ("--viewer EXE": the
// viewer's own RunViewer with EXE as its path, so the settings file EXE.ini in
// a temporary folder names the book) and as a bare loader ("--load FILE"):
//   startup_ms   fork to the end of the page view's first paint (the child
//                reports the moment and quits there)
//   load_ms      LoadFromFile alone, timed inside its process
//   over_load_ms startup_ms - load_ms
//   exec_ms      of startup_ms: fork to main (program loading and linking)
//   qapp_ms      of startup_ms: the application object (platform, fonts)
// BM_Startup/warm leaves the book's files in the page cache; BM_Startup/cold
// drops them from it before each run (posix_fadvise, so nothing else is
// evicted); the program's own files stay cached.
#include "data/Data.h"
#include "data/HeadlessProgress.h"
#include "hypertext/HyperText.h"
#include "viewer/Program.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC: one clock for all processes

const std::string kBookDir = (std::filesystem::temp_directory_path() / "plb-bench-book").string();
const std::string kDataFile = kBookDir + "/Bench.plb";
const std::string kPicturesFile = kBookDir + "/Bench.htp";
std::string SelfPath;

int64_t MainEntered = 0;
int64_t ApplicationReady = 0;

int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// The viewer under an application that notes the end of the page view's
// first paint, writes that moment to standard output and ends the process.
class TFirstPaintApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* Receiver, QEvent* Event) override {
        const bool pageViewPaint = Event->type() == QEvent::Paint && frmPage && frmPage->PageView &&
                                   Receiver == frmPage->PageView->Widget();
        const bool result = QApplication::notify(Receiver, Event);
        if (pageViewPaint) {
            std::printf("%lld %lld %lld\n", static_cast<long long>(MainEntered),
                        static_cast<long long>(ApplicationReady), static_cast<long long>(Now()));
            std::fflush(stdout);
            std::_Exit(0);
        }
        return result;
    }
};

int RunViewerChild(int argc, char** argv, const std::string& ExeName) {
    alarm(120); // a viewer that never paints ends the run rather than hang it
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    TFirstPaintApplication app(qtArgc, argv);
    ApplicationReady = Now();
    (void)argc;
    RunViewer(ExeName);
    return 2; // the page view was never painted
}

int RunLoadChild(const std::string& DataFile) {
    THeadlessProgress progress;
    TPLBData data(&progress.Record);
    TPLBHTP pictures;
    const int64_t start = Now();
    if (!data.LoadFromFile(DataFile, &pictures)) return 2;
    std::printf("%lld\n", static_cast<long long>(Now() - start));
    return 0;
}

// Starts this program with Arguments; returns the numbers it writes, none
// when it failed.
std::vector<int64_t> RunChild(const std::vector<std::string>& Arguments, int64_t& Started) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    Started = Now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        std::vector<char*> argv{SelfPath.data()};
        for (const std::string& a : Arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(SelfPath.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[64];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::vector<int64_t> numbers;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return numbers;
    std::istringstream in(text);
    for (long long n; in >> n;)
        numbers.push_back(n);
    return numbers;
}

void Evict(const std::string& Path) {
    const int fd = ::open(Path.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

// The book bench_load generates, generated by it when missing.
bool EnsureBook() {
    if (std::filesystem::exists(kDataFile) && std::filesystem::exists(kPicturesFile)) return true;
    const std::string generator = std::filesystem::path(SelfPath).parent_path() / "bench_load";
    const std::string command = "'" + generator + "' --benchmark_filter=BM_RawRead >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 && std::filesystem::exists(kDataFile);
}

void BM_Startup(benchmark::State& state, bool cold) {
    if (!EnsureBook()) {
        state.SkipWithError("no bench book: build and run bench_load");
        return;
    }
    QTemporaryDir folder;
    const std::string exe = folder.filePath(QStringLiteral("plbviewer")).toStdString();
    std::ofstream(exe + ".ini") << kDataFile << "\n";
    double startup = 0, load = 0, exec = 0, application = 0;
    for (auto _ : state) {
        int64_t started = 0;
        if (cold) Evict(kDataFile), Evict(kPicturesFile);
        const std::vector<int64_t> loaded = RunChild({"--load", kDataFile}, started);
        if (cold) Evict(kDataFile), Evict(kPicturesFile);
        const std::vector<int64_t> viewer = RunChild({"--viewer", exe}, started);
        if (loaded.size() != 1 || viewer.size() != 3) {
            state.SkipWithError("a child run failed");
            return;
        }
        load += static_cast<double>(loaded[0]) / 1e6;
        exec += static_cast<double>(viewer[0] - started) / 1e6;
        application += static_cast<double>(viewer[1] - viewer[0]) / 1e6;
        startup += static_cast<double>(viewer[2] - started) / 1e6;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["startup_ms"] = startup / n;
    state.counters["load_ms"] = load / n;
    state.counters["over_load_ms"] = (startup - load) / n;
    state.counters["exec_ms"] = exec / n;
    state.counters["qapp_ms"] = application / n;
}

} // namespace

int main(int argc, char** argv) {
    MainEntered = Now();
    SelfPath = std::filesystem::canonical("/proc/self/exe").string();
    if (argc == 3 && std::strcmp(argv[1], "--viewer") == 0)
        return RunViewerChild(argc, argv, argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0) return RunLoadChild(argv[2]);
    benchmark::RegisterBenchmark("BM_Startup/warm", BM_Startup, false)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(8);
    benchmark::RegisterBenchmark("BM_Startup/cold", BM_Startup, true)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
