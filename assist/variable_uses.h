#pragma once
// Every place a user variable or an internal value is set or tested, for highlighting and
// references. Two words name the same one when they compile to the same kind and number: VAR_7
// and var_07 are one user variable, INT_BURN and INT_1184 one internal value.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/language_tables.h"
#include "core/word_meaning.h"

namespace corvane {

struct VariableUse {
    std::size_t position = 0;  // byte offset of the word in the text
    std::size_t length = 0;
    bool written = false;  // the value SET, INCREMENT, DECREMENT, MULTIPLY or DIVIDE changes
    bool operator==(const VariableUse&) const = default;
};

// The user variable or internal value of the word the caret stands on (inside it, just before or
// just after it), with the span of that word; nothing on any other word.
struct VariableAtCaret {
    EntryWord entry;
    std::size_t position = 0;
    std::size_t length = 0;
};
std::optional<VariableAtCaret> VariableAt(std::string_view text, std::size_t offset, const LanguageTables& tables);

// Every word of the text that names `entry`, in text order.
std::vector<VariableUse> UsesOf(std::string_view text, const EntryWord& entry, const LanguageTables& tables);

// The uses of the variable at the caret; empty when the caret stands on no VAR_ or INT_ word.
std::vector<VariableUse> VariableUsesAt(std::string_view text, std::size_t offset, const LanguageTables& tables);

}  // namespace corvane
