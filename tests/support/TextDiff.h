#pragma once

#include <string>

// A unified-style report of where Actual first departs from Expected: one
// hunk from the first differing line to the last, with up to three lines of
// context on each side and at most MaxLines removed and added lines shown.
// Empty when the texts are equal.
std::string UnifiedDiff(const std::string& Expected, const std::string& Actual,
                        const std::string& ExpectedName, const std::string& ActualName,
                        size_t MaxLines = 20);
