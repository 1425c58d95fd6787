#include "data/Textbook.h"

#include "platform/base/Cp1251.h"

AnsiString DefaultTextbookTitle() {
    return Utf8ToCp1251("Новый учебник");
}

TPLBData::TPLBData(TPLBProgress* Progress) : Progress(Progress) {
    Clear();
}

void TPLBData::Clear() {
    Items.clear();
    Title = DefaultTextbookTitle();
    StartPage = 0;
    SubPages = 0;
    Sizeable = false;
    NavStart = 0;
    Reserved = false;
    Zoomable = true;
    DblClickClose = false;
}
