#include "publish/WebEdition.h"

#include "data/Data.h"
#include "hypertext/HyperDocument.h"
#include "hypertext/HyperMacros.h"
#include "platform/base/AnsiText.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"
#include "platform/base/Streams.h"
#include "platform/graphics/Picture.h"
#include "publish/HtmlText.h"
#include "publish/OutputPaths.h"
#include "publish/WebBody.h"
#include "publish/WebDocument.h"
#include "publish/WebFiles.h"
#include "publish/WebPageView.h"
#include "publish/WebPictures.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace {

// The size of the page view the pages are laid out for: the viewer's page
// area in its first window.
constexpr int PageWidth = 762;
constexpr int PageHeight = 463;
// Sub-pages opening one another are shown over a page at most this deep.
constexpr size_t MaxSubPages = 32;

struct TNavButton {
    int32_t TPLBNavPoints::*Target;
    const char* Caption;
    const char* Hint;
};

constexpr TNavButton NavButtons[] = {
    {&TPLBNavPoints::First, "В начало", "Перейти к началу раздела"},
    {&TPLBNavPoints::Prev, "Назад", "Перейти к предыдущей странице"},
    {&TPLBNavPoints::Next, "Вперед", "Перейти к следующей странице"},
    {&TPLBNavPoints::Last, "В конец", "Перейти к концу раздела"},
    {&TPLBNavPoints::Contents, "Содержание", "Перейти к содержанию"},
};

class TEditionWriter {
public:
    TEditionWriter(const TPLBData& Book, const TPLBHTP& Pictures, const std::string& OutDir,
                   const TWebOptions& Options, TWebManifest& Manifest)
        : FBook(Book), FStore(Pictures), FOutDir(OutDir), FOptions(Options), FManifest(Manifest),
          FFiles(OutDir, FNames, Options.BookFolder),
          FPictures(OutDir, FNames, [this](const AnsiString& Name) { return PictureBytes(Name); }),
          FView(PageWidth, PageHeight,
                [this](const AnsiString& Name, const std::function<void(TStream&)>& Read) {
                    return ReadPicture(Name, Read);
                }) {}

    bool Run(std::string& Error);

private:
    void NamePages();
    std::shared_ptr<const std::string> PictureBytes(const AnsiString& Name);
    bool ReadPicture(const AnsiString& Name, const std::function<void(TStream&)>& Read);
    const TPLBDataItem* MainPage(int32_t Number) const;
    const TPLBDataItem* SubPage(int32_t Number) const;
    // The file name of an item's document (its folder is that of every page); "" for none.
    std::string PathOf(const TPLBDataItem* Item) const;
    // The address of link Id of Item, as seen from a page document; sub-pages
    // reached from a main page are collected into Popups.
    std::string LinkHref(const TPLBDataItem& Item, int Id, std::vector<int32_t>* Popups);
    std::string PageBody(const TPLBDataItem& Item, std::vector<int32_t>* Popups);
    std::string ObjectMarkup(THyperMacros& Macros, const TPLBDataItem& Item,
                             std::vector<int32_t>* Popups);
    std::string Navigation(const TPLBDataItem& Item);
    std::string PageDocument(const TPLBDataItem& Item);
    std::string IndexDocument();
    bool Write(const std::string& Path, const std::string& Text, std::string& Error);

    const TPLBData& FBook;
    const TPLBHTP& FStore;
    std::string FOutDir;
    const TWebOptions& FOptions;
    TWebManifest& FManifest;
    TOutputNames FNames;
    TWebFiles FFiles;
    TWebPictures FPictures;
    TWebPageView FView;
    std::vector<std::string> FPagePaths; // parallel to the book's items
    std::map<const TPLBDataItem*, size_t> FItemIndex;
    std::map<std::string, std::shared_ptr<const std::string>> FBytes; // by source
    std::string FBackground; // CSS of the page being written
    TWebClasses FClasses;    // the text styles of the page being written
};

std::string Title(const TPLBDataItem& Item) {
    const AnsiString& t = Item.Title.empty() ? Item.ShortTitle : Item.Title;
    return Cp1251ToUtf8(t);
}

std::string FileOf(const std::string& Path) {
    return Path.substr(Path.rfind('/') + 1);
}

void TEditionWriter::NamePages() {
    FNames.Reserve("index" + FOptions.PageExtension);
    FNames.Reserve("style.css");
    for (const auto& item : FBook.Items) {
        const std::string stem = (item->SubPage ? "s" : "p") + [&] {
            char n[16];
            std::snprintf(n, sizeof n, "%04d", item->Number);
            return std::string(n);
        }();
        FItemIndex[item.get()] = FPagePaths.size();
        FPagePaths.push_back(FNames.Take("pages", stem, FOptions.PageExtension));
    }
}

const TPLBDataItem* TEditionWriter::MainPage(int32_t Number) const {
    for (const auto& item : FBook.Items)
        if (item->Number == Number && item->SubPage == 0) return item.get();
    return nullptr;
}

std::string TEditionWriter::PathOf(const TPLBDataItem* Item) const {
    const auto found = FItemIndex.find(Item);
    return found == FItemIndex.end() ? std::string() : FileOf(FPagePaths[found->second]);
}

const TPLBDataItem* TEditionWriter::SubPage(int32_t Number) const {
    for (const auto& item : FBook.Items)
        if (item->Number == Number && item->SubPage != 0) return item.get();
    return nullptr;
}

// The stored picture's bytes, from its start to the end recorded before it,
// when that range lies inside the store; else the file in the book's folder.
// The store finds names without regard to letter case, the folder may hold
// names that differ only in it: each source is read once.
std::shared_ptr<const std::string> TEditionWriter::PictureBytes(const AnsiString& Name) {
    const int index = FStore.IndexOfPicture(Name);
    const int64_t start = index < 0 ? 0 : FStore.Offsets[static_cast<size_t>(index)];
    const std::string file = start > 0 ? std::string() : FFiles.BookFilePath(Name);
    const std::string key = start > 0 ? "store:" + std::to_string(start) : "file:" + file;
    if (const auto found = FBytes.find(key); found != FBytes.end()) return found->second;
    std::shared_ptr<const std::string> bytes;
    if (start > 0 && FStore.Data) {
        const int64_t end = FStore.PictureEnd(index);
        if (end > start && end <= FStore.Data->Size())
            bytes = std::make_shared<const std::string>(FStore.Data->Memory() + start,
                                                        static_cast<size_t>(end - start));
    } else if (!file.empty()) {
        bytes = FFiles.BookFileBytes(Name);
    }
    FBytes[key] = bytes;
    return bytes;
}

bool TEditionWriter::ReadPicture(const AnsiString& Name,
                                 const std::function<void(TStream&)>& Read) {
    const auto bytes = PictureBytes(Name);
    if (!bytes) return false;
    TMemoryStream stream;
    stream.Write(bytes->data(), static_cast<int64_t>(bytes->size()));
    stream.SetPosition(0);
    Read(stream);
    return true;
}

std::string TEditionWriter::LinkHref(const TPLBDataItem& Item, int Id,
                                     std::vector<int32_t>* Popups) {
    for (const auto& reaction : Item.Reactions) {
        if (reaction->LinkNumber != Id) continue;
        if (!reaction->ShellFile.empty()) {
            const std::string href = FFiles.ShellFileHref(reaction->ShellFile);
            if (!href.empty()) return href;
        }
        if (const TPLBDataItem* sub = SubPage(reaction->Target)) {
            if (!Popups) return PathOf(sub);
            bool known = false;
            for (const int32_t n : *Popups)
                known = known || n == sub->Number;
            if (!known && Popups->size() < MaxSubPages) Popups->push_back(sub->Number);
            return "#sub" + std::to_string(sub->Number);
        }
        return PathOf(MainPage(reaction->Target));
    }
    return "";
}

std::string TEditionWriter::ObjectMarkup(THyperMacros& Macros, const TPLBDataItem& Item,
                                         std::vector<int32_t>* Popups) {
    const std::string size = " width=\"" + std::to_string(Macros.Width) + "\" height=\"" +
                             std::to_string(Macros.Height) + "\"";
    if (Macros.Kind == mkMedia)
        return FFiles.MediaMarkup(Macros.FileName, Macros.Width, Macros.Height);
    const bool vector = AnsiSameText(Macros.Name, "vector_picture");
    if (vector && Macros.Links && Macros.Picture && Macros.Picture->Graphic()) {
        // Linked vector pictures are drawn into the page, so that their links
        // are the page's.
        const std::string svg =
            FPictures.Svg(*Macros.Picture->Graphic(), Macros.Width, Macros.Height, &Macros,
                          [&](int Id) { return LinkHref(Item, Id, Popups); });
        return svg.substr(svg.find("<svg"));
    }
    const std::string file = FPictures.PictureFile(Macros);
    if (file.empty()) return "";
    return "<img src=\"../" + XmlEscape(UrlPath(file)) + "\"" + size + " alt=\"" +
           XmlText(Macros.FileName) + "\"/>";
}

std::string TEditionWriter::PageBody(const TPLBDataItem& Item, std::vector<int32_t>* Popups) {
    if (Item.SubPage)
        FView.SetRealSize(std::clamp(Item.Bounds.Width, 30, PageWidth),
                          std::clamp(Item.Bounds.Height, 30, PageHeight));
    else
        FView.SetRealSize(PageWidth, PageHeight);
    const std::unique_ptr<THyperString> root = FView.Interpret(Item.Lines);
    TWebBodyLinks links;
    links.Href = [&](int Id) { return LinkHref(Item, Id, Popups); };
    links.Object = [&](THyperMacros& Macros) { return ObjectMarkup(Macros, Item, Popups); };
    links.Background = [&](THyperMacros& Macros) {
        const std::string file = FPictures.PictureFile(Macros);
        if (file.empty()) return;
        FBackground = ";background-image:url('../" + UrlPath(file) + "')";
        if (Macros.Kind == mkCenteredBackground)
            FBackground += ";background-repeat:no-repeat;background-position:center";
        if (Macros.Kind == mkStretchedBackground)
            FBackground += ";background-repeat:no-repeat;background-size:100% 100%";
    };
    return WebBody(*root, FView.PageStyle(), links, FClasses);
}

std::string TEditionWriter::Navigation(const TPLBDataItem& Item) {
    std::string nav = "<div class=\"plb-nav\">";
    for (const TNavButton& button : NavButtons) {
        const std::string href = PathOf(MainPage(Item.NavPoints[0].*button.Target));
        if (href.empty())
            nav += std::string("<span>") + button.Caption + "</span>";
        else
            nav += "<a href=\"" + XmlEscape(UrlPath(href)) + "\" title=\"" + button.Hint + "\">" +
                   button.Caption + "</a>";
    }
    nav += "<a href=\"../index" + FOptions.PageExtension + "\">" +
           XmlEscape(Cp1251ToUtf8(FBook.Title)) + "</a></div>\n";
    return nav;
}

std::string PageBox(const std::string& Class, const std::string& Style, const std::string& Body) {
    return "<div class=\"" + Class + "\" style=\"" + XmlEscape(Style) + "\">\n" + Body + "</div>\n";
}

std::string TEditionWriter::PageDocument(const TPLBDataItem& Item) {
    std::vector<int32_t> popups;
    FBackground.clear();
    FClasses = TWebClasses{};
    const bool main = Item.SubPage == 0;
    std::string body = PageBody(Item, main ? &popups : nullptr);
    const std::string colour = "background-color:" + CssColor(Item.Color);
    const int width = main ? PageWidth : std::max(30, Item.Bounds.Width);
    const int height = main ? PageHeight : std::max(30, Item.Bounds.Height);
    std::string page = PageBox("plb-page",
                               colour + ";width:" + std::to_string(width) +
                                   "px;min-height:" + std::to_string(height) + "px" + FBackground,
                               body);
    // Sub-pages the page's links open, each over its place on the page; the
    // pop-ups they open in turn join the list.
    std::string overlays;
    for (size_t i = 0; i < popups.size(); ++i) {
        const TPLBDataItem* sub = SubPage(popups[i]);
        FBackground.clear();
        std::string content = PageBody(*sub, &popups);
        const TPLBBounds& b = sub->Bounds;
        overlays +=
            "<div id=\"sub" + std::to_string(sub->Number) + "\" class=\"plb-popup\" style=\"" +
            XmlEscape("background-color:" + CssColor(sub->Color) +
                      ";left:" + std::to_string(b.Left) + "px;top:" + std::to_string(b.Top) +
                      "px;width:" + std::to_string(std::max(30, b.Width)) +
                      "px;height:" + std::to_string(std::max(30, b.Height)) + "px" + FBackground) +
            "\">\n<a class=\"plb-close\" href=\"#\" title=\"Закрыть\">×</a>\n" + content +
            "</div>\n";
    }
    if (!overlays.empty()) page.insert(page.size() - 7, overlays);
    return DocumentStart(Title(Item), "../style.css", FClasses.Rules()) +
           (main ? Navigation(Item) : "") + page + DocumentEnd();
}

std::string TEditionWriter::IndexDocument() {
    std::string list =
        "<div class=\"plb-contents\">\n<h1>" + XmlText(FBook.Title) + "</h1>\n<ol>\n";
    size_t i = 0;
    for (const auto& entry : FBook.Items) {
        const TPLBDataItem& item = *entry;
        std::string title = Title(item);
        if (title.empty()) title = std::to_string(item.Number);
        list += std::string("<li") + (item.SubPage ? " class=\"plb-sub\"" : "") + "><a href=\"" +
                XmlEscape(UrlPath(FPagePaths[i++])) + "\">" + XmlEscape(title) + "</a></li>\n";
    }
    list += "</ol>\n</div>\n";
    return DocumentStart(Cp1251ToUtf8(FBook.Title), "style.css") + list + DocumentEnd();
}

bool TEditionWriter::Write(const std::string& Path, const std::string& Text, std::string& Error) {
    if (WriteTextFile(FOutDir + "/" + Path, Text)) return true;
    Error = "cannot write " + FOutDir + "/" + Path;
    return false;
}

bool TEditionWriter::Run(std::string& Error) {
    for (const char* folder : {"", "/pages", "/pictures"})
        if (!MakeFolders(FOutDir + folder)) {
            Error = "cannot create the folder " + FOutDir + folder;
            return false;
        }
    FManifest = TWebManifest{};
    FManifest.Title = Cp1251ToUtf8(FBook.Title);
    FManifest.Index = "index" + FOptions.PageExtension;
    NamePages();
    const int total = static_cast<int>(FBook.Items.size());
    int done = 0;
    for (const auto& entry : FBook.Items) {
        const TPLBDataItem& item = *entry;
        const std::string& path = FPagePaths[static_cast<size_t>(done)];
        if (!Write(path, PageDocument(item), Error)) return false;
        FManifest.Pages.push_back({path, Title(item), item.Number, item.SubPage != 0});
        ++done;
        if (FOptions.OnProgress) FOptions.OnProgress(done, total);
    }
    if (!Write(FManifest.Index, IndexDocument(), Error) ||
        !Write("style.css", EditionStyleSheet(), Error))
        return false;
    FManifest.Resources.push_back({"style.css", "text/css"});
    if (!FPictures.Finish(FManifest.Resources, Error)) return false;
    return FFiles.Finish(FManifest.Resources, Error);
}

} // namespace

bool WriteWebEdition(const TPLBData& Book, const TPLBHTP& Pictures, const std::string& OutDir,
                     const TWebOptions& Options, TWebManifest& Manifest, std::string& Error) {
    Error.clear();
    if (OutDir.empty()) {
        Error = "no output folder";
        return false;
    }
    TEditionWriter writer(Book, Pictures, OutDir, Options, Manifest);
    return writer.Run(Error);
}
