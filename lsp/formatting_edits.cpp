#include "lsp/formatting_edits.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "text/text_lines.h"

namespace corvane {
namespace {

constexpr std::string_view kLaidOutLineEnd = "\r\n";

// The line end the client's lines use; one that has none gets LF, which every client reads.
std::string_view LineEndOf(std::string_view text) {
    const std::string_view own = LineBreakOf(text);
    return own.empty() ? "\n" : own;
}

bool EndsWithLineEnd(std::string_view text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

// The text's lines, each with its line end (LF, CR LF or a lone CR, as the protocol counts lines);
// the last one lacks it when the text does not end with one.
std::vector<std::string_view> LinesWithEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
        if (text[at] == '\n' || text[at] == '\r') {
            lines.push_back(text.substr(start, at + 1 - start));
            start = at + 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

using LinePairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Pairs of equal lines (old index, new index) in order, from a shortest edit script (Myers) over
// line hashes; nothing when that script needs more than `maxCost` insertions and removals.
std::optional<LinePairs> CommonLines(const std::vector<std::size_t>& a, const std::vector<std::size_t>& b,
                                     std::size_t maxCost) {
    const long n = static_cast<long>(a.size());
    const long m = static_cast<long>(b.size());
    const long limit = std::min(n + m, static_cast<long>(maxCost));
    // trace[d][k + d]: the furthest x on diagonal k (x - y) after d insertions and removals.
    std::vector<std::vector<long>> trace;
    const auto reached = [&](long d, long k) {
        return trace[static_cast<std::size_t>(d)][static_cast<std::size_t>(k + d)];
    };
    const auto cameDown = [&](long d, long k) {  // the step to diagonal k was an insertion
        return k == -d || (k != d && reached(d - 1, k - 1) < reached(d - 1, k + 1));
    };
    for (long d = 0; d <= limit; ++d) {
        trace.emplace_back(static_cast<std::size_t>(2 * d + 1));
        for (long k = -d; k <= d; k += 2) {
            long x = d == 0 ? 0 : cameDown(d, k) ? reached(d - 1, k + 1) : reached(d - 1, k - 1) + 1;
            long y = x - k;
            while (x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]) ++x, ++y;
            trace.back()[static_cast<std::size_t>(k + d)] = x;
            if (x < n || y < m) continue;
            // Walk back: each step's snake of equal lines, then the step itself.
            LinePairs pairs;
            for (long step = d; step >= 0; --step) {
                const long diagonal = x - y;
                const bool down = step > 0 && cameDown(step, diagonal);
                const long from = step == 0 ? 0
                                  : down    ? reached(step - 1, diagonal + 1)
                                            : reached(step - 1, diagonal - 1) + 1;
                while (x > from) {
                    --x, --y;
                    pairs.emplace_back(x, y);
                }
                if (step > 0) down ? --y : --x;
            }
            std::reverse(pairs.begin(), pairs.end());
            return pairs;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string InDocumentLineEnds(std::string_view laidOut, std::string_view document) {
    const std::string_view lineEnd = LineEndOf(document);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = laidOut.find(kLaidOutLineEnd, start);
        std::string_view line = laidOut.substr(start, end == std::string_view::npos ? end : end - start);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + kLaidOutLineEnd.size();
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += lineEnd;
        text += lines[i];
    }
    if (!lines.empty() && EndsWithLineEnd(document)) text += lineEnd;
    return text;
}

std::vector<TextEdit> LineEdits(const DocumentText& document, std::string_view after, std::size_t maxChangedLines) {
    const std::vector<std::string_view> oldLines = LinesWithEnds(document.clientText());
    const std::vector<std::string_view> newLines = LinesWithEnds(after);
    // Lines the same at both ends need no diff.
    std::size_t head = 0;
    while (head < oldLines.size() && head < newLines.size() && oldLines[head] == newLines[head]) ++head;
    std::size_t tail = 0;
    while (tail < oldLines.size() - head && tail < newLines.size() - head &&
           oldLines[oldLines.size() - 1 - tail] == newLines[newLines.size() - 1 - tail]) {
        ++tail;
    }
    const std::hash<std::string_view> hash;
    std::vector<std::size_t> a, b;
    for (std::size_t i = head; i < oldLines.size() - tail; ++i) a.push_back(hash(oldLines[i]));
    for (std::size_t i = head; i < newLines.size() - tail; ++i) b.push_back(hash(newLines[i]));
    LinePairs common = CommonLines(a, b, 2 * maxChangedLines).value_or(LinePairs{});
    // A hash that matched lines which differ would lose text: such a pair ends no run.
    std::erase_if(common,
                  [&](const auto& pair) { return oldLines[head + pair.first] != newLines[head + pair.second]; });
    common.emplace_back(a.size(), b.size());  // the end closes the last run

    const LinePosition documentEnd = document.PositionAt(document.engineText().size());
    const auto lineStart = [&](std::size_t line) {
        return line < oldLines.size() ? LinePosition{line, 0} : documentEnd;
    };
    std::vector<TextEdit> edits;
    std::size_t oldAt = 0, newAt = 0;
    for (const auto& [oldEqual, newEqual] : common) {
        if (oldEqual > oldAt || newEqual > newAt) {
            TextEdit edit{lineStart(head + oldAt), lineStart(head + oldEqual), {}};
            for (std::size_t i = newAt; i < newEqual; ++i) edit.newText += newLines[head + i];
            edits.push_back(std::move(edit));
        }
        oldAt = oldEqual + 1;
        newAt = newEqual + 1;
    }
    return edits;
}

}  // namespace corvane
