// plbtool trace: a page's display list, one canvas call per line.
#include "Commands.h"
#include "PageView.h"
#include "platform/displaylist/Metafile.h"

#include <iostream>

int RunTrace(const TCommandArgs& Args) {
    TPageRequest request;
    if (!ParsePageRequest(
            Args, false, "plbtool trace (--markup FILE | BOOK.plb --page N) [--size WxH]", request))
        return 2;
    TPageView page;
    std::string error;
    if (!page.Load(request, error)) return Fail(error);
    std::cout << page.Render().Trace();
    return 0;
}
