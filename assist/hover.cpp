#include "assist/hover.h"

#include <algorithm>

#include "assist/context_help.h"
#include "assist/grammar_text.h"
#include "core/script_words.h"
#include "core/token_table.h"
#include "core/word_meaning.h"
#include "support/file_utils.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

constexpr std::string_view kEndScriptWord = "ENDSCRIPT";
constexpr std::string_view kEndScriptHelpWord = "END_SCRIPT";  // the help box's own name for it

// The help box's text with plain line feeds and no empty lines at its end.
std::string PlainLines(std::string_view crLfText) {
    std::string text;
    for (char c : crLfText) {
        if (c != '\r') text += c;
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

std::string EntryText(std::string_view spelled, const EntryWord& entry, const LanguageTables& tables) {
    const std::string word(spelled);
    const std::string number = std::to_string(entry.value);
    switch (entry.type) {
        case kUserVariable:
            return word + "\nuser variable " + number;
        case kInternalValue: {
            const std::string* name = tables.internals().FindNameByNumber(entry.value);
            const bool named = name != nullptr && *name != word;
            return word + "\ninternal value " + number + (named ? " (" + *name + ")" : std::string());
        }
        default:
            return word + "\nnumber " + number;
    }
}

// The grammar's word for `upperWord` in the first group that lists it, skipping the start group.
std::optional<std::string> GrammarText(std::string_view upperWord, const Grammar& grammar) {
    const GrammarGroup& commands = grammar.group(kCommandGroup);
    if (const int match = commands.FindMatch(upperWord); match >= 0) {
        const std::string kinds = ParameterKinds(grammar, commands.entries[static_cast<std::size_t>(match)]);
        return "DO " + std::string(upperWord) + (kinds.empty() ? "" : " " + kinds) + "\ncommand" +
               (kinds.empty() ? " without parameters" : "; parameters: " + kinds);
    }
    for (int number = 2; number <= grammar.top(); ++number) {
        const GrammarGroup& group = grammar.group(number);
        for (const GrammarEntry& entry : group.entries) {
            if (entry.word != upperWord) continue;
            const std::string kinds = ParameterKinds(grammar, entry);
            if (number == kStatementEndGroup) return std::string(upperWord) + (kinds.empty() ? "" : " " + kinds);
            return std::string(upperWord) + "\none of " + group.name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CodeText(std::string_view upperWord, std::string_view nextUpperWord,
                                    const Grammar& grammar) {
    const std::string_view helpWord = upperWord == kEndScriptWord ? kEndScriptHelpWord : upperWord;
    const std::string help =
        HelpTextFor({std::string(helpWord), std::string(nextUpperWord)}, BuildCommandList(grammar));
    if (!help.empty()) return PlainLines(help);
    return GrammarText(upperWord, grammar);
}

}  // namespace

std::optional<HoverText> HoverAt(std::string_view text, std::size_t offset, const LanguageTables& tables,
                                 const Grammar& grammar) {
    ScriptWordReader reader(text);
    ScriptWord word;
    ScriptWord next;
    bool found = false;
    while (reader.Next(word)) {
        // The pointer on a word or just behind it.
        if (offset >= word.position && offset <= word.position + word.text.size()) {
            found = true;
            break;
        }
        if (word.position > offset) return std::nullopt;
    }
    if (!found) return std::nullopt;
    const std::string upper = ToUpperWindows1252(word.text);
    const WordMeaning meaning = FindWordMeaning(upper, tables);
    std::optional<std::string> help;
    if (meaning.kind == WordMeaning::Kind::kEntry) {
        help = EntryText(word.text, meaning.entry, tables);
    } else if (meaning.kind == WordMeaning::Kind::kCode && tables.tokens().FindCodeByWord(upper) != nullptr) {
        const std::string nextUpper = reader.Next(next) ? ToUpperWindows1252(next.text) : std::string();
        help = CodeText(upper, nextUpper, grammar);
    } else if (meaning.kind == WordMeaning::Kind::kCode && upper == kStartScriptWord) {
        help = CodeText(upper, "", grammar);
    }
    if (!help) return std::nullopt;
    return HoverText{word.position, word.text.size(), std::move(*help)};
}

}  // namespace corvane
