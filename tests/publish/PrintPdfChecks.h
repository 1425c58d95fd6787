#pragma once

// What a printed PDF holds, read back with the tools a reader's system has
// (qpdf, pdftotext, pdfimages): its pages, their text, their images, their
// drawing operators and the outline. Shared by the tests of every program
// that prints.
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>
#include <string>
#include <vector>

// Whether the tools are installed; tests skip with a message when not.
inline bool HavePdfTools() {
    return RunCommand("command -v qpdf && command -v pdftotext && command -v pdfimages") == 0;
}

inline QJsonObject PdfJson(const std::string& File, const char* Key) {
    std::string json;
    RunCommand(std::string("qpdf --json --json-key=") + Key + " '" + File + "' 2>/dev/null", &json);
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

inline int PdfPageCount(const std::string& File) {
    return static_cast<int>(PdfJson(File, "pages")["pages"].toArray().size());
}

// The outline's titles in order (UTF-8) with the pages they point at (from 1).
struct TPdfOutlineEntry {
    std::string Title;
    int Page = 0;
};
inline std::vector<TPdfOutlineEntry> PdfOutline(const std::string& File) {
    std::vector<TPdfOutlineEntry> entries;
    for (const QJsonValue entry : PdfJson(File, "outlines")["outlines"].toArray())
        entries.push_back(
            {entry["title"].toString().toStdString(), entry["destpageposfrom1"].toInt()});
    return entries;
}

// The text of page Page (from 1) as a reader's tool extracts it.
inline std::string PdfText(const std::string& File, int Page) {
    std::string text;
    RunCommand("pdftotext -f " + std::to_string(Page) + " -l " + std::to_string(Page) + " '" +
                   File + "' - 2>/dev/null",
               &text);
    return text;
}

// The images (not their masks) of page Page as stored in the file.
struct TPdfImage {
    int Width = 0;
    int Height = 0;
};
inline std::vector<TPdfImage> PdfImages(const std::string& File, int Page) {
    std::string list;
    RunCommand("pdfimages -list -f " + std::to_string(Page) + " -l " + std::to_string(Page) + " '" +
                   File + "' 2>/dev/null",
               &list);
    std::vector<TPdfImage> images;
    std::istringstream lines(list);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int page = 0, number = 0;
        std::string type;
        TPdfImage image;
        if (fields >> page >> number >> type >> image.Width >> image.Height && type == "image")
            images.push_back(image);
    }
    return images;
}

// The decoded drawing operators of page Page.
inline std::string PdfPageContent(const std::string& File, int Page) {
    const QJsonArray pages = PdfJson(File, "pages")["pages"].toArray();
    if (Page < 1 || Page > pages.size()) return "";
    std::string all;
    for (const QJsonValue content : pages[Page - 1].toObject()["contents"].toArray()) {
        const std::string ref = content.toString().toStdString();
        std::string stream;
        RunCommand("qpdf --show-object=" + ref.substr(0, ref.find(' ')) +
                       " --filtered-stream-data '" + File + "' 2>/dev/null",
                   &stream);
        all += stream;
    }
    return all;
}

// Whether the content strokes or fills paths of curves and lines (vector
// drawing rather than an image of it).
inline bool HasVectorCurves(const std::string& Content) {
    return Content.find(" c\n") != std::string::npos && Content.find(" l\n") != std::string::npos;
}
