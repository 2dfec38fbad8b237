#include "assist/variable_uses.h"

#include <string>

#include "core/script_words.h"
#include "core/variable_entry.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

// The statements whose first value is the one they change.
bool ChangesFirstValue(std::string_view upperWord) {
    return upperWord == "SET" || upperWord == "INCREMENT" || upperWord == "DECREMENT" || upperWord == "MULTIPLY" ||
           upperWord == "DIVIDE";
}

std::optional<EntryWord> VariableOf(std::string_view word, const LanguageTables& tables) {
    const WordMeaning meaning = FindWordMeaning(ToUpperWindows1252(word), tables);
    if (meaning.kind != WordMeaning::Kind::kEntry || meaning.entry.type == kConstantNumber) return std::nullopt;
    return meaning.entry;
}

}  // namespace

std::optional<VariableAtCaret> VariableAt(std::string_view text, std::size_t offset, const LanguageTables& tables) {
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word) && word.position <= offset) {
        if (offset > word.position + word.text.size()) continue;
        if (const auto entry = VariableOf(word.text, tables)) {
            return VariableAtCaret{*entry, word.position, word.text.size()};
        }
    }
    return std::nullopt;
}

std::vector<VariableUse> UsesOf(std::string_view text, const EntryWord& entry, const LanguageTables& tables) {
    std::vector<VariableUse> uses;
    ScriptWordReader reader(text);
    ScriptWord word;
    std::string previous;
    while (reader.Next(word)) {
        const std::string upper = ToUpperWindows1252(word.text);
        const WordMeaning meaning = FindWordMeaning(upper, tables);
        if (meaning.kind == WordMeaning::Kind::kEntry && meaning.entry.type == entry.type &&
            meaning.entry.value == entry.value) {
            uses.push_back({word.position, word.text.size(), ChangesFirstValue(previous)});
        }
        previous = upper;
    }
    return uses;
}

std::vector<VariableUse> VariableUsesAt(std::string_view text, std::size_t offset, const LanguageTables& tables) {
    const auto variable = VariableAt(text, offset, tables);
    if (!variable) return {};
    return UsesOf(text, variable->entry, tables);
}

}  // namespace corvane
