#pragma once

#include <string>

// A unified diff of Expected and Actual: hunks of removed and added lines
// with up to three lines of context, the first MaxLines changed lines shown
// and the rest counted. Empty when the texts are equal.
std::string UnifiedDiff(const std::string& Expected, const std::string& Actual,
                        const std::string& ExpectedName, const std::string& ActualName,
                        size_t MaxLines = 20);
