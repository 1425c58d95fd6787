#include "EpubTestEdition.h"

#include "support/TestFiles.h"

#include <filesystem>

namespace {

std::string Page(const std::string& Title, const std::string& Body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"ru\" lang=\"ru\">\n"
           "<head><meta charset=\"utf-8\"/><title>" +
           Title + "</title><link rel=\"stylesheet\" href=\"../style.css\"/></head>\n<body>" +
           Body + "</body>\n</html>\n";
}

// A 1x1 opaque red PNG.
const unsigned char kPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
    0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00, 0x0C, 0x49, 0x44, 0x41, 0x54, 0x08,
    0xD7, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0x18, 0xDD, 0x8D,
    0xB0, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

} // namespace

void WriteEditionFile(const std::string& Dir, const std::string& Path, const std::string& Text) {
    const std::filesystem::path file = std::filesystem::path(Dir) / Path;
    std::filesystem::create_directories(file.parent_path());
    WriteFileBytes(file.string(), Text);
}

TWebManifest WriteTestEdition(const std::string& Dir) {
    TWebManifest m;
    m.Title = "Основы оптики & <линзы>";
    m.Index = "index.xhtml";
    m.Pages = {{"pages/p0001.xhtml", "Титульный лист", 1, false},
               {"pages/p0010.xhtml", "1.1. Что такое свет", 10, false},
               {"pages/p0100.xhtml", "Фокус линзы", 100, true},
               {"pages/p0011.xhtml", "", 11, false}};
    m.Resources = {{"style.css", "text/css"},
                   {"pictures/lens.png", "image/png"},
                   {"pictures/drawing.svg", "image/svg+xml"},
                   {"media/tone.wav", "audio/wav"},
                   {"files/task.doc", "application/msword"}};
    WriteEditionFile(Dir, "index.xhtml",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
                     "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>Содержание"
                     "</title></head><body><ol><li><a href=\"pages/p0001.xhtml\">Титульный лист"
                     "</a></li><li><a href=\"pages/p0010.xhtml\">Свет</a></li></ol></body>"
                     "</html>\n");
    WriteEditionFile(Dir, m.Pages[0].Path,
                     Page("Титульный лист", "<h1>Основы оптики</h1><p><a href=\"p0010.xhtml\">"
                                            "Далее</a></p><img src=\"../pictures/lens.png\" "
                                            "alt=\"линза\"/>"));
    WriteEditionFile(Dir, m.Pages[1].Path,
                     Page("Свет", "<p>Свет — это <a href=\"p0100.xhtml\">волна</a>.</p>"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" "
                                  "height=\"10\"><rect width=\"10\" height=\"10\"/></svg>"
                                  "<audio controls=\"controls\"><source src=\"../media/tone.wav\" "
                                  "type=\"audio/wav\"/><a href=\"../media/tone.wav\">tone.wav</a>"
                                  "</audio><a href=\"../files/task.doc\">Задание</a>"));
    WriteEditionFile(Dir, m.Pages[2].Path,
                     Page("Фокус", "<p>Фокус.</p><img src=\"../pictures/drawing.svg\" "
                                   "alt=\"чертёж\"/>"));
    WriteEditionFile(Dir, m.Pages[3].Path, Page("Без названия", "<p>Страница без названия.</p>"));
    WriteEditionFile(Dir, "files/task.doc", "задание");
    WriteEditionFile(Dir, "style.css", "body { margin: 0; }\n");
    WriteEditionFile(Dir, "pictures/lens.png", std::string(std::begin(kPng), std::end(kPng)));
    WriteEditionFile(Dir, "pictures/drawing.svg",
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\">"
                     "<circle cx=\"10\" cy=\"10\" r=\"8\"/></svg>\n");
    WriteEditionFile(
        Dir, "media/tone.wav",
        ReadFileBytes(std::string(PLB_SOURCE_DIR) + "/samples/textbook/media/tone.wav"));
    return m;
}
