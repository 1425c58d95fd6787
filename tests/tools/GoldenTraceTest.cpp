// Golden display lists: plbtool trace of every sample page and of every markup
// fixture, compared with the reference NAME.trace beside its input. After an
// intended change, PLB_UPDATE_GOLDEN=1 rewrites the references (tests/README.md).
#include "support/GoldenFile.h"
#include "support/TestFiles.h"
#include "support/TextDiff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kTool = std::string(PLB_BIN_DIR) + "/plbtool";
const std::string kSample = std::string(PLB_BIN_DIR) + "/data/TextBook.plb";
const fs::path kSamplePages = fs::path(PLB_SOURCE_DIR) / "samples/textbook/pages";
const fs::path kFixturePages = fs::path(PLB_FIXTURES_DIR) / "pages";
// Narrow enough that the fixtures' paragraphs wrap and justify.
const char* const kFixtureSize = "320x240";

struct TGoldenCase {
    std::string Name;
    std::string Input;
    std::string TraceArgs; // empty when the input cannot be traced
    std::string Reference;
};

// Names a case by its input in test reports.
void PrintTo(const TGoldenCase& Case, std::ostream* Out) {
    *Out << fs::relative(Case.Input, PLB_SOURCE_DIR).string();
}

std::vector<fs::path> FilesWithExtension(const fs::path& Folder, const std::string& Extension) {
    std::vector<fs::path> files;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(Folder, ignored))
        if (entry.path().extension() == Extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Trim(const std::string& Text) {
    const size_t first = Text.find_first_not_of(" \t\r\"");
    const size_t last = Text.find_last_not_of(" \t\r\"");
    return first == std::string::npos ? std::string() : Text.substr(first, last - first + 1);
}

// The page number of each markup file named in the sample's book.ini, by the
// file's name without extension.
std::map<std::string, int> SamplePageNumbers() {
    std::map<std::string, int> numbers;
    std::istringstream ini(ReadFileBytes((kSamplePages.parent_path() / "book.ini").string()));
    int number = 0;
    for (std::string line; std::getline(ini, line);) {
        const size_t equals = line.find('=');
        if (Trim(line) == "[page]") number = 0;
        if (equals == std::string::npos) continue;
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key == "number") number = std::stoi(value);
        if (key == "markup") numbers[fs::path(value).stem().string()] = number;
    }
    return numbers;
}

TGoldenCase CaseFor(const fs::path& Input, const std::string& TraceArgs) {
    fs::path reference = Input;
    reference.replace_extension(".trace");
    return {Input.stem().string(), Input.string(), TraceArgs, reference.string()};
}

std::vector<TGoldenCase> SamplePageCases() {
    const auto numbers = SamplePageNumbers();
    std::vector<TGoldenCase> cases;
    for (const auto& input : FilesWithExtension(kSamplePages, ".tag")) {
        const auto number = numbers.find(input.stem().string());
        cases.push_back(
            CaseFor(input, number == numbers.end()
                               ? std::string()
                               : kSample + " --page " + std::to_string(number->second)));
    }
    return cases;
}

std::vector<TGoldenCase> FixtureCases() {
    std::vector<TGoldenCase> cases;
    for (const auto& input : FilesWithExtension(kFixturePages, ".tag"))
        cases.push_back(
            CaseFor(input, "--markup " + input.string() + " --size " + std::string(kFixtureSize)));
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<TGoldenCase>& Info) {
    std::string name = Info.param.Name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

int Trace(const std::string& Args, std::string& Out) {
    return RunCommand(kTool + " trace " + Args + " 2>/dev/null", &Out);
}

class GoldenTrace : public ::testing::TestWithParam<TGoldenCase> {};

} // namespace

TEST_P(GoldenTrace, MatchesItsReference) {
    const TGoldenCase& c = GetParam();
    ASSERT_FALSE(c.TraceArgs.empty()) << c.Input << " is the markup of no page in book.ini";
    std::string first, second;
    ASSERT_EQ(Trace(c.TraceArgs, first), 0) << c.TraceArgs;
    ASSERT_EQ(Trace(c.TraceArgs, second), 0) << c.TraceArgs;
    EXPECT_EQ(UnifiedDiff(first, second, "first run", "second run"), "")
        << "the trace changes from run to run";
    EXPECT_EQ(first.find(PLB_SOURCE_DIR), std::string::npos) << "an absolute path in the trace";
    EXPECT_EQ(first.find(PLB_BIN_DIR), std::string::npos) << "an absolute path in the trace";
    EXPECT_TRUE(MatchesGoldenFile(c.Reference, first));
}

INSTANTIATE_TEST_SUITE_P(SamplePages, GoldenTrace, ::testing::ValuesIn(SamplePageCases()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Fixtures, GoldenTrace, ::testing::ValuesIn(FixtureCases()), CaseName);

// Guards the scan itself: an empty or misnamed folder would pass vacuously,
// and a reference whose input was removed would never be checked again.
TEST(GoldenTraceCases, EveryFolderHasCasesAndEveryReferenceAnInput) {
    for (const fs::path& folder : {kSamplePages, kFixturePages}) {
        EXPECT_FALSE(FilesWithExtension(folder, ".tag").empty()) << folder;
        for (fs::path reference : FilesWithExtension(folder, ".trace")) {
            if (reference.stem().string().ends_with("-FAILED")) continue;
            EXPECT_TRUE(fs::exists(reference.replace_extension(".tag"))) << reference;
        }
    }
}
