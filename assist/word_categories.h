#pragma once
// The words of a script sorted finer than the editor's colours, for editors that colour by
// classes of their own: comparison operators apart from other fixed words, and the four-letter
// words that compile as raw codes apart from words that do not compile at all.

#include <cstddef>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

enum class WordCategory { kKeyword, kCommand, kInternalValue, kUserVariable, kNumber, kOperator, kRawCode, kUnknown };

struct CategorisedWord {
    std::size_t position = 0;  // byte offset in the text
    std::size_t length = 0;
    WordCategory category = WordCategory::kUnknown;
};

// Every word of the text in order; braces are keywords.
std::vector<CategorisedWord> CategoriseWords(std::string_view text, const LanguageTables& tables,
                                             const Grammar& grammar);

}  // namespace corvane
