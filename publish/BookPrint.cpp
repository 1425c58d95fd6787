#include "publish/BookPrint.h"

#include "data/Textbook.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/displaylist/Metafile.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/PagedOutput.h"
#include "publish/PageLayout.h"

#include <algorithm>
#include <cmath>

std::vector<const TPLBDataItem*> BookOrderPages(const TPLBData& Book) {
    std::vector<const TPLBDataItem*> pages;
    for (const auto& item : Book.Items)
        if (item->SubPage == 0) pages.push_back(item.get());
    return pages;
}

std::vector<const TPLBDataItem*> PagesToPrint(const TPLBData& Book, const TPrintRange& Range) {
    std::vector<const TPLBDataItem*> pages = BookOrderPages(Book);
    switch (Range.Kind) {
    case TPrintRange::WholeBook:
        return pages;
    case TPrintRange::CurrentPage: {
        const auto found = std::find_if(pages.begin(), pages.end(), [&](const TPLBDataItem* Page) {
            return Page->Number == Range.Current;
        });
        if (found == pages.end()) return {};
        return {*found};
    }
    case TPrintRange::PageRange:
        break;
    }
    const int64_t count = static_cast<int64_t>(pages.size());
    const int64_t from = std::max<int64_t>(Range.From, 1);
    const int64_t to = std::min<int64_t>(Range.To, count);
    if (from > to) return {};
    return {pages.begin() + (from - 1), pages.begin() + to};
}

std::string OutlineTitle(const TPLBDataItem& Page) {
    if (!Page.Title.empty()) return Cp1251ToUtf8(Page.Title);
    return "Страница " + std::to_string(Page.Number);
}

void DrawOnPaper(const TMetafile& Rendering, TColor Background, TPagedOutput& Output) {
    const int width = Rendering.Width(), height = Rendering.Height();
    if (width <= 0 || height <= 0 || Output.PageWidth() <= 0 || Output.PageHeight() <= 0) return;
    const double scale = std::min(static_cast<double>(Output.PageWidth()) / width,
                                  static_cast<double>(Output.PageHeight()) / height);
    const int paperWidth = std::max(1, static_cast<int>(std::lround(width * scale)));
    const int paperHeight = std::max(1, static_cast<int>(std::lround(height * scale)));
    const int left = (Output.PageWidth() - paperWidth) / 2;
    const TRect dest = Rect(left, 0, left + paperWidth, paperHeight);
    TCanvas& canvas = Output.Canvas();
    canvas.SetClipRect(dest);
    if (Background != clNone) {
        canvas.Brush().SetColor(Background);
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(dest);
    }
    Rendering.Draw(canvas, dest);
    canvas.ResetClipRect();
}

bool PrintPages(const std::vector<const TPLBDataItem*>& Pages, TPageLayout& Layout,
                const TPrintSettings& Settings, TPagedOutput& Output, std::string& Error) {
    for (const TPLBDataItem* page : Pages) {
        const TColor color = ColorToRGB(page->Color);
        Layout.Load(page->Lines, color, Settings.Width, Settings.Height, Settings.Folder);
        const TMetafile& rendering = Layout.Render();
        if (!Output.BeginPage(OutlineTitle(*page))) {
            Error = "the printer or file did not take page " + std::to_string(page->Number);
            return false;
        }
        DrawOnPaper(rendering, Settings.Background ? color : clNone, Output);
        Output.EndPage();
    }
    return true;
}
