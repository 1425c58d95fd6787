#include "hypertext/PageText.h"

#include "hypertext/MarkupCompiler.h"
#include "hypertext/MarkupRecords.h"

using namespace markup;

namespace {

bool IsSpace(unsigned char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == 0xA0;
}

// Appends Text with white space collapsed into the single spaces of Out.
void AppendText(AnsiString& Out, const char* Text, int Length) {
    for (int i = 0; i < Length; ++i) {
        const auto c = static_cast<unsigned char>(Text[i]);
        if (IsSpace(c) || c < ' ') {
            if (!Out.empty() && Out.back() != ' ') Out += ' ';
        } else {
            Out += static_cast<char>(c);
        }
    }
}

} // namespace

AnsiString PageText(const AnsiString& Markup) {
    const std::vector<uint8_t> records = CompileMarkup(Markup);
    AnsiString text;
    text.reserve(Markup.size());
    int macroDepth = 0;
    TRecord r;
    for (size_t at = 0; ReadRecord(records, at, r); at = r.End) {
        if (r.Keyword == kwMacros) {
            if (r.Tag == rtSet) ++macroDepth;
            if (r.Tag == rtReset && macroDepth > 0) --macroDepth;
            continue;
        }
        if (r.Tag == rtText) {
            if (macroDepth == 0) AppendText(text, r.Text, r.Length);
            continue;
        }
        // Breaks and spaces of the layout part words.
        if (r.Keyword == kwP || r.Keyword == kwLine || r.Keyword == kwSpace ||
            r.Keyword == kwNbspc || r.Keyword == kwTab)
            AppendText(text, " ", 1);
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}
