#pragma once
// The script's layout as a list of changes of the blanks between words, so that the editor can
// apply it without touching a word: each word keeps its characters (also those the engine's code
// page cannot hold) and its colour.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language_tables.h"

namespace corvane {

struct BlankEdit {
    std::size_t position = 0;  // byte offset in the text before any edit
    std::size_t length = 0;    // blanks replaced
    std::string blanks;        // the laid-out blanks (CR LF line breaks)
    bool operator==(const BlankEdit&) const = default;
};

// The edits from the last to the first, so that each applies to the text as it stands. Nothing
// when the layout would change a word.
std::optional<std::vector<BlankEdit>> LayoutEdits(std::string_view text, const LanguageTables& tables);

}  // namespace corvane
