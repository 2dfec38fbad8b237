#include "assist/value_hints.h"

#include "core/script_words.h"
#include "core/variable_entry.h"
#include "core/word_meaning.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

std::string HintOf(std::string_view upper, const EntryWord& entry, const LanguageTables& tables) {
    if (entry.type == kInternalValue) {
        if (tables.internals().FindNumberByName(upper)) return {};  // the name says it all
        if (const std::string* name = tables.internals().FindNameByNumber(entry.value)) return *name;
    }
    const std::string number = std::to_string(entry.value);
    return upper.substr(EntryPrefix(entry.type).size()) == number ? std::string() : number;
}

}  // namespace

std::vector<ValueHint> ValueHints(std::string_view text, const LanguageTables& tables, std::size_t from,
                                  std::size_t to) {
    std::vector<ValueHint> hints;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word) && word.position < to) {
        if (word.position + word.text.size() < from) continue;
        const std::string upper = ToUpperWindows1252(word.text);
        const WordMeaning meaning = FindWordMeaning(upper, tables);
        if (meaning.kind != WordMeaning::Kind::kEntry) continue;
        std::string label = HintOf(upper, meaning.entry, tables);
        if (!label.empty()) hints.push_back({word.position + word.text.size(), std::move(label)});
    }
    return hints;
}

}  // namespace corvane
