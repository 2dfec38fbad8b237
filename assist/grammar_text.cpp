#include "assist/grammar_text.h"

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
