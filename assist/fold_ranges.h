#pragma once
// The blocks an editor can fold, with their lines, and which lines the folded ones hide. Folding
// hides the lines between a block's "{" and its "}": braces on one line or on neighbouring lines
// leave nothing to hide.

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

struct FoldRange {
    std::size_t open = 0;       // byte offset of the {
    std::size_t openLine = 0;   // its line, from 0
    std::size_t closeLine = 0;  // the line of its }
    bool operator==(const FoldRange&) const = default;
    // Whether folding it hides the line.
    bool Hides(std::size_t line) const { return openLine < line && line < closeLine; }
};

// Every block that can fold, ordered by its {.
std::vector<FoldRange> FoldRanges(std::string_view text);

// For each of `lineCount` lines, whether one of the ranges whose { stands at an offset of `folded`
// hides it. An offset where no range opens hides nothing.
std::vector<bool> HiddenLines(const std::vector<FoldRange>& ranges, const std::vector<std::size_t>& folded,
                              std::size_t lineCount);

}  // namespace corvane
