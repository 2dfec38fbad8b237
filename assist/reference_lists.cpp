#include "assist/reference_lists.h"

#include <vector>

#include "support/file_utils.h"

namespace corvane {

namespace {

std::string CommandLine(const Grammar& grammar, const GrammarEntry& entry) {
    std::string line = entry.word + " ";
    for (int number : QueueExpectations(entry.expectation)) {
        if (number == kStatementEndGroup) continue;
        const GrammarGroup& group = grammar.group(number);
        line += group.name + " ";
        if (!group.entries.empty() && !group.entries.front().expectation.empty()) line += "... ";
    }
    return line + CrLf();
}

std::string TextsOf(const std::vector<CodePair>& rows) {
    std::string text;
    for (const CodePair& row : rows) text += row.text + CrLf();
    return text;
}

std::string CommandListText(const Grammar& grammar) {
    std::string text;
    for (const GrammarEntry& entry : grammar.group(kCommandGroup).entries) text += CommandLine(grammar, entry);
    return text;
}

std::string VariableListText(const LanguageTables& tables) { return TextsOf(tables.internals().rows()); }

std::string KeywordListText(const LanguageTables& tables) { return TextsOf(tables.tokens().rows()); }

}  // namespace

std::string ReferenceListText(ReferenceList list, const Grammar& grammar, const LanguageTables& tables) {
    switch (list) {
        case ReferenceList::kCommands:
            return CommandListText(grammar);
        case ReferenceList::kVariables:
            return VariableListText(tables);
        case ReferenceList::kKeywords:
            break;
    }
    return KeywordListText(tables);
}

}  // namespace corvane
