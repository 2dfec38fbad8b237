#pragma once
// "Did you mean ...?": the known word closest to a misspelt one by edit distance, offered only
// when it is close (none for a word of one character, one for a short word, two for a longer one).

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/language_tables.h"
#include "core/string_hash.h"

namespace corvane {

class WordSuggester {
public:
    // Every word of the language: START_SCRIPT, the token table's words, the internal names.
    explicit WordSuggester(const LanguageTables& tables);
    // Only these words (a grammar group's, for example).
    explicit WordSuggester(std::vector<std::string_view> words) : words_(std::move(words)) {}

    // The closest word to `upperWord` (the first in table order among equally close ones);
    // nothing when none is close enough or the word itself is known.
    std::optional<std::string_view> Suggest(std::string_view upperWord);

    // Distinct words measured at most; later ones get no suggestion.
    static constexpr std::size_t kMaxMeasuredWords = 500;

    // The number of edits allowed for a word of this length.
    static std::size_t AllowedEdits(std::size_t length);

private:
    std::vector<std::string_view> words_;  // views into the tables, which outlive the suggester
    // Authors repeat their misspellings; each is measured once.
    std::unordered_map<std::string, std::optional<std::string_view>, StringHash, std::equal_to<>> seen_;
};

// The Levenshtein distance of two words, or `limit` + 1 once it is sure to exceed `limit`.
std::size_t BoundedEditDistance(std::string_view a, std::string_view b, std::size_t limit);

}  // namespace corvane
