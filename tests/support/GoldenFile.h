#pragma once

#include <gtest/gtest.h>

#include <string>

// Compares Actual with the reference file ReferencePath. On a difference it
// writes Actual beside the reference as NAME-FAILED.EXT and fails with a
// unified diff of the first differing lines; on a match it removes a stale
// NAME-FAILED.EXT. With PLB_UPDATE_GOLDEN=1 in the environment it rewrites
// the reference instead of comparing, so an intended change refreshes it.
::testing::AssertionResult MatchesGoldenFile(const std::string& ReferencePath,
                                             const std::string& Actual);

// NAME-FAILED.EXT beside NAME.EXT: where a differing output is kept.
std::string FailedOutputPath(const std::string& ReferencePath);
