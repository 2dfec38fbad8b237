#include "assist/word_suggester.h"

#include <algorithm>

#include "core/token_table.h"

namespace corvane {

WordSuggester::WordSuggester(const LanguageTables& tables) {
    words_.reserve(1 + tables.tokens().size() + tables.internals().size());
    words_.push_back(kStartScriptWord);
    for (const CodePair& row : tables.tokens().rows()) words_.push_back(TokenTable::BareWord(row.text));
    for (const CodePair& row : tables.internals().rows()) words_.push_back(row.text);
}

std::size_t WordSuggester::AllowedEdits(std::size_t length) {
    // Any word of one character is one edit from {, } and <: a guess, not a suggestion.
    if (length <= 1) return 0;
    if (length <= 5) return 1;
    return 2;
}

std::optional<std::string_view> WordSuggester::Suggest(std::string_view upperWord) {
    if (const auto seen = seen_.find(upperWord); seen != seen_.end()) return seen->second;
    // A text of thousands of different unknown words (not a script at all) would take long to
    // measure; such a text gets no more suggestions.
    if (seen_.size() >= kMaxMeasuredWords) return std::nullopt;
    const std::size_t limit = AllowedEdits(upperWord.size());
    std::optional<std::string_view> best;
    std::size_t bestDistance = limit + 1;
    for (std::string_view word : words_) {
        const std::size_t gap =
            word.size() > upperWord.size() ? word.size() - upperWord.size() : upperWord.size() - word.size();
        if (gap >= bestDistance) continue;
        const std::size_t distance = BoundedEditDistance(upperWord, word, bestDistance - 1);
        if (distance == 0) {
            best.reset();
            break;
        }
        if (distance < bestDistance) {
            best = word;
            bestDistance = distance;
        }
    }
    seen_.emplace(std::string(upperWord), best);
    return best;
}

std::size_t BoundedEditDistance(std::string_view a, std::string_view b, std::size_t limit) {
    if (a.size() > b.size()) std::swap(a, b);
    if (b.size() - a.size() > limit) return limit + 1;
    // One row of the classic table; a row whose smallest cell exceeds the limit ends the search.
    thread_local std::vector<std::size_t> row;
    row.resize(a.size() + 1);
    for (std::size_t i = 0; i <= a.size(); ++i) row[i] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
        std::size_t diagonal = row[0];
        row[0] = j;
        std::size_t smallest = row[0];
        for (std::size_t i = 1; i <= a.size(); ++i) {
            const std::size_t above = row[i];
            row[i] = std::min({row[i] + 1, row[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            smallest = std::min(smallest, row[i]);
        }
        if (smallest > limit) return limit + 1;
    }
    return std::min(row[a.size()], limit + 1);
}

}  // namespace corvane
