// Turning a page in the real main window (offscreen, 772 x 523), from the key
// release to the new page painted in the page view.
//
//   BM_PageTurn/<page>   a book of a short page and a bench/data page: the
//                        Right key's release on the short page until the bench
//                        page is painted  vs  a QTextBrowser of the page view's
//                        size given the page's HTML and painted. Both sides
//                        alternate in every iteration; "ratio" = ours / peer.
//   BM_SampleTurn/<n>    every ordinary page of the sample book, reached by the
//                        key a neighbour offers (Right from the page whose Next
//                        it is, Left from the one whose Prev it is, Esc from
//                        the one whose Contents it is, else ShowPage; counters
//                        "by_key" and "from"); absolute time only. Leaving
//                        a page closes its clip, which is part of the turn.
//
// Going back to the page before (with any clip it starts) is not timed. Our
// side starts every turn with nothing measured, as a page shown for the first
// time; with --warm it keeps its measured words, as from page to page.
#include "BenchData.h"
#include "BenchPair.h"
#include "data/HeadlessProgress.h"
#include "data/Writer.h"
#include "hypertext/HyperText.h"
#include "platform/base/Cp1251.h"
#include "platform/graphics/FontCache.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <vector>

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

const char* const kPages[] = {"page-en-8000", "page-ru-8000"};
bool Warm = false;

void Release(TfrmPage& Page, int Key) {
    QKeyEvent event(QEvent::KeyRelease, Key, Qt::NoModifier);
    QApplication::sendEvent(&Page, &event);
}

void Forget(THyperText& View) {
    if (Warm) return;
    View.Measure().Clear();
    ClearTextWidthCaches();
}

// A main window on a book of its own: a program folder whose settings file
// names the book.
class TBookWindow {
public:
    explicit TBookWindow(const std::string& DataFile) {
        const std::string exe = Dir.filePath(QStringLiteral("plbviewer")).toStdString();
        std::ofstream(exe + ".ini") << DataFile << "\n";
        Page = std::make_unique<TfrmPage>(exe);
        Page->show();
        QApplication::processEvents();
    }
    THyperText& View() { return *Page->PageView; }
    // Paints the page view now, as the window's next update would.
    void Paint() { View().Repaint(); }
    void Settle() {
        Paint();
        QApplication::processEvents();
    }

    QTemporaryDir Dir;
    std::unique_ptr<TfrmPage> Page;
};

std::unique_ptr<TPLBDataItem> Item(int32_t Number, const TPLBNavPoints& Nav,
                                   const AnsiString& Markup) {
    auto item = std::make_unique<TPLBDataItem>();
    item->Number = Number;
    item->Title = "Page " + std::to_string(Number);
    item->ShortTitle = item->Title;
    item->NavPoints[0] = item->NavPoints[1] = Nav;
    item->Color = static_cast<TColor>(0x00FFFFFF);
    item->Lines.SetText(Markup);
    return item;
}

// A short page 1 whose Next is page 2, the bench page.
std::string WriteTwoPageBook(const QTemporaryDir& Dir, const char* Page) {
    TPLBData book(nullptr);
    book.Title = "Bench";
    book.StartPage = 1;
    book.Items.push_back(Item(1, {1, 2, 0, 2, 0}, "<p>A short page"));
    book.Items.push_back(Item(2, {1, 2, 1, 0, 0}, ReadBenchData(std::string(Page) + ".tag")));
    const std::string path = Dir.filePath(QStringLiteral("Bench.plb")).toStdString();
    std::string error;
    if (!SaveTextbook(book, path, error)) {
        std::fprintf(stderr, "cannot write the bench book: %s\n", error.c_str());
        std::exit(1);
    }
    return path;
}

void BM_PageTurn(benchmark::State& state, const char* page) {
    QTemporaryDir bookDir;
    TBookWindow window(WriteTwoPageBook(bookDir, page));
    THyperText& view = window.View();

    QTextBrowser browser;
    QFont font("Times New Roman");
    font.setPixelSize(17);
    browser.document()->setDefaultFont(font);
    browser.resize(view.Width(), view.Height());
    browser.show();
    const QString html = QString::fromStdString(ReadBenchData(std::string(page) + ".html"));

    TPair pair;
    for (auto _ : state) {
        Release(*window.Page, Qt::Key_Left);
        window.Settle();
        Forget(view);
        pair.Ours([&] {
            Release(*window.Page, Qt::Key_Right);
            window.Paint();
        });
        pair.Peer([&] {
            browser.setHtml(html);
            browser.viewport()->repaint();
        });
        if (window.Page->Page.CurrentNumber() != 2) {
            state.SkipWithError("the key did not turn the page");
            break;
        }
    }
    pair.Report(state);
    state.counters["view_w"] = view.Width();
    state.counters["view_h"] = view.Height();
}

// The windows live until the application goes (main closes them first: a
// window must not outlive the application object).
std::vector<std::unique_ptr<TBookWindow>> Windows;

TBookWindow& SampleWindow() {
    static TBookWindow& window =
        *Windows.emplace_back(std::make_unique<TBookWindow>(PLB_SAMPLE_BOOK));
    return window;
}

// Shows a page from which a key leads to Number (Right to its Next, Left to its
// Prev, Esc to its Contents); the key, or 0. From notes the page.
int ShowNeighbour(TfrmPage& Page, int32_t Number, int32_t& From) {
    for (const auto& item : Page.Data->Items) {
        if (item->SubPage != 0 || item->Number == Number) continue;
        const TPLBNavPoints& nav = item->NavPoints[Page.Data->NavStart == 1 ? 1 : 0];
        if (nav.Next != Number && nav.Prev != Number && nav.Contents != Number) continue;
        Page.ShowPage(item->Number);
        From = item->Number;
        if (nav.Next == Number && Page.tbNext->isEnabled()) return Qt::Key_Right;
        if (nav.Prev == Number && Page.tbPrev->isEnabled()) return Qt::Key_Left;
        if (nav.Contents == Number && Page.tbContents->isEnabled()) return Qt::Key_Escape;
    }
    From = 0;
    return 0;
}

void BM_SampleTurn(benchmark::State& state, int32_t number) {
    TBookWindow& window = SampleWindow();
    TfrmPage& page = *window.Page;
    double total = 0;
    int key = 0;
    int32_t from = 0;
    for (auto _ : state) {
        key = ShowNeighbour(page, number, from);
        if (!key) page.ShowPage(from = number == 2 ? 1 : 2); // some other page
        window.Settle();
        Forget(window.View());
        total += TPair::Time([&] {
            if (key)
                Release(page, key);
            else
                page.ShowPage(number);
            window.Paint();
        });
        if (page.Page.CurrentNumber() != number) {
            state.SkipWithError("the page was not shown");
            break;
        }
    }
    window.Settle(); // a clip the page started opens outside the timing
    state.counters["turn_ms"] = total / static_cast<double>(state.iterations());
    state.counters["by_key"] = key != 0;
    state.counters["from"] = from;
}

} // namespace

int main(int argc, char** argv) {
    Warm = TakeFlag(argc, argv, "--warm");
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    for (const char* page : kPages)
        benchmark::RegisterBenchmark((std::string("BM_PageTurn/") + page).c_str(), BM_PageTurn,
                                     page)
            ->Unit(benchmark::kMillisecond);
    // The sample book's ordinary pages, in file order.
    THeadlessProgress progress;
    TPLBData sample(&progress.Record);
    TPLBHTP pictures;
    if (sample.LoadFromFile(PLB_SAMPLE_BOOK, &pictures))
        for (const auto& item : sample.Items)
            if (item->SubPage == 0)
                benchmark::RegisterBenchmark(
                    ("BM_SampleTurn/" + std::to_string(item->Number)).c_str(), BM_SampleTurn,
                    item->Number)
                    ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Windows.clear();
    return 0;
}
