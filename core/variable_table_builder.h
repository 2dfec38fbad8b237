#pragma once
// The compiler's variable table while it is being filled: one entry per distinct word.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/string_hash.h"
#include "core/variable_entry.h"

namespace corvane {

class VariableTableBuilder {
public:
    // Index of the entry with this name, value and type, adding it when there is none.
    std::size_t CreateNewVar(std::string_view name, std::int32_t value, std::int32_t type);

    // Whether CreateNewVar would add an entry for this name, value and type.
    bool Has(std::string_view name, std::int32_t value, std::int32_t type) const;

    std::size_t count() const { return entries_.size(); }
    const std::vector<VariableEntry>& entries() const { return entries_; }
    std::vector<VariableEntry> Take() { return std::move(entries_); }

private:
    // Index of the entry with this name, value and type; count() when there is none.
    std::size_t Find(std::string_view name, std::int32_t value, std::int32_t type) const;

    std::vector<VariableEntry> entries_;
    // First entry of each name. A name always comes with the same value and type in a script, so
    // the full comparison nearly always succeeds at once.
    std::unordered_map<std::string, std::size_t, StringHash, std::equal_to<>> byName_;
};

}  // namespace corvane
