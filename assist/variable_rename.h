#pragma once
// Renumbering a user variable: every VAR_ word of that number gets the new one, unless the
// script uses the new number already (the two variables would become one).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assist/block_match.h"
#include "core/language_tables.h"

namespace corvane {

struct RenameEdit {
    std::size_t position = 0;  // replaces [position, position + length) of the text
    std::size_t length = 0;
    std::string replacement;
    bool operator==(const RenameEdit&) const = default;
};

struct VariableRename {
    std::vector<RenameEdit> edits;  // in text order; empty when the number stays the same
    std::string refusal;            // why nothing may change; empty when the edits apply
};

// The VAR_ word the caret stands on, which a rename would change; nothing on any other word.
std::optional<WordSpan> RenamableVariableAt(std::string_view text, std::size_t offset, const LanguageTables& tables);

// Gives the user variable at the caret the number of `newName` ("VAR_12", or "12"). Each use keeps
// its own spelling of VAR_ and gets the number in plain digits.
VariableRename RenameVariableAt(std::string_view text, std::size_t offset, std::string_view newName,
                                const LanguageTables& tables);

}  // namespace corvane
