#pragma once

// The large textbook of the benchmarks: 3,000 pages of about 20 KB of markup
// each, generated once into the temporary folder by a child process (so that
// the benchmark's own heap stays untouched) and reused by later runs.
//
// Two variants share the markup: the plain book (bench_load), whose pictures
// file holds 300 filler pictures no page names, and the illustrated book
// (bench_soak), whose pages also show bitmaps, JPEG pictures, icons, Windows
// metafiles and inline vector pictures from its pictures file, and its text is
// stored in the viewer's code page (the plain book keeps UTF-8 bytes).

#include "data/Data.h"
#include "data/Writer.h"
#include "platform/base/Cp1251.h"
#include "platform/base/FileNames.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace benchbook {

constexpr int kPages = 3000;
constexpr size_t kMarkupBytes = 20 * 1024;
// The plain book's filler pictures.
constexpr int kFillerPictures = 300;
constexpr size_t kFillerPictureBytes = 100 * 1024;
// The illustrated book: this many different pictures of each kind.
constexpr int kPicturesPerKind = 20;

inline const char* const kWords[] = {"свет",        "линза",       "<b>фокус</b>",
                                     "луч",         "optics",      "преломление",
                                     "<i>угол</i>", "зеркало",     "<size=14>призма</size>",
                                     "спектр",      "изображение", "<a=3>ссылка</a>",
                                     "и",           "в",           "на",
                                     "<p>"};

// About kMarkupBytes of text with styles and links, different for every seed.
inline std::string PageMarkup(unsigned seed) {
    std::string text;
    std::string line;
    while (text.size() < kMarkupBytes) {
        seed = seed * 1103515245u + 12345u;
        line += kWords[(seed >> 16) % (sizeof kWords / sizeof *kWords)];
        line += ' ';
        if (line.size() > 70) {
            text += line + "\r\n";
            line.clear();
        }
    }
    return text;
}

// ---- Pictures of the illustrated book, made in memory ----

inline void Put16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// A picture with a gradient and a circle, different for every N.
inline QImage SampleImage(int Width, int Height, int N) {
    QImage image(Width, Height, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv((N * 37) % 360, 120, 250));
    QPainter painter(&image);
    painter.setBrush(QColor::fromHsv((N * 37 + 180) % 360, 200, 200));
    painter.drawEllipse(Width / 4, Height / 4, Width / 2, Height / 2);
    painter.drawLine(0, 0, Width - 1, Height - 1);
    return image;
}

inline std::string Encoded(const QImage& Image, const char* Format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!Image.save(&buffer, Format)) {
        std::fprintf(stderr, "cannot encode a %s picture\n", Format);
        ::_exit(1);
    }
    return bytes.toStdString();
}

// A placeable WMF of Width x Height units at 96 per inch: a filled rectangle,
// an ellipse and a line in colours that follow N.
inline std::string SampleWmf(int Width, int Height, int N) {
    std::string records;
    const auto rec = [&](uint16_t Function, std::initializer_list<uint16_t> Params) {
        Put32(records, uint32_t(3 + Params.size()));
        Put16(records, Function);
        for (uint16_t p : Params)
            Put16(records, p);
    };
    const uint32_t colour = uint32_t(N * 0x0A1B2C) & 0xFFFFFF;
    rec(0x020B, {0, 0});                                            // SetWindowOrg
    rec(0x020C, {uint16_t(Height), uint16_t(Width)});               // SetWindowExt
    rec(0x02FC, {0, uint16_t(colour), uint16_t(colour >> 16), 0});  // CreateBrushIndirect
    rec(0x012D, {0});                                               // SelectObject
    rec(0x041B, {uint16_t(Height - 2), uint16_t(Width - 2), 2, 2}); // Rectangle
    rec(0x02FC, {0, 0xFFFF, 0x00FF, 0});                            // a white brush
    rec(0x012D, {1});
    rec(0x0418, {uint16_t(Height * 3 / 4), uint16_t(Width * 3 / 4), uint16_t(Height / 4),
                 uint16_t(Width / 4)});                       // Ellipse
    rec(0x0214, {0, 0});                                      // MoveTo
    rec(0x0213, {uint16_t(Height - 1), uint16_t(Width - 1)}); // LineTo
    rec(0x01F0, {0});                                         // DeleteObject
    rec(0x01F0, {1});
    rec(0x0000, {}); // end of file

    std::string wmf;
    const uint16_t placeable[] = {0xCDD7,          0x9AC6,           0,  0, 0,
                                  uint16_t(Width), uint16_t(Height), 96, 0, 0};
    uint16_t checksum = 0;
    for (uint16_t w : placeable) {
        Put16(wmf, w);
        checksum ^= w;
    }
    Put16(wmf, checksum);
    const uint32_t words = uint32_t(9 + records.size() / 2);
    Put16(wmf, 1);      // memory metafile
    Put16(wmf, 9);      // header words
    Put16(wmf, 0x0300); // version
    Put32(wmf, words);
    Put16(wmf, 2); // objects
    Put32(wmf, 7); // largest record, in words
    Put16(wmf, 0); // unused
    return wmf + records;
}

// A vector picture script of Width x Height, its first line the size.
inline std::string SampleVectorScript(int Width, int Height, int N) {
    const std::string w = std::to_string(Width), h = std::to_string(Height);
    return w + ";" + h + ";\r\nBRUSHCOLOR(255,255,200) CLRSCR() PENCOLOR(navy) PENWIDTH(2) " +
           "MOVETO(0,0) LINETO(" + w + "," + h + ") BRUSHCOLOR(" + std::to_string(N * 12 % 256) +
           ",128,64) ELLIPSE(10,10," + std::to_string(Width - 10) + "," +
           std::to_string(Height - 10) + ") FONTSIZE(10) TEXTOUT(12,12,,,\"Рис. " +
           std::to_string(N) + "\")";
}

// The pictures of the illustrated book and the macro lines that show some of
// them on page Index: a bitmap, a JPEG picture or an icon, a metafile and an
// inline vector picture.
inline std::vector<TPictureEntry> IllustratedPictures() {
    std::vector<TPictureEntry> pictures;
    for (int n = 0; n < kPicturesPerKind; ++n) {
        const QImage image = SampleImage(160 + 4 * n, 120 + 2 * n, n);
        pictures.push_back({"pic" + std::to_string(n) + ".bmp",
                            Encoded(image.convertToFormat(QImage::Format_RGB888), "BMP")});
        pictures.push_back(
            {"photo" + std::to_string(n) + ".jpg", Encoded(SampleImage(320, 240, n + 7), "JPG")});
        pictures.push_back(
            {"icon" + std::to_string(n) + ".ico", Encoded(SampleImage(32, 32, n + 3), "ICO")});
        pictures.push_back({"chart" + std::to_string(n) + ".wmf", SampleWmf(200, 150, n + 1)});
    }
    return pictures;
}

inline std::string PageIllustrations(int Index) {
    const std::string n = std::to_string(Index % kPicturesPerKind);
    std::string text = "<macros=bitmap>" + std::to_string(160 + 4 * (Index % kPicturesPerKind)) +
                       ";" + std::to_string(120 + 2 * (Index % kPicturesPerKind)) + ";pic" + n +
                       ".bmp</macros>\r\n";
    text += Index % 2 ? "<macros=picture>photo" + n + ".jpg</macros>\r\n"
                      : "<macros=icon>icon" + n + ".ico</macros>\r\n";
    text += "<macros=metafile>200;150;chart" + n + ".wmf</macros><p>\r\n";
    text +=
        "<macros=vector_picture>" + SampleVectorScript(180, 120, Index % 97) + "</macros><p>\r\n";
    return text;
}

// ---- The two files ----

struct TBenchBook {
    std::string dataFile;
    std::string picturesFile;
    int64_t totalBytes = 0;
};

// The book in the temporary folder's Folder, written on first use.
inline TBenchBook MakeBenchBook(const std::string& Folder, bool Illustrated) {
    TBenchBook b;
    const std::string dir = (std::filesystem::temp_directory_path() / Folder).string();
    std::filesystem::create_directories(dir);
    b.dataFile = dir + "/Bench.plb";
    b.picturesFile = dir + "/Bench.htp";
    if (!FileExists(b.dataFile) || !FileExists(b.picturesFile)) {
        const pid_t child = ::fork();
        if (child != 0) {
            int status = 0;
            ::waitpid(child, &status, 0);
            if (status != 0) std::exit(1);
        } else {
            TPLBData data(nullptr);
            for (int i = 0; i < kPages; ++i) {
                auto item = std::make_unique<TPLBDataItem>();
                item->Number = i + 1;
                item->Title = "Page " + std::to_string(i + 1);
                std::string markup = PageMarkup(static_cast<unsigned>(i));
                // The illustrated book is read as the viewer reads it, so its
                // text is stored in the viewer's code page.
                if (Illustrated) markup = Utf8ToCp1251(PageIllustrations(i) + markup);
                item->Lines.SetText(markup);
                data.Items.push_back(std::move(item));
            }
            std::vector<TPictureEntry> pictures;
            if (Illustrated) {
                pictures = IllustratedPictures();
            } else {
                pictures.resize(kFillerPictures);
                for (int i = 0; i < kFillerPictures; ++i) {
                    pictures[i].Name = "picture" + std::to_string(i) + ".bmp";
                    pictures[i].Bytes.assign(kFillerPictureBytes, static_cast<char>(i));
                }
            }
            std::string error;
            if (!SaveTextbook(data, b.dataFile, error) ||
                !SavePictures(pictures, b.picturesFile, error)) {
                std::fprintf(stderr, "cannot write the bench book: %s\n", error.c_str());
                ::_exit(1);
            }
            ::_exit(0);
        }
    }
    b.totalBytes = static_cast<int64_t>(std::filesystem::file_size(b.dataFile) +
                                        std::filesystem::file_size(b.picturesFile));
    return b;
}

} // namespace benchbook
