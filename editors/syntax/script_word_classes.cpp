#include "editors/syntax/script_word_classes.h"

#include <algorithm>
#include <set>

namespace corvane {
namespace {

constexpr int kComparisonGroup = 7;
constexpr int kConditionGroup = 5;
constexpr int kSwitchGroup = 8;
constexpr int kBranchEndGroup = 10;
constexpr int kEndScriptGroup = 17;
constexpr int kValueGroup = 6;

std::vector<std::string> GroupWords(const Grammar& grammar, int group) {
    std::vector<std::string> words;
    for (const GrammarEntry& entry : grammar.group(group).entries) {
        // "}IF" and the like are the checker's own markers, no words of a script.
        if (entry.word.starts_with('}') && entry.word != "}") continue;
        if (entry.word != kVariablePlaceholder) words.push_back(entry.word);
    }
    return words;
}

}  // namespace

std::vector<WordClass> ClassifyScriptWords(const LanguageTables& tables, const Grammar& grammar) {
    std::vector<WordClass> classes;
    classes.push_back({"bounds", {std::string(kStartScriptWord)}});
    for (const std::string& word : GroupWords(grammar, kEndScriptGroup)) classes.back().words.push_back(word);
    classes.push_back({"braces", {"{", "}"}});
    // The words that begin a statement: those followed by values change them, the others open blocks.
    WordClass blocks{"blocks", {}};
    WordClass statements{"statements", {}};
    for (const GrammarEntry& entry : grammar.group(kStatementEndGroup).entries) {
        if (entry.word.starts_with('}')) continue;
        const bool takesValues = !entry.groups.empty() && entry.groups.front() == kValueGroup;
        (takesValues ? statements : blocks).words.push_back(entry.word);
    }
    for (const std::string& word : GroupWords(grammar, kBranchEndGroup)) blocks.words.push_back(word);
    classes.push_back(std::move(blocks));
    classes.push_back(std::move(statements));
    classes.push_back({"comparisons", GroupWords(grammar, kComparisonGroup)});
    WordClass logical{"logical", {}};
    for (const std::string& word : GroupWords(grammar, kConditionGroup)) {
        const auto& comparisons = classes.back().words;
        if (std::find(comparisons.begin(), comparisons.end(), word) == comparisons.end()) logical.words.push_back(word);
    }
    classes.push_back(std::move(logical));
    classes.push_back({"switches", GroupWords(grammar, kSwitchGroup)});
    classes.push_back({"commands", GroupWords(grammar, kCommandGroup)});

    std::set<std::string, std::less<>> taken;
    for (const WordClass& wordClass : classes) taken.insert(wordClass.words.begin(), wordClass.words.end());
    std::set<std::string, std::less<>> expected;
    for (int group = 0; group <= grammar.top(); ++group) {
        for (const GrammarEntry& entry : grammar.group(group).entries) expected.insert(entry.word);
    }
    // Fixed words that some statement takes, and those that compile but that no statement takes.
    WordClass constants{"constants", {}};
    WordClass unused{"unused", {}};
    for (const CodePair& row : tables.tokens().rows()) {
        const std::string word(TokenTable::BareWord(row.text));
        if (taken.insert(word).second) (expected.contains(word) ? constants : unused).words.push_back(word);
    }
    classes.push_back(std::move(constants));
    classes.push_back(std::move(unused));
    WordClass internals{"internals", {}};
    for (const CodePair& row : tables.internals().rows()) internals.words.push_back(row.text);
    classes.push_back(std::move(internals));
    return classes;
}

}  // namespace corvane
