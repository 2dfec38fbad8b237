#include "assist/completion.h"

#include <algorithm>
#include <unordered_set>

#include "assist/grammar_text.h"
#include "assist/recovering_walk.h"
#include "core/script_words.h"
#include "core/token_table.h"

namespace corvane {
namespace {

class CompletionBuilder {
public:
    CompletionBuilder(const LanguageTables& tables, const Grammar& grammar) : tables_(tables), grammar_(grammar) {}

    // The words of the group the walk expects next.
    void AddGroup(int number, std::string_view innermostCloser) {
        if (number == kAfterScriptGroup) return;
        const GrammarGroup& group = grammar_.group(number);
        for (const GrammarEntry& entry : group.entries) {
            if (entry.word == kVariablePlaceholder) {
                AddValues();
            } else if (ScriptSpelling(entry.word) != entry.word) {
                // A } fits only when it closes the block this entry names.
                if (entry.word == innermostCloser) Add("}", "closes " + entry.word.substr(1), CompletionKind::kKeyword);
            } else {
                Add(entry.word, ParameterKinds(grammar_, entry), KindOf(number, entry.word));
            }
        }
    }

    // Every word of the language, for a point the grammar cannot tell.
    void AddEverything() {
        Add(std::string(kStartScriptWord), "", CompletionKind::kKeyword);
        const GrammarGroup& commands = grammar_.group(kCommandGroup);
        for (const CodePair& row : tables_.tokens().rows()) {
            const std::string word(TokenTable::BareWord(row.text));
            const int command = commands.FindMatch(word);
            if (command >= 0) {
                Add(word, ParameterKinds(grammar_, commands.entries[static_cast<std::size_t>(command)]),
                    CompletionKind::kCommand);
            } else {
                Add(word, "", IsOperatorWord(word) ? CompletionKind::kOperator : CompletionKind::kKeyword);
            }
        }
        // Commands that the token table does not hold are still words of the language.
        for (const GrammarEntry& entry : commands.entries) {
            Add(entry.word, ParameterKinds(grammar_, entry), CompletionKind::kCommand);
        }
        AddValues();
    }

    std::vector<CompletionItem> Take() { return std::move(items_); }

private:
    void AddValues() {
        for (const CodePair& row : tables_.internals().rows()) {
            Add(row.text, row.code.substr(4), CompletionKind::kInternalValue);
        }
        Add("VAR_", "user variable: VAR_ and a number", CompletionKind::kValuePrefix);
        Add("INT_", "internal value: INT_ and a number", CompletionKind::kValuePrefix);
        Add("%", "number: % and a number", CompletionKind::kValuePrefix);
    }

    static CompletionKind KindOf(int group, std::string_view word) {
        if (group == kCommandGroup) return CompletionKind::kCommand;
        return IsOperatorWord(word) ? CompletionKind::kOperator : CompletionKind::kKeyword;
    }

    void Add(std::string word, std::string detail, CompletionKind kind) {
        if (!seen_.insert(word).second) return;
        items_.push_back(CompletionItem{std::move(word), std::move(detail), kind});
    }

    const LanguageTables& tables_;
    const Grammar& grammar_;
    std::vector<CompletionItem> items_;
    std::unordered_set<std::string> seen_;
};

}  // namespace

Completion CompleteAt(std::string_view text, std::size_t offset, const LanguageTables& tables, const Grammar& grammar) {
    offset = std::min(offset, text.size());
    std::size_t start = offset;
    while (start > 0 && !IsScriptBlank(text[start - 1])) --start;

    // The walk recovers from earlier errors as the diagnostics do, so after a DO the commands are
    // offered although a word before does not fit.
    RecoveringWalk walk(grammar);
    bool lost = false;
    ScriptWordReader reader(text.substr(0, start));
    ScriptWord word;
    while (!lost && reader.Next(word)) lost = walk.Step(word) == RecoveryStep::kTooManyBlocks;

    CompletionBuilder builder(tables, grammar);
    if (lost || walk.lost()) {
        builder.AddEverything();
    } else {
        builder.AddGroup(walk.expectedGroup(), walk.innermostCloser());
    }
    Completion completion;
    completion.replaceStart = start;
    completion.replaceLength = offset - start;
    completion.items = builder.Take();
    return completion;
}

}  // namespace corvane
