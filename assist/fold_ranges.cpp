#include "assist/fold_ranges.h"

#include <algorithm>

#include "core/script_words.h"

namespace corvane {

std::vector<FoldRange> FoldRanges(std::string_view text) {
    std::vector<FoldRange> ranges;
    std::vector<std::size_t> open;  // indexes into ranges of the braces still open
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) {
        if (word.text == "{") {
            open.push_back(ranges.size());
            ranges.push_back({word.position, 0});
        } else if (word.text == "}" && !open.empty()) {
            ranges[open.back()].close = word.position;
            open.pop_back();
        }
    }
    for (std::size_t unclosed : open) ranges[unclosed].close = 0;
    const auto foldsNothing = [text](const FoldRange& range) {
        if (range.close <= range.open) return true;
        const std::string_view between = text.substr(range.open, range.close - range.open);
        return std::count(between.begin(), between.end(), '\n') < 2;
    };
    ranges.erase(std::remove_if(ranges.begin(), ranges.end(), foldsNothing), ranges.end());
    return ranges;
}

}  // namespace corvane
