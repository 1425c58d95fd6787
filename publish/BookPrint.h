#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <string>
#include <vector>

class TMetafile;
class TPagedOutput;
class TPageLayout;
class TPLBData;
class TPLBDataItem;

// Which pages a print takes: the page shown, a range of the book's ordinary
// pages in book order (From and To count them from 1, as a print dialog's
// page range does), or all of them.
struct TPrintRange {
    enum TKind { CurrentPage, PageRange, WholeBook };
    TKind Kind = WholeBook;
    int32_t Current = 0; // the shown page's number, for CurrentPage
    int From = 1;
    int To = 1;
};

// The book's ordinary pages (not sub-pages), in book order.
std::vector<const TPLBDataItem*> BookOrderPages(const TPLBData& Book);

// The pages Range takes, in book order; a range reaching past the book is cut
// to it, and one wholly outside it (or reversed) takes none.
std::vector<const TPLBDataItem*> PagesToPrint(const TPLBData& Book, const TPrintRange& Range);

// How pages are printed: laid out at the page view's real size, the page's
// colour behind them or not, pictures the book does not store looked for in
// Folder ("" for the current folder).
struct TPrintSettings {
    int Width = 762;
    int Height = 463;
    bool Background = true;
    std::string Folder;
};

// The title a page's outline entry shows (UTF-8): its title, or its number
// when it has none.
std::string OutlineTitle(const TPLBDataItem& Page);

// Draws Rendering, a page laid out at its real size, on Output's open page,
// scaled to fit the printable area with its proportions kept, centred across
// its top; Background (RGB) fills the page's area first unless it is clNone.
// Text, vectors and pictures replay as they were recorded, at the device's
// resolution.
void DrawOnPaper(const TMetafile& Rendering, TColor Background, TPagedOutput& Output);

// Prints Pages, one per output page, through Layout; false with Error when
// the output failed (the document is then incomplete).
bool PrintPages(const std::vector<const TPLBDataItem*>& Pages, TPageLayout& Layout,
                const TPrintSettings& Settings, TPagedOutput& Output, std::string& Error);
