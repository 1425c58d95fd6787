#include "platform/base/Streams.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

TEST(MemoryStream, ReadsReportTheCountActuallyTransferred) {
    TMemoryStream m;
    EXPECT_EQ(m.Write("abcdef", 6), 6);
    EXPECT_EQ(m.Size(), 6);
    m.SetPosition(4);
    char buffer[8] = {};
    EXPECT_EQ(m.Read(buffer, 8), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(m.Read(buffer, 8), 0);
    EXPECT_THROW(m.ReadBuffer(buffer, 1), EReadError);
}

TEST(MemoryStream, WriteAfterSeekPastEndFillsTheGapWithZeros) {
    TMemoryStream m;
    m.Write("a", 1);
    m.SetPosition(4);
    m.Write("b", 1);
    ASSERT_EQ(m.Size(), 5);
    EXPECT_EQ(std::string(m.Memory(), 5), std::string("a\0\0\0b", 5));
}

TEST(MemoryStream, SetSizeKeepsThePositionInsideTheData) {
    TMemoryStream m;
    m.SetSize(100);
    m.SetPosition(80);
    m.SetSize(10);
    EXPECT_EQ(m.Position(), 10);
    EXPECT_THROW(m.SetSize(-1), EStreamError);
    EXPECT_THROW(m.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
}

TEST(FileStream, SmallAndLargeReadsSeeTheSameBytes) {
    TTempDir dir;
    std::string bytes(300000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    WriteFileBytes(dir.File("f"), bytes);

    TFileStream f(dir.File("f"), TFileMode::fmOpenRead);
    EXPECT_EQ(f.Size(), 300000);
    std::string read;
    char small[3];
    for (int i = 0; i < 1000; ++i) { // buffered small reads
        ASSERT_EQ(f.Read(small, 3), 3);
        read.append(small, 3);
    }
    std::vector<char> large(200000); // bypasses the buffer
    ASSERT_EQ(f.Read(large.data(), 200000), 200000);
    read.append(large.data(), large.size());
    std::vector<char> rest(200000);
    EXPECT_EQ(f.Read(rest.data(), 200000), 97000); // short at the end
    read.append(rest.data(), 97000);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(f.Position(), 300000);

    f.SetPosition(12345);
    ASSERT_EQ(f.Read(small, 3), 3);
    EXPECT_EQ(std::string(small, 3), bytes.substr(12345, 3));
}

TEST(FileStream, WritesAreReadBackAndMixWithSeeks) {
    TTempDir dir;
    {
        TFileStream f(dir.File("w"), TFileMode::fmCreate);
        f.Write("hello", 5);
        f.Write(" world", 6);
        f.SetPosition(0);
        f.Write("J", 1);
        EXPECT_EQ(f.Size(), 11);
        char buffer[11];
        f.SetPosition(0);
        ASSERT_EQ(f.Read(buffer, 11), 11);
        EXPECT_EQ(std::string(buffer, 11), "Jello world");
        f.SetSize(5);
        EXPECT_EQ(f.Position(), 5);
    }
    EXPECT_EQ(ReadFileBytes(dir.File("w")), "Jello");
}

TEST(FileStream, OpeningAMissingFileOrAFolderRaises) {
    TTempDir dir;
    EXPECT_THROW(TFileStream(dir.File("missing"), TFileMode::fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.Path(), TFileMode::fmOpenRead), EFOpenError);
}

TEST(MemoryStream, LoadsAndSavesFiles) {
    TTempDir dir;
    TMemoryStream m;
    m.Write("\x01\x02\x03", 3);
    m.SaveToFile(dir.File("m"));
    TMemoryStream n;
    n.LoadFromFile(dir.File("m"));
    EXPECT_EQ(std::string(n.Memory(), n.Size()), "\x01\x02\x03");
    EXPECT_EQ(n.Position(), 0);
}
