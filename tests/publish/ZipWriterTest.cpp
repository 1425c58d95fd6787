#include "publish/ZipWriter.h"
#include "ZipReading.h"
#include "platform/base/FileNames.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<TZipEntry> ReadBack(const std::string& File) {
    std::vector<TZipEntry> entries;
    std::string error;
    EXPECT_TRUE(ReadZip(ReadFileBytes(File), entries, error)) << error;
    return entries;
}

std::string NoiseBytes(size_t Size) {
    std::mt19937 random(7);
    std::string bytes(Size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

TEST(ZipWriter, EntriesReadBackInOrderWithTheirMethods) {
    TTempDir dir;
    const std::string text(20000, 'x'), binary("a\0b\xff\x80", 5), noise = NoiseBytes(5000);
    TZipWriter zip;
    ASSERT_TRUE(zip.Open(dir.File("a.zip")));
    ASSERT_TRUE(zip.Add("mimetype", "application/epub+zip", TZipWriter::TMethod::Stored));
    ASSERT_TRUE(zip.Add("folder/text.txt", text));
    ASSERT_TRUE(zip.Add("empty", ""));
    ASSERT_TRUE(zip.Add("binary.bin", std::string_view(binary)));
    ASSERT_TRUE(zip.Add("noise.png", noise));
    ASSERT_TRUE(zip.Close()) << zip.Error();

    const auto entries = ReadBack(dir.File("a.zip"));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].Name, "mimetype");
    EXPECT_EQ(entries[0].Method, 0);
    EXPECT_EQ(entries[1].Method, 8);
    EXPECT_EQ(entries[1].Data, text);
    EXPECT_EQ(entries[2].Data, "");
    EXPECT_EQ(entries[3].Data, binary);
    // Noise does not deflate smaller: stored, as is.
    EXPECT_EQ(entries[4].Method, 0);
    EXPECT_EQ(entries[4].Data, noise);
    // The first entry's name and content sit at fixed offsets, where EPUB
    // readers look for them.
    EXPECT_EQ(ReadFileBytes(dir.File("a.zip")).substr(30, 28), "mimetypeapplication/epub+zip");
}

TEST(ZipWriter, AnotherReaderAcceptsTheArchive) {
    if (RunCommand("python3 -c 'import zipfile' 2>/dev/null") != 0) GTEST_SKIP() << "no python3";
    TTempDir dir;
    TZipWriter zip;
    ASSERT_TRUE(zip.Open(dir.File("a.zip")));
    zip.SetTime(1700000000); // 2023-11-14 22:13:20 UTC
    ASSERT_TRUE(zip.Add("mimetype", "application/epub+zip", TZipWriter::TMethod::Stored));
    ASSERT_TRUE(zip.Add("страница.xhtml", std::string(3000, 'y')));
    ASSERT_TRUE(zip.Close());
    std::string out;
    ASSERT_EQ(RunCommand("python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
                         "assert z.testzip() is None; i = z.infolist()[1]; "
                         "print(i.filename, i.date_time, len(z.read(i)))' " +
                             dir.File("a.zip"),
                         &out),
              0);
    EXPECT_EQ(out, "страница.xhtml (2023, 11, 14, 22, 13, 20) 3000\n");
}

TEST(ZipWriter, NonAsciiNamesAreFlaggedAsUtf8) {
    TTempDir dir;
    TZipWriter zip;
    ASSERT_TRUE(zip.Open(dir.File("a.zip")));
    ASSERT_TRUE(zip.Add("plain.txt", "a"));
    ASSERT_TRUE(zip.Add("рисунки/линза.png", "b"));
    ASSERT_TRUE(zip.Close());
    const auto entries = ReadBack(dir.File("a.zip"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Flags & 0x800, 0);
    EXPECT_EQ(entries[1].Flags & 0x800, 0x800);
}

TEST(ZipWriter, TimesBeforeDosDatesClampTo1980) {
    TTempDir dir;
    TZipWriter zip;
    ASSERT_TRUE(zip.Open(dir.File("a.zip")));
    zip.SetTime(0);
    ASSERT_TRUE(zip.Add("a", "a"));
    ASSERT_TRUE(zip.Close());
    const auto entries = ReadBack(dir.File("a.zip"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].DosTime, 0x00210000u); // 1980-01-01 00:00:00
}

TEST(ZipWriter, NamesThatLeaveTheArchiveOrRepeatAreRefused) {
    for (const char* name : {"", "../up", "a/../../up", "/etc/passwd", "a\\b", "a//b", "./a", "a/"})
        EXPECT_FALSE(TZipWriter::IsSafeName(name)) << name;
    for (const char* name : {"a", "a/b.c", "..a", "a..b/c"})
        EXPECT_TRUE(TZipWriter::IsSafeName(name)) << name;

    TTempDir dir;
    TZipWriter zip;
    ASSERT_TRUE(zip.Open(dir.File("a.zip")));
    ASSERT_TRUE(zip.Add("a", "1"));
    EXPECT_FALSE(zip.Add("a", "2"));
    EXPECT_NE(zip.Error().find("duplicate"), std::string::npos);
    // One failure fails the archive, which is not left behind.
    EXPECT_FALSE(zip.Close());
    EXPECT_FALSE(FileExists(dir.File("a.zip")));
}

TEST(ZipWriter, UnwritableFileIsAnError) {
    TZipWriter zip;
    EXPECT_FALSE(zip.Open("/nonexistent-folder/a.zip"));
    EXPECT_FALSE(zip.Error().empty());
    EXPECT_FALSE(zip.Add("a", "1"));
}

} // namespace
