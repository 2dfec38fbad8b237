#pragma once
// What each word of a script text is, for colouring it: the compiler's own word meanings (fixed
// words, the commands after DO, value words), read from the language tables.

#include <cstddef>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

enum class WordKind { kKeyword, kCommand, kInternalValue, kNumber, kUserVariable, kBrace, kUnknown };

struct ColouredWord {
    std::size_t position = 0;  // byte offset in the text
    std::size_t length = 0;
    WordKind kind = WordKind::kUnknown;
};

// The kind of one word, letter case ignored as the compiler ignores it.
WordKind KindOfWord(std::string_view word, const LanguageTables& tables, const Grammar& grammar);

// Every word of the text in order.
std::vector<ColouredWord> ColourWords(std::string_view text, const LanguageTables& tables, const Grammar& grammar);

}  // namespace corvane
