#include "data/Textbook.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/displaylist/Metafile.h"
#include "platform/displaylist/MetafileCanvas.h"
#include "platform/graphics/PagedOutput.h"
#include "platform/graphics/PainterCanvas.h"
#include "publish/BookPrint.h"
#include "publish/PageLayout.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Pages painted on images of a fixed size, as a printer's pages would be.
class TImagePages : public TPagedOutput {
public:
    TImagePages(int Width, int Height) : FWidth(Width), FHeight(Height) {}
    bool BeginPage(const std::string& Title) override {
        if (Refuse) return false;
        Titles.push_back(Title);
        Pages.push_back(TPainterCanvas::MakeImage(FWidth, FHeight));
        FCanvas = std::make_unique<TPainterCanvas>(Pages.back());
        return true;
    }
    TCanvas& Canvas() override { return *FCanvas; }
    int PageWidth() const override { return FWidth; }
    int PageHeight() const override { return FHeight; }
    int Resolution() const override { return 300; }
    void EndPage() override { FCanvas.reset(); }
    bool Finish(std::string&) override { return true; }

    std::vector<std::string> Titles;
    std::vector<QImage> Pages;
    bool Refuse = false;

private:
    int FWidth, FHeight;
    std::unique_ptr<TPainterCanvas> FCanvas;
};

QRgb Rgb(TColor Color) {
    return qRgb(GetRValue(Color), GetGValue(Color), GetBValue(Color));
}

// Ordinary pages 1, 5 and 3 in that book order, with sub-page 100 among them.
void AddPages(TPLBData& Book) {
    for (int32_t number : {1, 100, 5, 3}) {
        auto page = std::make_unique<TPLBDataItem>();
        page->Number = number;
        page->SubPage = number == 100 ? 1 : 0;
        page->Title = Utf8ToCp1251(number == 3 ? "" : "Страница номер " + std::to_string(number));
        page->Color = static_cast<TColor>(0x00C0E0F0);
        page->Lines.Add("<p>Text of page " + std::to_string(number));
        Book.Items.push_back(std::move(page));
    }
}

std::vector<int32_t> Numbers(const std::vector<const TPLBDataItem*>& Pages) {
    std::vector<int32_t> numbers;
    for (const TPLBDataItem* page : Pages)
        numbers.push_back(page->Number);
    return numbers;
}

} // namespace

TEST(PrintBookTest, RangesCountOrdinaryPagesInBookOrder) {
    TPLBData book(nullptr);
    AddPages(book);
    using V = std::vector<int32_t>;
    EXPECT_EQ(Numbers(BookOrderPages(book)), (V{1, 5, 3}));
    const auto pick = [&](TPrintRange::TKind Kind, int From, int To, int32_t Current = 0) {
        TPrintRange range;
        range.Kind = Kind;
        range.From = From;
        range.To = To;
        range.Current = Current;
        return Numbers(PagesToPrint(book, range));
    };
    EXPECT_EQ(pick(TPrintRange::WholeBook, 2, 2), (V{1, 5, 3}));
    EXPECT_EQ(pick(TPrintRange::PageRange, 2, 3), (V{5, 3}));
    EXPECT_EQ(pick(TPrintRange::PageRange, 1, 1), (V{1}));
    EXPECT_EQ(pick(TPrintRange::PageRange, -5, 99), (V{1, 5, 3}));
    EXPECT_EQ(pick(TPrintRange::PageRange, 3, 2), V{});
    EXPECT_EQ(pick(TPrintRange::PageRange, 4, 9), V{});
    EXPECT_EQ(pick(TPrintRange::PageRange, 0, 0), V{});
    EXPECT_EQ(pick(TPrintRange::CurrentPage, 1, 1, 5), (V{5}));
    EXPECT_EQ(pick(TPrintRange::CurrentPage, 1, 1, 100), V{}); // a sub-page is no page
    EXPECT_EQ(pick(TPrintRange::CurrentPage, 1, 1, 7), V{});
    TPLBData empty(nullptr);
    EXPECT_TRUE(PagesToPrint(empty, TPrintRange{}).empty());
}

TEST(PrintBookTest, APageFillsThePaperWithItsProportionsKept) {
    TMetafile page;
    page.SetSize(200, 100);
    {
        TMetafileCanvas canvas(page);
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(150, 50, 200, 100)); // the bottom right quarter
    }
    // Paper taller than the page: the width fills it, the page keeps its top.
    TImagePages paper(1000, 1400);
    ASSERT_TRUE(paper.BeginPage("p"));
    DrawOnPaper(page, clRed, paper);
    paper.EndPage();
    const QImage& image = paper.Pages[0];
    EXPECT_EQ(image.pixel(10, 10), Rgb(clRed));
    EXPECT_EQ(image.pixel(990, 490), Rgb(clBlue));
    EXPECT_EQ(image.pixel(740, 260), Rgb(clRed));
    EXPECT_EQ(image.pixel(760, 260), Rgb(clBlue));
    EXPECT_EQ(image.pixel(500, 510), qRgb(255, 255, 255));

    // Paper wider than the page: the height fills it, centred across.
    TImagePages wide(1000, 200);
    ASSERT_TRUE(wide.BeginPage("p"));
    DrawOnPaper(page, clNone, wide);
    const QImage& centred = wide.Pages[0];
    EXPECT_EQ(centred.pixel(295, 100), qRgb(255, 255, 255));
    EXPECT_EQ(centred.pixel(305, 100), qRgb(255, 255, 255)); // no background
    EXPECT_EQ(centred.pixel(695, 195), Rgb(clBlue));
    EXPECT_EQ(centred.pixel(705, 195), qRgb(255, 255, 255));
}

TEST(PrintBookTest, PagesPrintThroughThePageViewWithOrWithoutTheirColour) {
    TPLBData book(nullptr);
    AddPages(book);
    TPageLayout layout(
        [](const AnsiString&, const std::function<void(TStream&)>&, bool&, bool&) {});
    const auto pages = BookOrderPages(book);
    for (bool background : {true, false}) {
        TImagePages paper(762 * 2, 463 * 2);
        TPrintSettings settings;
        settings.Background = background;
        std::string error;
        ASSERT_TRUE(PrintPages(pages, layout, settings, paper, error)) << error;
        ASSERT_EQ(paper.Pages.size(), 3u);
        EXPECT_EQ(paper.Titles,
                  (std::vector<std::string>{"Страница номер 1", "Страница номер 5", "Страница 3"}));
        const QRgb corner = paper.Pages[1].pixel(paper.PageWidth() - 3, paper.PageHeight() - 3);
        EXPECT_EQ(corner, background ? qRgb(0xF0, 0xE0, 0xC0) : qRgb(255, 255, 255));
        // The text is drawn: dark pixels in the top left of the page.
        int dark = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 600; ++x)
                dark += qGray(paper.Pages[1].pixel(x, y)) < 100;
        EXPECT_GT(dark, 50);
    }
}

TEST(PrintBookTest, AnOutputThatRefusesAPageStopsThePrint) {
    TPLBData book(nullptr);
    AddPages(book);
    TPageLayout layout(
        [](const AnsiString&, const std::function<void(TStream&)>&, bool&, bool&) {});
    TImagePages paper(100, 100);
    paper.Refuse = true;
    std::string error;
    EXPECT_FALSE(PrintPages(BookOrderPages(book), layout, TPrintSettings{}, paper, error));
    EXPECT_NE(error.find("page 1"), std::string::npos) << error;
}
