#pragma once
// What the replace bar says about the matches last found: "2 of 5" when a match is selected (", from
// the top" once the search went round), "5 matches" when the caret is elsewhere, "No matches", or
// nothing while there is no search text.

#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

// `matches` ascending; the selection as start and length; `needleLength` 0 for no search text.
std::string MatchCountText(const std::vector<std::size_t>& matches, std::size_t selectionStart,
                           std::size_t selectionLength, std::size_t needleLength, bool wrapped);

}  // namespace corvane
