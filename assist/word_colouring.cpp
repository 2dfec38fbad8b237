#include "assist/word_colouring.h"

#include <string>

#include "core/number_reader.h"
#include "core/script_words.h"
#include "support/file_utils.h"

namespace corvane {

namespace {

bool StartsWith(std::string_view word, std::string_view prefix) { return word.substr(0, prefix.size()) == prefix; }

// INT_ followed by a known name, or by a number above 0, as the compiler takes it.
bool IsInternalValue(std::string_view upper, const LanguageTables& tables) {
    if (tables.internals().FindNumberByName(upper)) return true;
    const auto number = ReadScriptNumber(upper.substr(4));
    return number && *number > 0;
}

}  // namespace

WordKind KindOfWord(std::string_view word, const LanguageTables& tables, const Grammar& grammar) {
    if (word == "{" || word == "}") return WordKind::kBrace;
    const std::string upper = ToUpperAscii(word);
    if (StartsWith(upper, "%")) return WordKind::kNumber;
    if (StartsWith(upper, "VAR_")) return WordKind::kUserVariable;
    if (StartsWith(upper, "INT_"))
        return IsInternalValue(upper, tables) ? WordKind::kInternalValue : WordKind::kUnknown;
    if (grammar.group(kCommandGroup).FindMatch(upper) >= 0) return WordKind::kCommand;
    if (upper == kStartScriptWord || tables.tokens().FindCodeByWord(upper) != nullptr) return WordKind::kKeyword;
    return WordKind::kUnknown;
}

std::vector<ColouredWord> ColourWords(std::string_view text, const LanguageTables& tables, const Grammar& grammar) {
    std::vector<ColouredWord> words;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word))
        words.push_back({word.position, word.text.size(), KindOfWord(word.text, tables, grammar)});
    return words;
}

}  // namespace corvane
