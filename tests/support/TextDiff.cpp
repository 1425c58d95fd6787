#include "TextDiff.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t Context = 3;

// Lines with their terminating '\n', so that a missing final newline differs.
std::vector<std::string> SplitKeepingNewlines(const std::string& Text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Text.size()) {
        const size_t end = Text.find('\n', start);
        const size_t next = end == std::string::npos ? Text.size() : end + 1;
        lines.push_back(Text.substr(start, next - start));
        start = next;
    }
    return lines;
}

void AppendLine(std::string& Out, char Mark, const std::string& Line) {
    Out += Mark;
    Out += Line;
    if (Line.empty() || Line.back() != '\n') Out += "\n\\ No newline at end of file\n";
}

// Appends Lines[First, Last) marked with Mark, eliding all but MaxLines.
void AppendLines(std::string& Out, char Mark, const std::vector<std::string>& Lines, size_t First,
                 size_t Last, size_t MaxLines) {
    const size_t shown = std::min(Last - First, MaxLines);
    for (size_t i = First; i < First + shown; ++i)
        AppendLine(Out, Mark, Lines[i]);
    if (Last - First > shown)
        Out += "... " + std::to_string(Last - First - shown) + " more '" + Mark + "' lines\n";
}

// "start,count" of a hunk side; an empty side names the line before it.
std::string Range(size_t First, size_t Count) {
    return std::to_string(Count ? First + 1 : First) + "," + std::to_string(Count);
}

} // namespace

std::string UnifiedDiff(const std::string& Expected, const std::string& Actual,
                        const std::string& ExpectedName, const std::string& ActualName,
                        size_t MaxLines) {
    if (Expected == Actual) return {};
    const auto expected = SplitKeepingNewlines(Expected);
    const auto actual = SplitKeepingNewlines(Actual);
    size_t prefix = 0;
    while (prefix < expected.size() && prefix < actual.size() && expected[prefix] == actual[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < expected.size() - prefix && suffix < actual.size() - prefix &&
           expected[expected.size() - 1 - suffix] == actual[actual.size() - 1 - suffix])
        ++suffix;
    const size_t expectedEnd = expected.size() - suffix;
    const size_t actualEnd = actual.size() - suffix;
    const size_t before = std::min(prefix, Context);
    const size_t after = std::min(suffix, Context);

    std::string out = "--- " + ExpectedName + "\n+++ " + ActualName + "\n";
    out += "@@ -" + Range(prefix - before, expectedEnd - prefix + before + after) + " +" +
           Range(prefix - before, actualEnd - prefix + before + after) + " @@\n";
    AppendLines(out, ' ', expected, prefix - before, prefix, Context);
    AppendLines(out, '-', expected, prefix, expectedEnd, MaxLines);
    AppendLines(out, '+', actual, prefix, actualEnd, MaxLines);
    AppendLines(out, ' ', expected, expectedEnd, expectedEnd + after, Context);
    return out;
}
