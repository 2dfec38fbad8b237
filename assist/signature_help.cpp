#include "assist/signature_help.h"

#include <vector>

#include "assist/grammar_text.h"
#include "core/code_text.h"
#include "core/script_words.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

constexpr std::string_view kDoWord = "DO";

// Words the loader starts a line with (DO, IF, SET, {, }, ...) begin the next statement, so a DO
// command's parameters end before them even when some are missing.
bool StartsStatement(std::string_view upperWord, const LanguageTables& tables) {
    if (upperWord == kStartScriptWord) return true;
    const std::string* code = tables.tokens().FindCodeByWord(upperWord);
    if (code == nullptr) return false;
    const std::string* text = tables.tokens().FindTextByCode(*code);
    return text != nullptr && text->starts_with(kLineBreak);
}

}  // namespace

std::optional<SignatureHelp> SignatureHelpAt(std::string_view text, std::size_t offset, const LanguageTables& tables,
                                             const Grammar& grammar) {
    if (offset > text.size()) offset = text.size();
    // The words that start before the caret, from the last DO on.
    std::vector<ScriptWord> words;
    ScriptWordReader reader(text.substr(0, offset));
    ScriptWord word;
    std::string buffer;
    while (reader.Next(word)) {
        const std::string_view upper = UpperWindows1252View(word.text, buffer);
        if (upper == kDoWord) {
            words.assign(1, word);
        } else if (!words.empty() && StartsStatement(upper, tables)) {
            words.clear();
        } else if (!words.empty()) {
            words.push_back(word);
        }
    }
    if (words.size() < 2) return std::nullopt;
    const GrammarGroup& commands = grammar.group(kCommandGroup);
    const int match = commands.FindMatch(ToUpperWindows1252(words[1].text));
    if (match < 0) return std::nullopt;
    const GrammarEntry& entry = commands.entries[static_cast<std::size_t>(match)];

    // The caret touches the last word while that word is being typed; after a blank it stands on
    // the next parameter.
    const bool typing = words.back().position + words.back().text.size() == offset;
    const bool onCommand = typing && words.size() == 2;
    const std::size_t active = words.size() - (typing ? 3 : 2);
    const std::vector<int> groups = ParameterGroups(entry);
    if (!onCommand && active >= groups.size()) return std::nullopt;

    SignatureHelp help;
    help.label = entry.word;
    for (int group : groups) {
        help.label += ' ';
        help.parameters.push_back({help.label.size(), grammar.group(group).name.size()});
        help.label += grammar.group(group).name;
    }
    help.activeParameter = onCommand ? -1 : static_cast<int>(active);
    help.commandPosition = words[1].position;
    return help;
}

}  // namespace corvane
