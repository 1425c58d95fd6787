#include "publish/EpubPack.h"
#include "EpubTestEdition.h"
#include "ZipReading.h"
#include "platform/base/FileNames.h"
#include "publish/EpubIdentifier.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

// Packs an edition with SOURCE_DATE_EPOCH set to Epoch.
bool Pack(const std::string& Dir, const TWebManifest& M, const std::string& Out, std::string& Error,
          const char* Epoch = "1700000000") {
    setenv("SOURCE_DATE_EPOCH", Epoch, 1);
    const bool ok = PackEpub(Dir, M, Out, Error);
    unsetenv("SOURCE_DATE_EPOCH");
    return ok;
}

std::vector<TZipEntry> Entries(const std::string& Epub) {
    std::vector<TZipEntry> entries;
    std::string error;
    EXPECT_TRUE(ReadZip(ReadFileBytes(Epub), entries, error)) << error;
    return entries;
}

std::string EntryText(const std::vector<TZipEntry>& Entries, const std::string& Name) {
    for (const TZipEntry& e : Entries)
        if (e.Name == Name) return e.Data;
    ADD_FAILURE() << "no entry " << Name;
    return {};
}

std::string Identifier(const std::string& Epub) {
    std::smatch m;
    const std::string opf = EntryText(Entries(Epub), "EPUB/package.opf");
    return std::regex_search(opf, m, std::regex("<dc:identifier id=\"book-id\">([^<]*)<"))
               ? m[1].str()
               : "";
}

// Positions of the Needles in Text, in order; fails when one is missing or out of order.
void ExpectInOrder(const std::string& Text, const std::vector<std::string>& Needles) {
    size_t from = 0;
    for (const std::string& needle : Needles) {
        const size_t at = Text.find(needle, from);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << needle << "\n" << Text;
        from = at + needle.size();
    }
}

TEST(Sha1, KnownDigestsAndNameBasedUuid) {
    const auto hex = [](std::string_view Text) {
        TSha1 sha;
        // Fed in uneven pieces, across block boundaries.
        for (size_t at = 0; at < Text.size(); at += 7)
            sha.Update(Text.substr(at, 7));
        std::string out;
        char byte[3];
        for (const uint8_t b : sha.Finish()) {
            std::snprintf(byte, sizeof byte, "%02x", b);
            out += byte;
        }
        return out;
    };
    EXPECT_EQ(hex(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    EXPECT_EQ(hex(std::string(1000000, 'a')), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
    EXPECT_EQ(NameBasedUrnUuid("https://example.org/book"),
              "urn:uuid:0966d62d-2133-582d-b0ce-63f420cb7a00");
}

// The hand-made edition in a temporary folder, packed on request.
class EpubPack : public testing::Test {
protected:
    // Packs m into book.epub and reads the archive back.
    std::vector<TZipEntry> PackAndRead() {
        std::string error;
        EXPECT_TRUE(Pack(dir.File("web"), m, dir.File("book.epub"), error)) << error;
        return Entries(dir.File("book.epub"));
    }

    TTempDir dir;
    TWebManifest m = WriteTestEdition(dir.File("web"));
};

TEST_F(EpubPack, ArchiveStartsWithMimetypeAndHoldsEveryFile) {
    const auto entries = PackAndRead();
    ASSERT_GE(entries.size(), 4u);
    EXPECT_EQ(entries[0].Name, "mimetype");
    EXPECT_EQ(entries[0].Method, 0);
    EXPECT_EQ(entries[0].Data, "application/epub+zip");
    EXPECT_NE(EntryText(entries, "META-INF/container.xml").find("full-path=\"EPUB/package.opf\""),
              std::string::npos);
    for (const TWebPage& page : m.Pages)
        EXPECT_EQ(EntryText(entries, "EPUB/" + page.Path),
                  ReadFileBytes(dir.File("web/" + page.Path)));
    for (const TWebResource& resource : m.Resources)
        EXPECT_EQ(EntryText(entries, "EPUB/" + resource.Path),
                  ReadFileBytes(dir.File("web/" + resource.Path)));
    EXPECT_FALSE(FileExists(dir.File("book.epub.part")));
}

TEST_F(EpubPack, PackageListsMetadataItemsAndReadingOrder) {
    const std::string opf = EntryText(PackAndRead(), "EPUB/package.opf");
    EXPECT_NE(opf.find("<dc:title>Основы оптики &amp; &lt;линзы&gt;</dc:title>"),
              std::string::npos);
    EXPECT_NE(opf.find("<dc:language>ru</dc:language>"), std::string::npos);
    EXPECT_NE(opf.find("<meta property=\"dcterms:modified\">2023-11-14T22:13:20Z</meta>"),
              std::string::npos);
    EXPECT_TRUE(std::regex_search(
        opf,
        std::regex("<dc:identifier id=\"book-id\">urn:uuid:[0-9a-f]{8}-[0-9a-f]{4}-5[0-9a-f]{3}-"
                   "[89ab][0-9a-f]{3}-[0-9a-f]{12}</dc:identifier>")));
    EXPECT_NE(opf.find("href=\"media/tone.wav\" media-type=\"audio/wav\""), std::string::npos);
    EXPECT_NE(opf.find("href=\"pictures/drawing.svg\" media-type=\"image/svg+xml\""),
              std::string::npos);
    EXPECT_NE(
        opf.find("href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\""),
        std::string::npos);
    // Only the page with an inline drawing says so.
    EXPECT_NE(opf.find("href=\"pages/p0010.xhtml\" media-type=\"application/xhtml+xml\" "
                       "properties=\"svg\""),
              std::string::npos);
    EXPECT_NE(opf.find("href=\"pages/p0001.xhtml\" media-type=\"application/xhtml+xml\"/>"),
              std::string::npos);
    // The contents, then the pages in book order; the sub-page out of the linear reading.
    ExpectInOrder(opf, {"<spine>", "<itemref idref=\"item1\"/>", "<itemref idref=\"item2\"/>",
                        "<itemref idref=\"item3\"/>", "<itemref idref=\"item4\" linear=\"no\"/>",
                        "<itemref idref=\"item5\"/>", "</spine>"});
    ExpectInOrder(opf, {"id=\"item1\" href=\"index.xhtml\"", "id=\"item2\" href=\"pages/p0001",
                        "id=\"item4\" href=\"pages/p0100"});
}

TEST_F(EpubPack, NavigationListsPagesByTitleWithSubPagesBeneath) {
    const std::string nav = EntryText(PackAndRead(), "EPUB/nav.xhtml");
    ExpectInOrder(nav, {"<nav epub:type=\"toc\"", "<ol>",
                        "<li><a href=\"pages/p0001.xhtml\">Титульный лист</a></li>",
                        "<li><a href=\"pages/p0010.xhtml\">1.1. Что такое свет</a>",
                        "<ol><li><a href=\"pages/p0100.xhtml\">Фокус линзы</a></li></ol></li>",
                        "<li><a href=\"pages/p0011.xhtml\">Страница 11</a></li>", "</ol>"});
}

TEST_F(EpubPack, IdentifierFollowsTheBookNotThePackingTime) {
    std::string error;
    ASSERT_TRUE(Pack(dir.File("web"), m, dir.File("a.epub"), error, "1700000000"));
    ASSERT_TRUE(Pack(dir.File("web"), m, dir.File("b.epub"), error, "1800000000"));
    const std::string id = Identifier(dir.File("a.epub"));
    EXPECT_EQ(Identifier(dir.File("b.epub")), id);
    // Same time, same book: the same bytes.
    ASSERT_TRUE(Pack(dir.File("web"), m, dir.File("c.epub"), error, "1700000000"));
    EXPECT_EQ(ReadFileBytes(dir.File("a.epub")), ReadFileBytes(dir.File("c.epub")));

    m.Title = "Другая книга";
    ASSERT_TRUE(Pack(dir.File("web"), m, dir.File("d.epub"), error));
    EXPECT_NE(Identifier(dir.File("d.epub")), id);
    m = WriteTestEdition(dir.File("web"));
    WriteEditionFile(dir.File("web"), m.Pages[1].Path, "<html>другой текст</html>");
    ASSERT_TRUE(Pack(dir.File("web"), m, dir.File("e.epub"), error));
    EXPECT_NE(Identifier(dir.File("e.epub")), id);
}

TEST_F(EpubPack, FilesReadersNeedNotOpenGetANoteInTheirPlace) {
    const auto entries = PackAndRead();
    const std::string opf = EntryText(entries, "EPUB/package.opf");
    // The clip and the document stay, each with a note of its own as its
    // fallback, and stand in the spine out of the linear reading.
    std::smatch wav, doc;
    ASSERT_TRUE(std::regex_search(
        opf, wav,
        std::regex("<item id=\"(item\\d+)\" href=\"media/tone.wav\" media-type=\"audio/wav\" "
                   "fallback=\"(item\\d+-note)\"/>\\s*<item id=\"\\2\" href=\"([^\"]+)\" "
                   "media-type=\"application/xhtml\\+xml\"/>")))
        << opf;
    ASSERT_TRUE(std::regex_search(
        opf, doc,
        std::regex("href=\"files/task.doc\" media-type=\"application/msword\" "
                   "fallback=\"item\\d+-note\"/>\\s*<item id=\"item\\d+-note\" href=\"([^\"]+)\"")))
        << opf;
    EXPECT_NE(wav[3].str(), doc[1].str());
    EXPECT_NE(opf.find("<itemref idref=\"" + wav[1].str() + "\" linear=\"no\"/>"),
              std::string::npos);
    const std::string note = EntryText(entries, "EPUB/" + wav[3].str());
    EXPECT_NE(note.find("«tone.wav» (audio/wav)"), std::string::npos) << note;
    EXPECT_NE(EntryText(entries, "EPUB/" + doc[1].str()).find("«task.doc»"), std::string::npos);
    EXPECT_EQ(EntryText(entries, "EPUB/media/tone.wav"),
              ReadFileBytes(dir.File("web/media/tone.wav")));
    // Pictures and style sheets every reader opens have none.
    EXPECT_NE(opf.find("href=\"pictures/lens.png\" media-type=\"image/png\"/>"), std::string::npos);
    EXPECT_NE(opf.find("href=\"style.css\" media-type=\"text/css\"/>"), std::string::npos);
}

TEST_F(EpubPack, NavigationNameAvoidsAnEditionFile) {
    WriteEditionFile(dir.File("web"), "NAV.xhtml", "x");
    m.Resources.push_back({"NAV.xhtml", "text/plain"});
    const auto entries = PackAndRead();
    EXPECT_EQ(EntryText(entries, "EPUB/NAV.xhtml"), "x");
    EXPECT_NE(EntryText(entries, "EPUB/nav-1.xhtml").find("epub:type=\"toc\""), std::string::npos);
}

TEST_F(EpubPack, BadEditionsAreRefusedAndLeaveTheOldBook) {
    const TWebManifest good = m;
    WriteFileBytes(dir.File("old.epub"), "old");
    WriteFileBytes(dir.File("secret"), "secret");
    const auto refused = [&](TWebManifest M, const std::string& Why) {
        std::string error;
        EXPECT_FALSE(Pack(dir.File("web"), M, dir.File("old.epub"), error)) << Why;
        EXPECT_FALSE(error.empty()) << Why;
        EXPECT_EQ(ReadFileBytes(dir.File("old.epub")), "old") << Why;
        EXPECT_FALSE(FileExists(dir.File("old.epub.part"))) << Why;
    };
    // Present on disk, so that only their names refuse them.
    for (const char* file :
         {"Style.CSS", "C:/pictures/a.png", "pictures/a?.png", "pictures./lens.png"})
        WriteEditionFile(dir.File("web"), file, "x");
    const struct {
        TWebResource Extra;
        const char* Why;
    } bad[] = {{{"../secret", "text/plain"}, "a path leaving the edition"},
               {{"/etc/hostname", "text/plain"}, "an absolute path"},
               {{"META-INF/container.xml", "text/xml"}, "a path over the container"},
               {{"Style.CSS", "text/css"}, "names differing in letter case"},
               {{"pictures/missing.png", "image/png"}, "a missing file"},
               {{"pictures", "image/png"}, "a folder listed as a file"},
               {{"C:/pictures/a.png", "image/png"}, "a drive letter"},
               {{"pictures/a?.png", "image/png"}, "a character EPUB names forbid"},
               {{"pictures./lens.png", "image/png"}, "a folder name ending in a dot"}};
    for (const auto& b : bad) {
        m = good;
        m.Resources.push_back(b.Extra);
        refused(m, b.Why);
    }
    m = good;
    m.Pages.clear();
    refused(m, "no pages");
    std::string error;
    EXPECT_FALSE(PackEpub(dir.File("web"), good, dir.File("no-such-folder/a.epub"), error));
    EXPECT_FALSE(error.empty());
}

TEST_F(EpubPack, EpubcheckAcceptsTheBook) {
    const char* jar = "/usr/share/java/epubcheck.jar";
    if (!FileExists(jar) || RunCommand("command -v java >/dev/null") != 0)
        GTEST_SKIP() << "epubcheck (or java) is not installed";
    std::string error;
    ASSERT_TRUE(PackEpub(dir.File("web"), m, dir.File("book.epub"), error)) << error;
    std::string out;
    const int status =
        RunCommand(std::string("java -jar ") + jar + " " + dir.File("book.epub") + " 2>&1", &out);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("No errors or warnings detected"), std::string::npos) << out;
}

} // namespace
