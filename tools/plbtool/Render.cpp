// plbtool render: a page as the viewer shows it, written as PNG; or pages
// printed to PDF as the viewer prints them.
#include "Commands.h"
#include "PageView.h"
#include "platform/base/Colors.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/graphics/PdfOutput.h"
#include "publish/BookPrint.h"
#include "publish/PageLayout.h"

namespace {

bool Landscape(const TPageRequest& Request) {
    return Request.Width > Request.Height;
}

// A markup file: one page, named after the file.
int RenderMarkupPdf(const TPageRequest& Request) {
    TPageView page;
    std::string error;
    if (!page.Load(Request, error)) return Fail(error);
    const std::string title = ExtractFileName(Request.Markup);
    TPdfOutput pdf(Request.Output, title, Landscape(Request));
    if (!pdf.BeginPage(title)) return Fail("cannot write " + Request.Output);
    DrawOnPaper(page.Render(), Request.Background ? page.Color() : clNone, pdf);
    pdf.EndPage();
    if (!pdf.Finish(error)) return Fail(error);
    return 0;
}

// A book's page or all its ordinary pages, in book order.
int RenderBookPdf(const TPageRequest& Request) {
    TLoadedBook book;
    if (!LoadBook(Request.Book, book)) return Fail(book.Error);
    TPrintRange range;
    range.Kind = Request.All ? TPrintRange::WholeBook : TPrintRange::CurrentPage;
    range.Current = Request.Page;
    const auto pages = PagesToPrint(*book.Book, range);
    if (pages.empty())
        return Fail(Request.Book + (Request.All ? ": no ordinary page"
                                                : ": no page " + std::to_string(Request.Page)));
    TPageLayout layout([&book](const AnsiString& Name, const std::function<void(TStream&)>& Read,
                               bool& Processed, bool& Aborted) {
        if (book.Pictures.Data) book.Pictures.LoadPicture(Name, Read, Processed, Aborted);
    });
    TPrintSettings settings;
    settings.Width = Request.Width;
    settings.Height = Request.Height;
    settings.Background = Request.Background;
    settings.Folder = ExtractFilePath(Request.Book);
    TPdfOutput pdf(Request.Output, Cp1251ToUtf8(book.Book->Title), Landscape(Request));
    std::string error;
    if (!PrintPages(pages, layout, settings, pdf, error) || !pdf.Finish(error))
        return Fail(Request.Output + ": " + error);
    return 0;
}

} // namespace

int RunRender(const TCommandArgs& Args) {
    const char* const syntax =
        "plbtool render (--markup FILE | BOOK.plb --page N) [--size WxH] [--zoom STEP] -o OUT.png\n"
        "       plbtool render (--markup FILE | BOOK.plb (--page N | --all)) [--size WxH]\n"
        "                      [--no-background] -o OUT.pdf";
    TPageRequest request;
    if (!ParsePageRequest(Args, true, syntax, request)) return 2;
    if (request.Pdf())
        return request.Markup.empty() ? RenderBookPdf(request) : RenderMarkupPdf(request);
    TPageView page;
    std::string error;
    if (!page.Load(request, error)) return Fail(error);
    page.Render();
    if (!page.Zoom(request.Zoom)) {
        Usage("--zoom " + std::to_string(request.Zoom) + " gives no usable size");
        return 2;
    }
    if (!page.SavePng(request.Output)) return Fail("cannot write " + request.Output);
    return 0;
}
