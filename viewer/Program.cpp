#include "viewer/Program.h"

#include "platform/base/Cp1251.h"
#include "platform/widgets/Application.h"
#include "viewer/Viewinfo.h"
#include "viewer/Viewmarks.h"
#include "viewer/Viewpage.h"

#include <exception>
#include <memory>

TfrmPage* frmPage = nullptr;

int RunViewer(const std::string& ExeName) {
    Application().SetTitle(Utf8ToCp1251("Пожалуйста, ждите..."));
    std::unique_ptr<TfrmPage> page;
    std::unique_ptr<TfrmBookMarks> marks;
    std::unique_ptr<TfrmInfo> info;
    try {
        page = std::make_unique<TfrmPage>(ExeName);
        frmPage = page.get();
        marks = std::make_unique<TfrmBookMarks>(page.get());
        frmBookMarks = marks.get();
        info = std::make_unique<TfrmInfo>(page.get());
        frmInfo = info.get();
        Application().Run();
    } catch (const std::exception& e) {
        Application().ShowException(e);
    }
    frmInfo = nullptr;
    frmBookMarks = nullptr;
    frmPage = nullptr;
    return 0;
}
