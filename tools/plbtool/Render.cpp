// plbtool render: a page as the viewer shows it, written as PNG.
#include "Commands.h"
#include "PageView.h"

int RunRender(const TCommandArgs& Args) {
    const char* const syntax =
        "plbtool render (--markup FILE | BOOK.plb --page N) [--size WxH] [--zoom STEP] -o OUT.png";
    TPageRequest request;
    if (!ParsePageRequest(Args, true, syntax, request)) return 2;
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
