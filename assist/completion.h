#pragma once
// The words the grammar allows at a point of a script text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

enum class CompletionKind { kKeyword, kCommand, kInternalValue, kValuePrefix, kOperator };

struct CompletionItem {
    std::string word;    // as it is inserted (upper case)
    std::string detail;  // parameter kinds of a command, number of an internal value, ...
    CompletionKind kind = CompletionKind::kKeyword;
};

struct Completion {
    // The part of a word that stands before the offset (the offset may be inside a word): the
    // range an accepted item replaces.
    std::size_t replaceStart = 0;
    std::size_t replaceLength = 0;
    std::vector<CompletionItem> items;  // not narrowed by the partial word; the caller filters
};

Completion CompleteAt(std::string_view text, std::size_t offset, const LanguageTables& tables, const Grammar& grammar);

}  // namespace corvane
