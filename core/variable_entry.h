#pragma once
// One entry of a compiled script's variable table.

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

enum VariableType : std::int32_t {
    kConstantNumber = 0,  // written "%" + number
    kUserVariable = 1,    // written "VAR_" + number
    kInternalValue = 2,   // written as an INT_ name or "INT_" + number
};

// How a word that names an entry of the type begins: "%", "VAR_" or "INT_" (empty for no type).
constexpr std::string_view EntryPrefix(std::int32_t type) {
    switch (type) {
        case kConstantNumber:
            return "%";
        case kUserVariable:
            return "VAR_";
        case kInternalValue:
            return "INT_";
        default:
            return {};
    }
}

struct VariableEntry {
    std::string name;  // the word that created the entry (upper case); empty when read from a file
    std::int32_t value = 0;
    std::int32_t type = 0;

    friend bool operator==(const VariableEntry&, const VariableEntry&) = default;
};

}  // namespace corvane
