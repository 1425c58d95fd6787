#include "BookArgs.h"
#include "common/Json.h"
#include "platform/base/Cp1251.h"

#include <iostream>

namespace {

std::string U(const AnsiString& s) {
    return Cp1251ToUtf8(s);
}
uint32_t Colour(TColor c) {
    return static_cast<uint32_t>(c);
}

void WriteItem(TJsonWriter& j, const TPLBDataItem& item) {
    j.BeginObject();
    j.Key("number").Int(item.Number).Key("subPage").Int(item.SubPage);
    j.Key("title").String(U(item.Title)).Key("shortTitle").String(U(item.ShortTitle));
    j.Key("bounds").BeginObject();
    j.Key("left").Int(item.Bounds.Left).Key("top").Int(item.Bounds.Top);
    j.Key("width").Int(item.Bounds.Width).Key("height").Int(item.Bounds.Height);
    j.EndObject();
    j.Key("navPoints").BeginArray();
    for (const auto& n : item.NavPoints) {
        j.BeginObject().Key("first").Int(n.First).Key("last").Int(n.Last);
        j.Key("prev").Int(n.Prev).Key("next").Int(n.Next).Key("contents").Int(n.Contents);
        j.EndObject();
    }
    j.EndArray();
    j.Key("captionPrefix").BeginArray();
    j.String(U(item.CaptionPrefix[0])).String(U(item.CaptionPrefix[1]));
    j.EndArray();
    j.Key("libraryName").String(U(item.LibraryName));
    j.Key("libraryParams").String(U(item.LibraryParams));
    j.Key("color").UInt(Colour(item.Color)).Key("fontColor").UInt(Colour(item.FontColor));
    j.Key("reactions").BeginArray();
    for (const auto& r : item.Reactions) {
        j.BeginObject().Key("linkNumber").Int(r->LinkNumber).Key("target").Int(r->Target);
        j.Key("navStart").Int(r->NavStart).Key("shellFile").String(U(r->ShellFile));
        j.EndObject();
    }
    j.EndArray();
    j.Key("lines").BeginArray();
    for (const auto& line : item.Lines.Lines())
        j.String(U(line));
    j.EndArray();
    j.EndObject();
}

} // namespace

int RunDump(const TCommandArgs& Args) {
    if (Args.size() != 1) return Usage("plbtool dump BOOK.plb");
    TLoadedBook loaded;
    if (!LoadBook(Args[0], loaded)) return Fail(loaded.Error);
    const TPLBData& book = *loaded.Book;
    TJsonWriter j;
    j.BeginObject();
    j.Key("title").String(U(book.Title)).Key("startPage").Int(book.StartPage);
    j.Key("subPages").Int(book.SubPages).Key("sizeable").Bool(book.Sizeable);
    j.Key("navStart").Int(book.NavStart).Key("reserved").Bool(book.Reserved);
    j.Key("zoomable").Bool(book.Zoomable).Key("dblClickClose").Bool(book.DblClickClose);
    j.Key("items").BeginArray();
    for (const auto& item : book.Items)
        WriteItem(j, *item);
    j.EndArray();
    const TPLBHTP& pictures = loaded.Pictures;
    j.Key("pictures").BeginObject().Key("loaded").Bool(pictures.Data != nullptr);
    j.Key("entries").BeginArray();
    for (int i = 0; i < pictures.Count(); ++i) {
        const int64_t offset = pictures.Offsets[size_t(i)];
        j.BeginObject().Key("name").String(U(pictures.Names[i])).Key("offset").Int(offset);
        j.Key("size").Int(pictures.PictureEnd(i) - offset).EndObject();
    }
    j.EndArray().EndObject();
    j.EndObject();
    std::cout << j.Text();
    return 0;
}
