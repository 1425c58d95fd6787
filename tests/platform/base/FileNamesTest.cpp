#include "platform/base/FileNames.h"
#include "platform/base/Cp1251.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(FileNames, ResolvesWindowsNamesWithoutRegardToCase) {
    TTempDir dir;
    ::mkdir(dir.File("Data").c_str(), 0755);
    ::mkdir(dir.File("Data/Картинки").c_str(), 0755);
    WriteFileBytes(dir.File("Data/Картинки/Photo.JPG"), "x");

    const std::string expected = dir.File("Data/Картинки/Photo.JPG");
    EXPECT_EQ(ResolveWindowsName(Utf8ToCp1251("data\\КАРТИНКИ\\photo.jpg"), dir.Path()), expected);
    EXPECT_EQ(ResolvePath("DATA/картинки/PHOTO.jpg", dir.Path()), expected);
    EXPECT_EQ(std::filesystem::canonical(
                  ResolvePath(".\\data\\..\\Data\\Картинки\\photo.jpg", dir.Path())),
              std::filesystem::canonical(expected));
    EXPECT_EQ(ResolvePath(dir.File("data/картинки/photo.jpg")), expected);
    EXPECT_EQ(ResolvePath("data\\missing.jpg", dir.Path()), "");
    EXPECT_EQ(ResolvePath("", dir.Path()), "");
}

TEST(FileNames, SplitsAndChangesExtensions) {
    EXPECT_EQ(ChangeFileExt("/a/b/TextBook.plb", ".htp"), "/a/b/TextBook.htp");
    EXPECT_EQ(ChangeFileExt("/a.d/plbviewer", ".ini"), "/a.d/plbviewer.ini");
    EXPECT_EQ(ExtractFilePath("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(ExtractFileName("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(ExtractFileExt("/a.b/c"), "");
    EXPECT_EQ(WindowsNameToNative("data\\TextBook.plb"), "data/TextBook.plb");
    EXPECT_EQ(JoinPath("/x/", "y"), "/x/y");
    EXPECT_TRUE(IsAbsolutePath("/x"));
}

TEST(FileNames, FileExistsIsFalseForFolders) {
    TTempDir dir;
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_TRUE(DirectoryExists(dir.Path()));
    WriteFileBytes(dir.File("f"), "");
    EXPECT_TRUE(FileExists(dir.File("f")));
}
