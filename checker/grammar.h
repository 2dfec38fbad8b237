#pragma once
// The grammar table: numbered groups of words, each word with an expectation (the groups that the
// following words must come from, in order). Group 4 holds the 116 commands that follow DO.
// Built once from the token table; immutable afterwards.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/string_hash.h"
#include "core/token_table.h"

namespace corvane {

// The placeholder word that stands for any value word (VAR_..., %..., INT_...).
inline constexpr std::string_view kVariablePlaceholder = "VARIABLE";
inline constexpr int kCommandGroup = 4;
inline constexpr int kStatementEndGroup = 3;
// The group after ENDSCRIPT, which accepts no word.
inline constexpr int kAfterScriptGroup = 100;

// The group numbers of an expectation string, in order ("6 6 3" gives 6, 6, 3).
std::vector<int> QueueExpectations(std::string_view expectation);

struct GrammarEntry {
    std::string word;
    std::string expectation;  // group numbers separated by single blanks, possibly empty
    std::vector<int> groups;  // the same numbers, read once (QueueExpectations)
};

struct GrammarGroup {
    std::string name;
    std::vector<GrammarEntry> entries;  // in the order they were added

    // Index of the first entry that matches `upperWord` (its word equals it, or it is the
    // placeholder and the word is a value word); -1 when none does.
    int FindMatch(std::string_view upperWord) const;

    // Every entry's word followed by one blank, in order (the "Expected: " list).
    std::string ExpectedWords() const;

    void Add(std::string word, std::string expectation);

private:
    std::unordered_map<std::string, int, StringHash, std::equal_to<>> firstByWord_;
    int firstPlaceholder_ = -1;
    bool hasValueWords_ = false;  // an entry's own word begins like a value word
};

class Grammar {
public:
    // The full table: groups 0 to 100, groups 0 and 24 to 99 empty.
    static Grammar Build(const TokenTable& tokens);

    // One shared instance built from LanguageTables::Standard(), immutable.
    static const Grammar& Standard();

    int top() const { return static_cast<int>(groups_.size()) - 1; }
    // The group with that number; an empty group for numbers outside 0..top().
    const GrammarGroup& group(int number) const;

    // Appends an entry, creating groups up to `group` as needed.
    void AddGrammarEntry(int group, std::string word, std::string expectation);

private:
    void AddStateGrammar(const TokenTable& tokens);
    void SetName(int group, std::string name);

    std::vector<GrammarGroup> groups_{1};
};

// True when the word counts as a value: it begins with "VAR_", "%" or "INT_".
bool IsValueWord(std::string_view upperWord);

// The words of group 4 in order, each followed by one blank and CR LF.
std::string BuildCommandList(const Grammar& grammar);

}  // namespace corvane
