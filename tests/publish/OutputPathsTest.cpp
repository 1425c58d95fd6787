#include "publish/OutputPaths.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

TEST(OutputPaths, StemsKeepOnlyThePlainLastComponent) {
    EXPECT_EQ(SafeFileStem("..\\..\\etc/passwd"), "passwd");
    EXPECT_EQ(SafeFileStem("C:evil.bmp"), "evil.bmp");
    EXPECT_EQ(SafeFileStem(".."), "file");
    EXPECT_EQ(SafeFileStem("..."), "file");
    EXPECT_EQ(SafeFileStem(".hidden"), "hidden");
    EXPECT_EQ(SafeFileStem("a b*c?<d>|\"e"), "a_b_c__d___e");
    EXPECT_EQ(SafeFileStem("линза.bmp"), "линза.bmp");
    EXPECT_EQ(SafeFileStem("bad\xFFutf8"), "bad_utf8");
    EXPECT_EQ(SafeFileStem("\xD0"), "_");
    EXPECT_EQ(SafeFileStem(""), "file");
    // Long names are cut at a whole character.
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "ж";
    EXPECT_EQ(SafeFileStem(longName).size(), 60u);
}

TEST(OutputPaths, NamesDifferingInLetterCaseGetNumbers) {
    TOutputNames names;
    names.Reserve("index.html");
    EXPECT_EQ(names.Take("", "INDEX", ".html"), "INDEX-2.html");
    EXPECT_EQ(names.Take("pictures", "Lens", ".png"), "pictures/Lens.png");
    EXPECT_EQ(names.Take("pictures", "lens", ".png"), "pictures/lens-2.png");
    EXPECT_EQ(names.Take("pictures", "LENS", ".png"), "pictures/LENS-3.png");
    EXPECT_EQ(names.Take("pictures", "Линза", ".png"), "pictures/Линза.png");
    EXPECT_EQ(names.Take("pictures", "линза", ".png"), "pictures/линза-2.png");
    EXPECT_EQ(names.Take("media", "lens", ".png"), "media/lens.png");
}

TEST(OutputPaths, StaysInsideRefusesEveryWayOut) {
    EXPECT_TRUE(StaysInside("pages/p0001.html"));
    EXPECT_TRUE(StaysInside("a..b/c"));
    for (const char* path :
         {"", "/etc/passwd", "../x", "a/../../x", "a/./b", "a//b", "C:/x", "a\\..\\b", "a/", ".."})
        EXPECT_FALSE(StaysInside(path)) << path;
}

TEST(OutputPaths, MakeFoldersMakesParentsAndRefusesFiles) {
    const std::string base = testing::TempDir() + "/plb-output-paths";
    EXPECT_TRUE(MakeFolders(base + "/a/b/c"));
    EXPECT_TRUE(MakeFolders(base + "/a/b/c"));
    std::FILE* f = std::fopen((base + "/file").c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_FALSE(MakeFolders(base + "/file/sub"));
    std::filesystem::remove_all(base);
}
