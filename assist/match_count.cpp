#include "assist/match_count.h"

#include <algorithm>

namespace corvane {

std::string MatchCountText(const std::vector<std::size_t>& matches, std::size_t selectionStart,
                           std::size_t selectionLength, std::size_t needleLength, bool wrapped) {
    if (needleLength == 0) return {};
    if (matches.empty()) return "No matches";
    const auto match = std::lower_bound(matches.begin(), matches.end(), selectionStart);
    if (match != matches.end() && *match == selectionStart && selectionLength == needleLength) {
        return std::to_string(match - matches.begin() + 1) + " of " + std::to_string(matches.size()) +
               (wrapped ? ", from the top" : "");
    }
    return std::to_string(matches.size()) + (matches.size() == 1 ? " match" : " matches");
}

}  // namespace corvane
