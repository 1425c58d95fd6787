#include "WebEditionChecks.h"

#include <QUrl>
#include <QXmlStreamReader>

namespace {

bool Skipped(const QXmlStreamReader& Xml) {
    const QStringView name = Xml.name();
    const QString cls = Xml.attributes().value("class").toString();
    return name == u"svg" || name == u"audio" || name == u"video" || cls == "plb-popup" ||
           cls == "plb-close" || cls == "plb-nav";
}

} // namespace

std::string CollapseSpaces(const std::string& Utf8) {
    QString text = QString::fromStdString(Utf8);
    text.replace(QChar(0xA0), ' ');
    return text.simplified().toStdString();
}

TWebDocumentScan ScanWebDocument(const std::string& Bytes) {
    TWebDocumentScan scan;
    QXmlStreamReader xml(QByteArray::fromStdString(Bytes));
    int pageDepth = 0; // inside the page area, > 0
    int skipDepth = 0; // inside a part that is not the page's text, > 0
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes a = xml.attributes();
            for (const char* name : {"href", "src"})
                if (a.hasAttribute(name))
                    scan.References.push_back(a.value(name).toString().toStdString());
            if (a.hasAttribute("http://www.w3.org/1999/xlink", "href"))
                scan.References.push_back(
                    a.value("http://www.w3.org/1999/xlink", "href").toString().toStdString());
            if (a.hasAttribute("id")) scan.Ids.push_back(a.value("id").toString().toStdString());
            if (xml.name() == u"img")
                scan.Images.push_back({a.value("src").toString().toStdString(),
                                       a.value("width").toInt(), a.value("height").toInt(),
                                       a.value("alt").toString().toStdString()});
            if (pageDepth > 0) ++pageDepth;
            if (pageDepth == 0 && a.value("class") == u"plb-page") pageDepth = 1;
            if (skipDepth > 0)
                ++skipDepth;
            else if (Skipped(xml))
                skipDepth = 1;
        } else if (xml.isEndElement()) {
            if (pageDepth > 0) --pageDepth;
            if (skipDepth > 0) --skipDepth;
            // Paragraphs and line breaks part words as the layout does.
            if (xml.name() == u"p" || xml.name() == u"br" || xml.name() == u"div") text += ' ';
        } else if (xml.isCharacters() && pageDepth > 0 && skipDepth == 0) {
            text += xml.text();
        }
    }
    scan.WellFormed = !xml.hasError();
    scan.Error = xml.errorString().toStdString();
    scan.PageText = CollapseSpaces(text.toStdString());
    return scan;
}

std::string FolderOf(const std::string& Path) {
    const size_t slash = Path.rfind('/');
    return slash == std::string::npos ? "" : Path.substr(0, slash + 1);
}

std::string ResolveReference(const std::string& DocumentPath, const std::string& Reference) {
    const QString decoded = QUrl::fromPercentEncoding(QByteArray::fromStdString(Reference));
    QStringList parts =
        QString::fromStdString(FolderOf(DocumentPath)).split('/', Qt::SkipEmptyParts);
    for (const QString& part : decoded.split('/')) {
        if (part == "..") {
            if (parts.isEmpty()) return "";
            parts.removeLast();
        } else if (part != "." && !part.isEmpty()) {
            parts.append(part);
        }
    }
    return parts.join('/').toStdString();
}
