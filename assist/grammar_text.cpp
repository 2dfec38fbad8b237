#include "assist/grammar_text.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace corvane {

std::vector<int> ParameterGroups(const GrammarEntry& entry) {
    std::vector<int> groups = entry.groups;
    if (!groups.empty() && groups.back() == kStatementEndGroup) groups.pop_back();
    return groups;
}

std::string ParameterKinds(const Grammar& grammar, const GrammarEntry& entry) {
    std::string kinds;
    for (int group : ParameterGroups(entry)) {
        if (!kinds.empty()) kinds += ' ';
        kinds += grammar.group(group).name;
    }
    return kinds;
}

std::string ExampleWords(const GrammarGroup& group, std::size_t count) {
    std::string words;
    std::size_t shown = 0;
    for (const GrammarEntry& entry : group.entries) {
        if (shown == count) return words + ", ...";
        if (shown > 0) words += ", ";
        words += entry.word == kVariablePlaceholder ? std::string_view("a value") : ScriptSpelling(entry.word);
        ++shown;
    }
    return words;
}

namespace {

// The grammar's names for the kinds of word, said as an author would.
constexpr std::pair<std::string_view, std::string_view> kKindNames[] = {
    {"<mcom>", "a statement"},
    {"<docommand>", "a command"},
    {"<operator/both>", "a comparison operator"},
    {"<operator>", "a comparison operator"},
    {"<var>", "a value"},
    {"<color>", "a colour"},
    {"<color/wild>", "a colour or COUNT_WILD"},
    {"<attack_what>", "what to attack"},
    {"<attack_how>", "how to attack"},
};

std::string_view KindName(const GrammarGroup& group) {
    for (const auto& [name, words] : kKindNames) {
        if (group.name == name) return words;
    }
    return {};
}

}  // namespace

bool DescribedByKind(const GrammarGroup& group) { return !KindName(group).empty(); }

std::string GroupDescription(const GrammarGroup& group) {
    if (const std::string_view kind = KindName(group); !kind.empty()) return std::string(kind);
    std::vector<std::string_view> words;
    for (const GrammarEntry& entry : group.entries) {
        const std::string_view word = entry.word == kVariablePlaceholder ? "a value" : ScriptSpelling(entry.word);
        if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
    }
    std::string description;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) description += i + 1 == words.size() ? " or " : ", ";
        description += words[i];
    }
    return description;
}

std::string_view ScriptSpelling(std::string_view grammarWord) {
    return grammarWord.size() > 1 && grammarWord.front() == '}' ? grammarWord.substr(0, 1) : grammarWord;
}

bool IsOperatorWord(std::string_view word) {
    if (word.empty()) return false;
    for (char c : word) {
        if (c != '<' && c != '>' && c != '=' && c != '|') return false;
    }
    return true;
}

}  // namespace corvane
