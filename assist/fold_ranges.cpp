#include "assist/fold_ranges.h"

#include <algorithm>

#include "assist/brace_blocks.h"
#include "text/text_index.h"

namespace corvane {

std::vector<FoldRange> FoldRanges(std::string_view text) {
    const TextIndex index(text);
    std::vector<FoldRange> ranges;
    for (const BraceBlock& block : BraceBlocks(text)) {
        const FoldRange range{block.open, index.PositionAt(block.open).line, index.PositionAt(block.close).line};
        if (range.closeLine - range.openLine >= 2) ranges.push_back(range);
    }
    return ranges;
}

std::vector<bool> HiddenLines(const std::vector<FoldRange>& ranges, const std::vector<std::size_t>& folded,
                              std::size_t lineCount) {
    std::vector<bool> hidden(lineCount, false);
    for (std::size_t open : folded) {
        const auto range =
            std::lower_bound(ranges.begin(), ranges.end(), open,
                             [](const FoldRange& candidate, std::size_t at) { return candidate.open < at; });
        if (range == ranges.end() || range->open != open) continue;
        for (std::size_t line = range->openLine + 1; line < range->closeLine && line < lineCount; ++line)
            hidden[line] = true;
    }
    return hidden;
}

}  // namespace corvane
