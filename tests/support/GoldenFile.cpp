#include "GoldenFile.h"

#include "TestFiles.h"
#include "TextDiff.h"

#include <cstdlib>
#include <filesystem>

namespace {

bool UpdatingGoldenFiles() {
    const char* value = std::getenv("PLB_UPDATE_GOLDEN");
    return value && std::string(value) == "1";
}

} // namespace

std::string FailedOutputPath(const std::string& ReferencePath) {
    const std::filesystem::path path(ReferencePath);
    return (path.parent_path() / (path.stem().string() + "-FAILED" + path.extension().string()))
        .string();
}

::testing::AssertionResult MatchesGoldenFile(const std::string& ReferencePath,
                                             const std::string& Actual) {
    const std::string failed = FailedOutputPath(ReferencePath);
    std::error_code ignored;
    if (UpdatingGoldenFiles()) {
        WriteFileBytes(ReferencePath, Actual);
        std::filesystem::remove(failed, ignored);
        return ::testing::AssertionSuccess() << "rewrote " << ReferencePath;
    }
    if (!std::filesystem::exists(ReferencePath)) {
        WriteFileBytes(failed, Actual);
        return ::testing::AssertionFailure()
               << "no reference " << ReferencePath << " (output kept in " << failed
               << "); run the test with PLB_UPDATE_GOLDEN=1 to create it";
    }
    const std::string expected = ReadFileBytes(ReferencePath);
    if (expected == Actual) {
        std::filesystem::remove(failed, ignored);
        return ::testing::AssertionSuccess();
    }
    WriteFileBytes(failed, Actual);
    return ::testing::AssertionFailure()
           << "output differs from the reference; if the change is intended, run the test "
              "with PLB_UPDATE_GOLDEN=1\n"
           << UnifiedDiff(expected, Actual, ReferencePath, failed);
}
