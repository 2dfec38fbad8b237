#pragma once
// The "{ }" blocks an editor can fold: each brace with its partner, where the block spans lines.

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

struct FoldRange {
    std::size_t open = 0;   // byte offset of "{"
    std::size_t close = 0;  // byte offset of its "}"
    bool operator==(const FoldRange&) const = default;
};

// In the order of their "{". A brace without a partner folds nothing; nor does a block whose
// braces stand on one line or on neighbouring lines (there is no line between them to hide).
std::vector<FoldRange> FoldRanges(std::string_view text);

}  // namespace corvane
