// The golden-file comparison behind the trace tests: a fault here would let
// every golden test pass or fail without a usable report.
#include "support/GoldenFile.h"
#include "support/TestFiles.h"
#include "support/TextDiff.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

// Sets or clears PLB_UPDATE_GOLDEN for one test, so that the tests below
// behave the same when the whole suite runs in update mode.
class TUpdateMode {
public:
    explicit TUpdateMode(bool On) {
        if (const char* value = std::getenv(kName)) FSaved = value;
        if (On)
            setenv(kName, "1", 1);
        else
            unsetenv(kName);
    }
    ~TUpdateMode() {
        if (FSaved)
            setenv(kName, FSaved->c_str(), 1);
        else
            unsetenv(kName);
    }
    TUpdateMode(const TUpdateMode&) = delete;
    TUpdateMode& operator=(const TUpdateMode&) = delete;

private:
    static constexpr const char* kName = "PLB_UPDATE_GOLDEN";
    std::optional<std::string> FSaved;
};

} // namespace

TEST(TextDiff, ShowsTheChangedLinesWithContextAndLineNumbers) {
    EXPECT_EQ(UnifiedDiff("1\n2\n3\n4\n5\n6\n7\n8\n", "1\n2\n3\n4\nfive\n6\n7\n8\n", "ref", "out"),
              "--- ref\n+++ out\n@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n");
    EXPECT_EQ(UnifiedDiff("a\nb\n", "a\nx\ny\nb\n", "ref", "out"),
              "--- ref\n+++ out\n@@ -1,2 +1,4 @@\n a\n+x\n+y\n b\n")
        << "an insertion removes nothing";
    EXPECT_EQ(UnifiedDiff("same\n", "same\n", "ref", "out"), "");
}

TEST(TextDiff, KeepsTheLinesBetweenChangesAndSplitsDistantOnes) {
    EXPECT_EQ(UnifiedDiff("head\nsame\nold\n", "head 2\nsame\nnew\n", "ref", "out"),
              "--- ref\n+++ out\n@@ -1,3 +1,3 @@\n-head\n+head 2\n same\n-old\n+new\n");
    std::string expected, actual;
    for (int i = 0; i < 20; ++i) {
        expected += std::to_string(i) + "\n";
        actual += (i == 2 || i == 15 ? "x" : std::to_string(i)) + "\n";
    }
    EXPECT_EQ(UnifiedDiff(expected, actual, "ref", "out"),
              "--- ref\n+++ out\n@@ -1,6 +1,6 @@\n 0\n 1\n-2\n+x\n 3\n 4\n 5\n"
              "@@ -13,7 +13,7 @@\n 12\n 13\n 14\n-15\n+x\n 16\n 17\n 18\n");
}

TEST(TextDiff, ElidesLongChangesAndMarksAMissingFinalNewline) {
    EXPECT_EQ(UnifiedDiff("a\n", "b\nc\nd\n", "ref", "out", 2),
              "--- ref\n+++ out\n@@ -1,1 +1,3 @@\n-a\n+b\n... 2 more changed lines\n");
    EXPECT_EQ(UnifiedDiff("a\n", "a", "ref", "out"),
              "--- ref\n+++ out\n@@ -1,1 +1,1 @@\n-a\n+a\n\\ No newline at end of file\n");
}

TEST(GoldenFile, KeepsADifferingOutputBesideTheReferenceAndReportsTheDiff) {
    const TUpdateMode comparing(false);
    TTempDir dir;
    const std::string reference = dir.File("page.trace");
    WriteFileBytes(reference, "one\ntwo\n");
    const auto result = MatchesGoldenFile(reference, "one\n2\n");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("-two\n+2\n"), std::string::npos)
        << result.message();
    EXPECT_EQ(FailedOutputPath(reference), dir.File("page-FAILED.trace"));
    EXPECT_EQ(ReadFileBytes(dir.File("page-FAILED.trace")), "one\n2\n");
    EXPECT_EQ(ReadFileBytes(reference), "one\ntwo\n") << "the reference stays";

    EXPECT_TRUE(MatchesGoldenFile(reference, "one\ntwo\n"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("page-FAILED.trace"))) << "stale output removed";
    EXPECT_FALSE(MatchesGoldenFile(dir.File("missing.trace"), "x")) << "no reference, no pass";
}

TEST(GoldenFile, RewritesTheReferenceWhenAskedTo) {
    TTempDir dir;
    const std::string reference = dir.File("page.trace");
    WriteFileBytes(reference, "old\n");
    const TUpdateMode updating(true);
    EXPECT_TRUE(MatchesGoldenFile(reference, "new\n"));
    EXPECT_EQ(ReadFileBytes(reference), "new\n");
}
