#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kTool = std::string(PLB_BIN_DIR) + "/plbtool text ";
const std::string kSample = std::string(PLB_BIN_DIR) + "/data/TextBook.plb";

// The page's text as a reader sees it: the heading and the paragraphs run
// together with single spaces, no markup, no link targets or hints.
TEST(TextCommand, PrintsAPagesPlainText) {
    std::string out;
    ASSERT_EQ(RunCommand(kTool + kSample + " --page 30", &out), 0);
    EXPECT_EQ(out.rfind("3.1. Выравнивание и выключка Этот абзац набран с выключкой по ширине:", 0),
              0u)
        << out;
    EXPECT_NE(out.find("к левому краю. Этот абзац выровнен"), std::string::npos); // one space
    EXPECT_EQ(out.find('<'), std::string::npos);
    EXPECT_EQ(out.find("Вернуться к содержанию"), std::string::npos); // a hint, not text
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(out.find("  "), std::string::npos);
}

TEST(TextCommand, ListsEveryPageAndSubPageAsJson) {
    std::string out;
    ASSERT_EQ(RunCommand(kTool + kSample + " --json", &out), 0);
    // In book order, sub-pages where the book keeps them.
    const size_t contents = out.find("\"number\": 2,");
    const size_t focus =
        out.find("\"number\": 100,\n    \"subPage\": true,\n    \"title\": \"Фокус линзы\"");
    const size_t alignment = out.find("\"number\": 30,\n    \"subPage\": false");
    ASSERT_NE(contents, std::string::npos) << out;
    ASSERT_NE(focus, std::string::npos) << out;
    ASSERT_NE(alignment, std::string::npos) << out;
    EXPECT_LT(contents, focus);
    EXPECT_LT(focus, alignment);
    EXPECT_NE(out.find("\"text\": \"3.1. Выравнивание и выключка Этот абзац"), std::string::npos);
}

TEST(TextCommand, RefusesWrongRequests) {
    const std::string quiet = " >/dev/null 2>&1";
    EXPECT_EQ(RunCommand(kTool + kSample + " --page 9999" + quiet), 1);
    EXPECT_EQ(RunCommand(kTool + "/nonexistent.plb --json" + quiet), 1);
    EXPECT_EQ(RunCommand(kTool + kSample + quiet), 2);
    EXPECT_EQ(RunCommand(kTool + kSample + " --page 1 --json" + quiet), 2);
    EXPECT_EQ(RunCommand(kTool + kSample + " --page x" + quiet), 2);
    EXPECT_EQ(RunCommand(kTool + "--json" + quiet), 2);
}

} // namespace
