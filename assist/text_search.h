#pragma once
// Find and replace in a script text: every match of a search text, the next one from a point
// (round to the top when asked), and what one Replace does. Letter case is ignored unless asked;
// a whole word is bounded by blanks or the text's ends, as the compiler splits words.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWords = false;
    bool wrapAround = true;
};

struct FoundMatch {
    std::size_t position = 0;
    bool wrapped = false;  // found only after going round to the top
};

// Whether the search text stands at `position` of the text.
bool MatchesAt(std::string_view text, std::size_t position, std::string_view needle, const SearchOptions& options);

// The matches in text order, none overlapping another (the ones Replace All replaces); at most
// `limit`. Nothing for an empty search text.
std::vector<std::size_t> FindMatches(std::string_view text, std::string_view needle, const SearchOptions& options,
                                     std::size_t limit = static_cast<std::size_t>(-1));

// The first match that begins at or after `from`; with wrapAround, else the first one of the text.
std::optional<FoundMatch> NextMatch(std::string_view text, std::string_view needle, std::size_t from,
                                    const SearchOptions& options);

// The last match that begins before `before`; with wrapAround, else the last one of the text.
std::optional<FoundMatch> PreviousMatch(std::string_view text, std::string_view needle, std::size_t before,
                                        const SearchOptions& options);

struct ReplaceStep {
    std::optional<std::size_t> replaced;  // where the selection was replaced; nothing when it was no match
    std::optional<FoundMatch> next;       // the match to select next, in the text after the replacement
};

// One Replace: the selection is replaced when it is a match, then the search goes on after it
// (after the replacement, so that replacing A with AA never finds its own A again).
ReplaceStep PlanReplace(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                        std::string_view needle, std::string_view replacement, const SearchOptions& options);

}  // namespace corvane
