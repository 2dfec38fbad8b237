#include "core/variable_table_builder.h"

namespace corvane {

std::string VariableTableBuilder::Key(std::string_view name, std::int32_t value, std::int32_t type) {
    // A blank never occurs in a word, so it separates the parts unambiguously.
    std::string key(name);
    key += ' ';
    key += std::to_string(value);
    key += ' ';
    key += std::to_string(type);
    return key;
}

std::size_t VariableTableBuilder::CreateNewVar(std::string_view name, std::int32_t value, std::int32_t type) {
    const auto [found, added] = index_.emplace(Key(name, value, type), entries_.size());
    if (added) entries_.push_back(VariableEntry{std::string(name), value, type});
    return found->second;
}

bool VariableTableBuilder::Has(std::string_view name, std::int32_t value, std::int32_t type) const {
    return index_.contains(Key(name, value, type));
}

}  // namespace corvane
