#include "text/text_index.h"

#include <algorithm>

namespace corvane {

TextIndex::TextIndex(std::string_view text, std::vector<std::size_t> wide)
    : size_(text.size()), wide_(std::move(wide)) {
    lineStarts_.push_back(0);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\n' && text[at] != '\r') continue;
        lineEnds_.push_back(at);
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
        lineStarts_.push_back(at + 1);
    }
    lineEnds_.push_back(text.size());
}

TextPosition TextIndex::PositionAt(std::size_t offset) const {
    offset = std::min(offset, size_);
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const auto line = static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
    const std::size_t start = lineStarts_[line];
    const auto wideBefore =
        std::lower_bound(wide_.begin(), wide_.end(), offset) - std::lower_bound(wide_.begin(), wide_.end(), start);
    return {line, offset - start, offset - start + static_cast<std::size_t>(wideBefore)};
}

std::size_t TextIndex::OffsetAt(std::size_t line, std::size_t utf16) const {
    if (line >= lineStarts_.size()) return size_;
    const std::size_t start = lineStarts_[line];
    const std::size_t end = lineEnds_[line];
    const auto first = static_cast<std::size_t>(std::lower_bound(wide_.begin(), wide_.end(), start) - wide_.begin());
    const auto last = static_cast<std::size_t>(std::lower_bound(wide_.begin(), wide_.end(), end) - wide_.begin());
    if (utf16 >= end - start + (last - first)) return end;
    // The k-th wide character of the line starts at unit (its offset - start) + k, which grows
    // with k: count, by bisection, those that start before the unit asked for.
    const auto unitOf = [&](std::size_t k) { return wide_[k] - start + (k - first); };
    std::size_t low = first;
    std::size_t high = last;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (unitOf(middle) < utf16) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low != first && unitOf(low - 1) + 1 == utf16) return wide_[low - 1] + 1;  // inside a wide character
    const std::size_t offset = start + utf16 - (low - first);
    return std::min(offset, end);
}

}  // namespace corvane
