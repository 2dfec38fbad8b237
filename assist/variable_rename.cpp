#include "assist/variable_rename.h"

#include <cstdint>
#include <limits>

#include "assist/variable_uses.h"
#include "core/variable_entry.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

constexpr std::string_view kPrefix = "VAR_";

// The number of a new name written "VAR_" + digits or digits alone.
std::optional<std::int32_t> NewNumber(std::string_view name) {
    if (ToUpperAscii(name.substr(0, kPrefix.size())) == kPrefix) name.remove_prefix(kPrefix.size());
    if (name.empty() || name.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (char c : name) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<WordSpan> RenamableVariableAt(std::string_view text, std::size_t offset, const LanguageTables& tables) {
    const auto variable = VariableAt(text, offset, tables);
    if (!variable || variable->entry.type != kUserVariable) return std::nullopt;
    return WordSpan{variable->position, variable->length};
}

VariableRename RenameVariableAt(std::string_view text, std::size_t offset, std::string_view newName,
                                const LanguageTables& tables) {
    const auto variable = VariableAt(text, offset, tables);
    if (!variable || variable->entry.type != kUserVariable) return {{}, "only a user variable (VAR_...) is renamed"};
    const auto number = NewNumber(newName);
    if (!number) return {{}, "a user variable's name is VAR_ and a whole number from 0 to 2147483647"};
    const std::string name = std::string(kPrefix) + std::to_string(*number);
    if (*number == variable->entry.value) return {};
    if (!UsesOf(text, EntryWord{*number, kUserVariable}, tables).empty()) {
        return {{}, name + " is in use already; renaming would make two variables one"};
    }
    VariableRename rename;
    for (const VariableUse& use : UsesOf(text, variable->entry, tables)) {
        rename.edits.push_back(
            {use.position + kPrefix.size(), use.length - kPrefix.size(), name.substr(kPrefix.size())});
    }
    return rename;
}

}  // namespace corvane
