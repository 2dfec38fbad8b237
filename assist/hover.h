#pragma once
// Help for the word under the pointer.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

struct HoverText {
    std::size_t position = 0;  // the word the text is about
    std::size_t length = 0;
    std::string text;  // plain text, lines separated by "\n"
};

// Nothing when the offset is not on a word or the word has no help.
std::optional<HoverText> HoverAt(std::string_view text, std::size_t offset, const LanguageTables& tables,
                                 const Grammar& grammar);

}  // namespace corvane
