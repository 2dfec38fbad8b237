#pragma once
// The words that belong together in a block: a brace and its partner, an IF with its ELSE and
// ENDIF. The editor marks them while the caret stands on one of them.

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

struct WordSpan {
    std::size_t position = 0;  // byte offset in the text
    std::size_t length = 0;
    bool operator==(const WordSpan&) const = default;
};

// Whether `word` is one of the words that have partners: a brace, IF, ELSE or ENDIF.
bool HasBlockPartners(std::string_view word);

// The caret stands on a word when it is inside it, just before it or just after it. Returns the
// words of that word's block in text order (the word itself included), or nothing when the caret
// stands on no such word or the word has no partner.
std::vector<WordSpan> MatchingWordsAt(std::string_view text, std::size_t caret);

}  // namespace corvane
