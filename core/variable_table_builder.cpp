#include "core/variable_table_builder.h"

namespace corvane {

std::size_t VariableTableBuilder::Find(std::string_view name, std::int32_t value, std::int32_t type) const {
    const auto found = byName_.find(name);
    if (found == byName_.end()) return entries_.size();
    for (std::size_t i = found->second; i < entries_.size(); ++i) {
        const VariableEntry& entry = entries_[i];
        if (entry.name == name && entry.value == value && entry.type == type) return i;
    }
    return entries_.size();
}

std::size_t VariableTableBuilder::CreateNewVar(std::string_view name, std::int32_t value, std::int32_t type) {
    const std::size_t index = Find(name, value, type);
    if (index < entries_.size()) return index;
    entries_.push_back(VariableEntry{std::string(name), value, type});
    byName_.emplace(entries_.back().name, index);
    return index;
}

bool VariableTableBuilder::Has(std::string_view name, std::int32_t value, std::int32_t type) const {
    return Find(name, value, type) < entries_.size();
}

}  // namespace corvane
