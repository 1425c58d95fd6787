// plbtool layout: the laid-out lines of a page, with every word's painted
// rectangle and the link rectangles, as JSON.
#include "Commands.h"
#include "PageView.h"
#include "common/Json.h"
#include "hypertext/HyperMacros.h"
#include "platform/base/Cp1251.h"

#include <iostream>
#include <map>

namespace {

using TWordRects = std::map<const THyperWord*, TRect>;

void WriteRect(TJsonWriter& j, const TRect& r) {
    j.BeginArray().Int(r.Left).Int(r.Top).Int(r.Right).Int(r.Bottom).EndArray();
}

void WriteFont(TJsonWriter& j, const TFont& f) {
    const TFontStyles s = f.Style();
    j.BeginObject().Key("name").String(Cp1251ToUtf8(f.Name()));
    j.Key("height").Int(f.Height()).Key("size").Int(f.Size());
    j.Key("bold").Bool(s.Contains(fsBold)).Key("italic").Bool(s.Contains(fsItalic));
    j.Key("underline").Bool(s.Contains(fsUnderline));
    j.Key("strikeOut").Bool(s.Contains(fsStrikeOut));
    j.Key("color").UInt(static_cast<uint32_t>(f.Color())).Key("charset").Int(f.Charset());
    j.Key("pitch").Int(f.Pitch()).Key("weight").Int(f.Weight()).EndObject();
}

void WriteMacro(TJsonWriter& j, const THyperMacros* m) {
    if (!m) {
        j.Null();
        return;
    }
    j.BeginObject().Key("name").String(Cp1251ToUtf8(m->Name)).Key("kind").Int(m->Kind);
    j.Key("placement").Int(m->Placement).Key("width").Int(m->Width);
    j.Key("height").Int(m->Height).Key("fileName").String(Cp1251ToUtf8(m->FileName));
    j.EndObject();
}

void WriteLines(TJsonWriter& j, const THyperLines& Lines, const TWordRects& Rects);

void WriteBorder(TJsonWriter& j, const THyperBorder* b, const TWordRects& Rects) {
    if (!b) {
        j.Null();
        return;
    }
    j.BeginObject().Key("side").Int(b->Side).Key("width").Int(b->Width);
    j.Key("bounds");
    WriteRect(j, b->Bounds);
    j.Key("contentBounds");
    WriteRect(j, b->ContentBounds);
    j.Key("lines");
    WriteLines(j, b->Lines, Rects);
    j.EndObject();
}

void WriteWord(TJsonWriter& j, const THyperWord& w, const TWordRects& Rects) {
    const auto found = Rects.find(&w);
    const TRect r = found != Rects.end() ? found->second : TRect{};
    const THyperStyle& s = *w.Style;
    j.BeginObject().Key("text").String(Cp1251ToUtf8(w.Text));
    j.Key("x").Int(r.Left).Key("y").Int(r.Top).Key("width").Int(r.Width());
    j.Key("height").Int(r.Height()).Key("joined").Bool(w.Joined);
    j.Key("paragraphEnd").Bool(w.ParagraphEnd).Key("clearBorders").Bool(w.ClearBorders);
    j.Key("linkId").Int(w.LinkId).Key("indexKind").Int(w.IndexKind);
    j.Key("shiftX").Int(w.ShiftX).Key("shiftY").Int(w.ShiftY).Key("font");
    WriteFont(j, *s.Font());
    j.Key("alignment").Int(s.Alignment()).Key("layout").Int(s.Layout());
    j.Key("background").Bool(s.Background());
    j.Key("backColor").UInt(static_cast<uint32_t>(s.BackColor())).Key("macro");
    WriteMacro(j, w.Macros.get());
    j.Key("border");
    WriteBorder(j, w.Border.get(), Rects);
    j.EndObject();
}

void WriteLines(TJsonWriter& j, const THyperLines& Lines, const TWordRects& Rects) {
    j.BeginArray();
    for (const auto& line : Lines) {
        j.BeginObject().Key("bounds");
        WriteRect(j, line->Bounds);
        j.Key("ascent").Int(line->Ascent).Key("descent").Int(line->Descent);
        j.Key("lift").Int(line->Lift).Key("freeSpace").Int(line->FreeSpace);
        j.Key("spaceCount").Int(line->SpaceCount).Key("words").BeginArray();
        for (const auto& word : line->Words)
            WriteWord(j, *word, Rects);
        j.EndArray().EndObject();
    }
    j.EndArray();
}

void WriteLinks(TJsonWriter& j, const THyperLink* Link) {
    j.BeginArray();
    for (; Link; Link = Link->Next()) {
        j.BeginObject().Key("id").Int(Link->Id()).Key("hint").String(Cp1251ToUtf8(Link->Hint()));
        j.Key("rects").BeginArray();
        const auto& rects = Link->Rects();
        for (size_t i = 0; i < rects.size() && i < static_cast<size_t>(Link->RectsInUse()); ++i)
            WriteRect(j, rects[i]);
        j.EndArray().EndObject();
    }
    j.EndArray();
}

} // namespace

int RunLayout(const TCommandArgs& Args) {
    TPageRequest request;
    if (!ParsePageRequest(Args, false,
                          "plbtool layout (--markup FILE | BOOK.plb --page N) [--size WxH]",
                          request))
        return 2;
    TPageView page;
    std::string error;
    if (!page.Load(request, error)) return Fail(error);
    TWordRects rects;
    THyperText& view = page.View();
    view.OnPaintWord = [&rects](const THyperWord& Word, const TRect& R) { rects[&Word] = R; };
    page.Render();
    view.OnPaintWord = nullptr;

    TJsonWriter j;
    j.BeginObject().Key("realWidth").Int(view.THyperControl::RealWidth());
    j.Key("realHeight").Int(view.THyperControl::RealHeight()).Key("lines");
    WriteLines(j, view.TextLines(), rects);
    j.Key("links");
    WriteLinks(j, view.Links());
    j.EndObject();
    std::cout << j.Text();
    return 0;
}
