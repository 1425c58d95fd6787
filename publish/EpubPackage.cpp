#include "publish/EpubPackage.h"

#include "data/Textbook.h"
#include "platform/base/Cp1251.h"
#include "publish/HtmlText.h"

#include <cstdio>
#include <ctime>
#include <set>

namespace {

const char* const kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The manifest item id of the N-th file: ids must be XML names, paths are not.
std::string ItemId(size_t N) {
    return "item" + std::to_string(N);
}

std::string Attribute(const char* Name, const std::string& Value) {
    return std::string(" ") + Name + "=\"" + XmlEscape(Value) + "\"";
}

// The value Map holds for Key, "" when none.
std::string Lookup(const std::map<std::string, std::string>& Map, const std::string& Key) {
    const auto found = Map.find(Key);
    return found == Map.end() ? std::string() : found->second;
}

std::string Title(const TWebManifest& Manifest) {
    return Manifest.Title.empty() ? Cp1251ToUtf8(DefaultTextbookTitle()) : Manifest.Title;
}

} // namespace

std::string EpubDateTime(long long Time) {
    const auto t = static_cast<std::time_t>(Time);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

std::string EpubPageLabel(const TWebPage& Page) {
    for (const char c : Page.Title)
        if (c != ' ' && c != '\t') return Page.Title;
    return "Страница " + std::to_string(Page.Number);
}

bool IsEpubCoreMediaType(const std::string& MediaType) {
    static const std::set<std::string> core = {"image/gif",
                                               "image/jpeg",
                                               "image/png",
                                               "image/svg+xml",
                                               "audio/mpeg",
                                               "audio/mp4",
                                               "audio/ogg",
                                               "text/css",
                                               "font/ttf",
                                               "font/otf",
                                               "font/woff",
                                               "font/woff2",
                                               "application/font-sfnt",
                                               "application/font-woff",
                                               "application/vnd.ms-opentype",
                                               "application/xhtml+xml",
                                               "application/javascript",
                                               "text/javascript",
                                               "application/x-dtbncx+xml",
                                               "application/smil+xml",
                                               "application/pls+xml"};
    return core.count(MediaType.substr(0, MediaType.find(';'))) != 0;
}

std::string EpubFallbackNote(const TWebResource& Resource, const std::string& Language) {
    const std::string name = XmlEscape(Resource.Path.substr(Resource.Path.rfind('/') + 1));
    return std::string(kXmlDeclaration) +
           "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"" +
           Attribute("xml:lang", Language) + Attribute("lang", Language) +
           ">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" + name +
           "</title>\n</head>\n<body>\n<p>Файл «" + name + "» (" + XmlEscape(Resource.MediaType) +
           ") хранится в книге без изменений, но эта программа чтения не умеет его "
           "открыть.</p>\n</body>\n</html>\n";
}

std::string EpubContentProperties(const std::string& Document) {
    std::string properties;
    const auto add = [&](const char* Tag, const char* Property) {
        if (Document.find(Tag) == std::string::npos) return;
        if (!properties.empty()) properties += ' ';
        properties += Property;
    };
    add("<math", "mathml");
    add("<script", "scripted");
    add("<svg", "svg");
    return properties;
}

std::string EpubContainerXml() {
    return std::string(kXmlDeclaration) +
           "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
           "  <rootfiles>\n"
           "    <rootfile full-path=\"" +
           kEpubContentFolder + kEpubPackageName +
           "\" media-type=\"application/oebps-package+xml\"/>\n"
           "  </rootfiles>\n"
           "</container>\n";
}

std::string EpubPackageDocument(const TWebManifest& Manifest, const TEpubInfo& Info) {
    std::string opf = kXmlDeclaration;
    opf += "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" "
           "unique-identifier=\"book-id\"" +
           Attribute("xml:lang", Manifest.Language) + ">\n";
    opf += "  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n";
    opf += "    <dc:identifier id=\"book-id\">" + XmlEscape(Info.Identifier) + "</dc:identifier>\n";
    opf += "    <dc:title>" + XmlEscape(Title(Manifest)) + "</dc:title>\n";
    opf += "    <dc:language>" + XmlEscape(Manifest.Language) + "</dc:language>\n";
    opf += "    <meta property=\"dcterms:modified\">" + Info.Modified + "</meta>\n";
    opf += "  </metadata>\n  <manifest>\n";

    // Content documents first (the contents, then the pages), each once;
    // the spine reads them in that order.
    std::set<std::string> listed{Info.NavPath};
    std::string spine;
    size_t n = 0;
    opf += "    <item id=\"nav\"" + Attribute("href", UrlPath(Info.NavPath)) +
           " media-type=\"application/xhtml+xml\" properties=\"nav\"/>\n";
    const auto addDocument = [&](const std::string& Path, bool Linear) {
        if (!listed.insert(Path).second) return;
        const std::string id = ItemId(++n);
        const std::string properties = Lookup(Info.Properties, Path);
        opf += "    <item" + Attribute("id", id) + Attribute("href", UrlPath(Path)) +
               " media-type=\"application/xhtml+xml\"" +
               (properties.empty() ? "" : Attribute("properties", properties)) + "/>\n";
        spine +=
            "    <itemref" + Attribute("idref", id) + (Linear ? "" : " linear=\"no\"") + "/>\n";
    };
    if (!Manifest.Index.empty()) addDocument(Manifest.Index, true);
    for (const TWebPage& page : Manifest.Pages)
        addDocument(page.Path, !page.SubPage);
    for (const TWebResource& resource : Manifest.Resources) {
        if (!listed.insert(resource.Path).second) continue;
        const std::string id = ItemId(++n);
        const std::string note = Lookup(Info.Fallbacks, resource.Path);
        opf += "    <item" + Attribute("id", id) + Attribute("href", UrlPath(resource.Path)) +
               Attribute("media-type", resource.MediaType) +
               (note.empty() ? "" : Attribute("fallback", id + "-note")) + "/>\n";
        if (note.empty()) continue;
        opf += "    <item" + Attribute("id", id + "-note") + Attribute("href", UrlPath(note)) +
               " media-type=\"application/xhtml+xml\"/>\n";
        spine += "    <itemref" + Attribute("idref", id) + " linear=\"no\"/>\n";
    }
    opf += "  </manifest>\n  <spine>\n" + spine + "  </spine>\n</package>\n";
    return opf;
}

std::string EpubNavDocument(const TWebManifest& Manifest) {
    const std::string title = XmlEscape(Title(Manifest));
    std::string nav = kXmlDeclaration;
    nav += "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
           "xmlns:epub=\"http://www.idpf.org/2007/ops\"" +
           Attribute("xml:lang", Manifest.Language) + Attribute("lang", Manifest.Language) +
           ">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" + title +
           "</title>\n</head>\n<body>\n<nav epub:type=\"toc\" id=\"toc\">\n<h1>" + title +
           "</h1>\n<ol>\n";
    // Pages in book order; the sub-pages that follow a page in a list of
    // their own beneath it (a sub-page before any page stands at the top level).
    bool pageOpen = false, subListOpen = false;
    const auto closeSubList = [&] {
        if (subListOpen) nav += "</ol>";
        subListOpen = false;
    };
    for (const TWebPage& page : Manifest.Pages) {
        const std::string link = "<a" + Attribute("href", UrlPath(page.Path)) + ">" +
                                 XmlEscape(EpubPageLabel(page)) + "</a>";
        if (page.SubPage && pageOpen) {
            if (!subListOpen) nav += "\n<ol>";
            subListOpen = true;
            nav += "<li>" + link + "</li>";
            continue;
        }
        closeSubList();
        if (pageOpen) nav += "</li>\n";
        nav += "<li>" + link;
        pageOpen = !page.SubPage;
        if (page.SubPage) nav += "</li>\n";
    }
    closeSubList();
    if (pageOpen) nav += "</li>\n";
    nav += "</ol>\n</nav>\n</body>\n</html>\n";
    return nav;
}
