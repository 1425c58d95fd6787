#include "hypertext/MarkupInterpreter.h"

#include "hypertext/HyperMacros.h"
#include "hypertext/MarkupRecords.h"
#include "hypertext/StyleRecords.h"

#include <cstdlib>

using namespace markup;

namespace {

class TInterpreter {
public:
    TInterpreter(const std::vector<uint8_t>& Records, TInterpreterHost& Host)
        : records(Records), host(Host) {}

    std::unique_ptr<THyperString> Run();

private:
    THyperWord* Current() const { return filling->Last(); }
    void NewWord(bool joined);
    void Fill(const AnsiString& text, bool joinNext);
    void TextRun(const TRecord& r);
    bool Spacing(const TRecord& r);
    bool StyleBlock(const TRecord& r);
    bool WordAttribute(const TRecord& r);
    void Shift(const TRecord& r);
    void OpenBorder(const TRecord& r);
    void CloseBorder(int side);
    size_t Macros(const TRecord& r);
    // The style that style records change: an open block's working style, or
    // the current word's own.
    THyperStyle& Target() { return block >= 0 ? host.WorkingStyle(block) : Current()->OwnStyle(); }
    const THyperStyle& TargetView() const {
        return block >= 0 ? host.WorkingStyle(block) : *Current()->Style;
    }
    int FontPixelHeight() const { return -TargetView().Font()->Height(); }
    int MeasureWidth(const AnsiString& text);

    const std::vector<uint8_t>& records;
    TInterpreterHost& host;
    std::unique_ptr<THyperString> root;
    THyperString* filling = nullptr;
    THyperWord* previous = nullptr;
    int block = -1; // working style of an open <STYLEn> block
    TStyleRecordState colours;
    bool noSpace = false;
    int counter = 0;
};

void TInterpreter::NewWord(bool joined) {
    previous = Current();
    filling->Words.push_back(std::make_unique<THyperWord>(previous));
    Current()->Joined = joined;
    noSpace = false;
}

void TInterpreter::Fill(const AnsiString& text, bool joinNext) {
    Current()->Text = text;
    NewWord(joinNext);
}

void TInterpreter::TextRun(const TRecord& r) {
    AnsiString text(r.Text, static_cast<size_t>(r.Length));
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
        if (!noSpace) Current()->Joined = false;
    }
    bool joinNext = true;
    if (!text.empty()) {
        const char last = text.back();
        if (last == ' ' || last == '\t' || last == '\r' || last == '\n') {
            text.pop_back();
            joinNext = false;
        }
    }
    Fill(text, joinNext);
}

// SPACE, NBSPC and TAB fill a word with spaces, set or reset alike.
bool TInterpreter::Spacing(const TRecord& r) {
    if (r.Keyword == kwSpace || r.Keyword == kwNbspc) {
        if (r.Keyword == kwNbspc) Current()->Joined = true;
        Fill(" ", true);
        return true;
    }
    if (r.Keyword == kwTab && (r.Tag == rtReset || r.Tag == rtNumber || r.Tag == rtPercentage)) {
        const int count = r.Tag == rtReset ? host.TabSize() : r.Number;
        Fill(AnsiString(static_cast<size_t>(std::clamp(count, 0, 65535)), ' '), true);
        return true;
    }
    return false;
}

bool TInterpreter::StyleBlock(const TRecord& r) {
    if (r.Keyword >= kwStyle0 && r.Keyword <= kwStyleF) {
        if (r.Tag == rtSet) {
            block = r.Keyword - kwStyle0;
        } else if (r.Tag == rtReset) {
            block = -1;
        }
        return true;
    }
    if (r.Keyword == kwStyle && block < 0) {
        if (r.Tag == rtSet && r.ValueKeyword >= kwStyle0 && r.ValueKeyword <= kwStyleF)
            Current()->OwnStyle().Assign(host.WorkingStyle(r.ValueKeyword - kwStyle0));
        else if (r.Tag == rtReset)
            Current()->OwnStyle().Assign(host.DefaultStyle());
        return true;
    }
    return r.Keyword == kwStyle;
}

int TInterpreter::MeasureWidth(const AnsiString& text) {
    const TFont& targetFont = *TargetView().Font();
    if (block >= 0 || Current()->IndexKind == 0) return host.TextWidth(targetFont, text);
    TFont font;
    font.Assign(targetFont);
    font.SetHeight(font.Height() * host.IndexStyle().Height() / 100);
    return host.TextWidth(font, text);
}

void TInterpreter::Shift(const TRecord& r) {
    THyperWord* word = Current();
    const bool vertical = r.Keyword == kwDown || r.Keyword == kwUp;
    int distance = r.Number;
    if (r.Tag == rtPercentage)
        distance = (vertical ? host.RealHeight() : host.RealWidth()) * r.Number / 100;
    if (r.Tag == rtReset) {
        if (vertical)
            distance = FontPixelHeight();
        else if (previous)
            distance = MeasureWidth(previous->Text);
        else
            return; // </LEFT> and </RIGHT> before any word do nothing
    }
    if (r.Keyword == kwDown) word->ShiftY = distance;
    if (r.Keyword == kwUp) word->ShiftY = -distance;
    if (r.Keyword == kwLeft) word->ShiftX -= distance;
    if (r.Keyword == kwRight) word->ShiftX += distance;
    word->Joined = true;
}

void TInterpreter::OpenBorder(const TRecord& r) {
    const uint8_t side = static_cast<uint8_t>(Keyword(r.Keyword).Value);
    int width = r.Number;
    if (r.Tag == rtPercentage) width = (host.RealWidth() - 1) * r.Number / 100;
    if (previous) previous->LineBreak = true;
    THyperWord* anchor = Current();
    anchor->Border = std::make_unique<THyperBorder>(filling);
    THyperBorder& border = *anchor->Border;
    border.Width = width;
    border.Side = width > 0 && width < host.RealWidth() ? side : 0;
    border.Origin = static_cast<int>(r.Position);
    filling->Words.push_back(std::make_unique<THyperWord>(anchor));
    THyperString* content = border.Content.get();
    content->Parent = filling;
    content->Side = side;
    content->First()->Assign(filling->Last());
    filling = content;
    previous = nullptr;
}

void TInterpreter::CloseBorder(int side) {
    if (!filling->Parent || filling->Side != side) return;
    filling = filling->Parent;
    previous = filling->Count() > 1 ? filling->Word(filling->Count() - 2) : nullptr;
}

bool TInterpreter::WordAttribute(const TRecord& r) {
    THyperWord* word = Current();
    const bool set = r.Tag == rtSet || r.Tag == rtNumber;
    switch (r.Keyword) {
    case kwA:
        word->LinkId = r.Tag == rtNumber ? r.Number : -1;
        if (r.Tag == rtNumber) host.AddHyperLink(r.Number, word->Hint);
        return true;
    case kwHint:
        word->Hint = r.Tag == rtSet ? AnsiString(r.Text, static_cast<size_t>(r.Length)) : "";
        return true;
    case kwDown:
    case kwUp:
    case kwLeft:
    case kwRight:
        Shift(r);
        return true;
    case kwHeight:
        word->LineHeight = r.Tag == rtNumber       ? r.Number
                           : r.Tag == rtPercentage ? FontPixelHeight() * r.Number / 100
                                                   : FontPixelHeight();
        return true;
    case kwWidth:
        word->MinWidth = r.Tag == rtNumber       ? r.Number
                         : r.Tag == rtPercentage ? host.RealWidth() * r.Number / 100
                                                 : MeasureWidth("W");
        return true;
    case kwSub:
    case kwSup: {
        const uint8_t kind = r.Keyword == kwSub ? 1 : 2;
        if (r.Tag == rtSet) {
            word->IndexKind = kind;
            word->IndexBase = FontPixelHeight();
            word->Joined = true;
        } else if (word->IndexKind == kind) {
            word->IndexKind = 0;
            word->IndexBase = 0;
        }
        return true;
    }
    case kwNoSpace:
        word->Joined = set;
        noSpace = set;
        return true;
    case kwLine:
        if (previous) previous->LineBreak = true;
        return true;
    case kwP:
        if (previous) previous->ParagraphEnd = true;
        return true;
    case kwBorder:
        if (previous) {
            previous->ParagraphEnd = true;
            previous->ClearBorders = r.Tag == rtReset;
        }
        return true;
    case kwLeftBorder:
    case kwRightBorder:
        if (r.Tag == rtReset)
            CloseBorder(Keyword(r.Keyword).Value);
        else
            OpenBorder(r);
        return true;
    default:
        return false;
    }
}

// <MACROS=name>: creates the object, fills its body from the text runs that
// follow and lets the host decide its kind. Returns where interpretation goes on.
size_t TInterpreter::Macros(const TRecord& r) {
    THyperWord* word = Current();
    size_t next = r.End;
    if (r.Tag != rtSet) {
        if (word->Macros) host.DoMacros(false, counter, word->Macros.get());
        return next;
    }
    if (!word->Macros) {
        auto macros = std::make_unique<THyperMacros>();
        macros->Name.assign(r.Text, static_cast<size_t>(r.Length));
        macros->Transparent = !word->Style->Background();
        macros->BackColor = word->Style->BackColor();
        word->Macros = std::move(macros);
    }
    THyperMacros* macros = word->Macros.get();
    TRecord run;
    size_t bodyEnd = next;
    while (ReadRecord(records, bodyEnd, run) && run.Tag == rtText) {
        if (bodyEnd != next) macros->Body += ' ';
        macros->Body.append(run.Text, static_cast<size_t>(run.Length));
        bodyEnd = run.End;
    }
    host.DoMacros(true, counter, macros);
    if (macros->Width < 1 || macros->Height < 1) macros->Kind = mkNone;
    if (macros->ConsumeBody) next = bodyEnd;
    if (macros->Kind != mkNone)
        NewWord(false);
    else
        word->Macros.reset();
    return next;
}

std::unique_ptr<THyperString> TInterpreter::Run() {
    root = std::make_unique<THyperString>();
    filling = root.get();
    THyperWord* first = root->First();
    first->Joined = true;
    first->OwnStyle().Assign(host.DefaultStyle());
    first->MinWidth = first->LineHeight = std::abs(host.DefaultStyle().Font()->Height());
    TRecord r;
    size_t position = 0;
    while (ReadRecord(records, position, r)) {
        position = r.End;
        if (r.Tag == rtText) {
            TextRun(r);
        } else if (Spacing(r) || StyleBlock(r)) {
        } else if (IsStyleRecord(r)) {
            ApplyStyleRecord(r, Target(), host.DefaultStyle(), colours);
        } else if (r.Keyword == kwMacros) {
            position = Macros(r);
        } else if (block < 0) {
            WordAttribute(r);
        }
    }
    return std::move(root);
}

} // namespace

std::unique_ptr<THyperString> InterpretMarkup(const std::vector<uint8_t>& Records,
                                              TInterpreterHost& Host) {
    return TInterpreter(Records, Host).Run();
}
