#include "TextDiff.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t Context = 3;
// Beyond this many differing lines on a side the middle is shown as removed
// and added whole instead of being matched line by line.
constexpr size_t MaxMatched = 2000;

using TLines = std::vector<std::string>;

// Lines with their terminating '\n', so that a missing final newline differs.
TLines SplitKeepingNewlines(const std::string& Text) {
    TLines lines;
    size_t start = 0;
    while (start < Text.size()) {
        const size_t end = Text.find('\n', start);
        const size_t next = end == std::string::npos ? Text.size() : end + 1;
        lines.push_back(Text.substr(start, next - start));
        start = next;
    }
    return lines;
}

// One line of the edit script: kept (' '), removed ('-') or added ('+'),
// with its index in the expected and in the actual text.
struct TEdit {
    char Mark;
    size_t Expected, Actual;
};

// The shortest edit script from A to B (longest common subsequence), removals
// before additions where a block of lines is replaced.
std::vector<TEdit> EditScript(const TLines& A, const TLines& B) {
    const size_t n = A.size(), m = B.size();
    std::vector<TEdit> script;
    if (n > MaxMatched || m > MaxMatched) {
        for (size_t i = 0; i < n; ++i)
            script.push_back({'-', i, 0});
        for (size_t j = 0; j < m; ++j)
            script.push_back({'+', n, j});
        return script;
    }
    // common[i][j]: the longest common subsequence of A[i..] and B[j..].
    std::vector<std::vector<size_t>> common(n + 1, std::vector<size_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = A[i] == B[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && A[i] == B[j]) {
            script.push_back({' ', i++, j++});
        } else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1])) {
            script.push_back({'-', i++, j});
        } else {
            script.push_back({'+', i, j++});
        }
    }
    return script;
}

void AppendLine(std::string& Out, char Mark, const std::string& Line) {
    Out += Mark;
    Out += Line;
    if (Line.empty() || Line.back() != '\n') Out += "\n\\ No newline at end of file\n";
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
    const TLines expected = SplitKeepingNewlines(Expected);
    const TLines actual = SplitKeepingNewlines(Actual);
    // Matched line by line only between the common beginning and end.
    size_t prefix = 0;
    while (prefix < expected.size() && prefix < actual.size() && expected[prefix] == actual[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < expected.size() - prefix && suffix < actual.size() - prefix &&
           expected[expected.size() - 1 - suffix] == actual[actual.size() - 1 - suffix])
        ++suffix;
    std::vector<TEdit> script;
    for (size_t i = 0; i < prefix; ++i)
        script.push_back({' ', i, i});
    const TLines expectedMiddle(expected.begin() + prefix, expected.end() - suffix);
    const TLines actualMiddle(actual.begin() + prefix, actual.end() - suffix);
    for (TEdit e : EditScript(expectedMiddle, actualMiddle))
        script.push_back({e.Mark, e.Expected + prefix, e.Actual + prefix});
    for (size_t k = 0; k < suffix; ++k)
        script.push_back({' ', expected.size() - suffix + k, actual.size() - suffix + k});

    std::string out = "--- " + ExpectedName + "\n+++ " + ActualName + "\n";
    size_t shown = 0, hidden = 0;
    size_t at = 0;
    while (at < script.size()) {
        while (at < script.size() && script[at].Mark == ' ')
            ++at;
        if (at == script.size()) break;
        if (shown >= MaxLines) {
            hidden += script[at++].Mark != ' ';
            continue;
        }
        // A hunk: the changes up to a run of more than twice the context
        // unchanged lines, with the context around them.
        const size_t first = at - std::min(at, Context);
        size_t last = at;
        for (size_t k = at; k < script.size(); ++k) {
            if (script[k].Mark != ' ') last = k;
            if (k - last > 2 * Context) break;
        }
        const size_t end = std::min(script.size(), last + 1 + Context);
        size_t expectedCount = 0, actualCount = 0;
        for (size_t k = first; k < end; ++k) {
            expectedCount += script[k].Mark != '+';
            actualCount += script[k].Mark != '-';
        }
        out += "@@ -" + Range(script[first].Expected, expectedCount) + " +" +
               Range(script[first].Actual, actualCount) + " @@\n";
        for (size_t k = first; k < end; ++k) {
            const TEdit& e = script[k];
            if (e.Mark != ' ' && shown == MaxLines) {
                ++hidden;
                continue;
            }
            shown += e.Mark != ' ';
            AppendLine(out, e.Mark, e.Mark == '+' ? actual[e.Actual] : expected[e.Expected]);
        }
        at = end;
    }
    if (hidden) out += "... " + std::to_string(hidden) + " more changed lines\n";
    return out;
}
