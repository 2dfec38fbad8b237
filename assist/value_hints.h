#pragma once
// What a value word really compiles to, where its spelling does not show it: %2.5 is 2, %&H10 is
// 16, VAR_12X is user variable 12, INT_1184 is INT_BURN.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/language_tables.h"

namespace corvane {

struct ValueHint {
    std::size_t position = 0;  // the end of the word the hint follows
    std::string label;
    bool operator==(const ValueHint&) const = default;
};

// The hints of every value word in [from, to) of the text, in text order.
std::vector<ValueHint> ValueHints(std::string_view text, const LanguageTables& tables, std::size_t from = 0,
                                  std::size_t to = std::string_view::npos);

}  // namespace corvane
