#include "assist/grammar_problems.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>

#include "assist/brace_fix.h"
#include "assist/grammar_text.h"
#include "assist/recovering_walk.h"
#include "assist/word_suggester.h"
#include "assist/word_warnings.h"
#include "core/script_words.h"
#include "text/text_index.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

constexpr std::size_t kExampleCount = 3;
constexpr std::string_view kEndScriptWord = "ENDSCRIPT";
constexpr std::string_view kEndIfWord = "ENDIF";

Diagnostic Error(const ScriptWord& word, std::string message) {
    return Diagnostic{word.position, word.text.size(), DiagnosticSeverity::kError, std::move(message), {}};
}

// True when the word (ELSE, ENDIF, ENDSCRIPT) may follow the } of one of the open blocks.
bool FollowsAnOpenBlock(const Grammar& grammar, std::span<const BlockStart> open, std::string_view upperWord) {
    return std::any_of(open.begin(), open.end(), [&](const BlockStart& block) {
        const int next = GroupAfterBrace(grammar, block.closer);
        return next >= 0 && grammar.group(next).FindMatch(upperWord) >= 0;
    });
}

class ProblemFinder {
public:
    ProblemFinder(std::string_view text, const Grammar& grammar, const std::unordered_set<std::size_t>& unknown)
        : text_(text), grammar_(grammar), unknown_(unknown), walk_(grammar) {}

    std::vector<Diagnostic> Run() {
        ScriptWordReader reader(text_);
        ScriptWord word;
        while (reader.Next(word)) {
            if (!Step(word)) return Finish();
        }
        EndOfText();
        return Finish();
    }

private:
    // False when the walk cannot go on.
    bool Step(const ScriptWord& word) {
        openBefore_ = walk_.openBlocks().size();
        const RecoveryStep step = walk_.Step(word);
        if (walk_.openBlocks().size() != openBefore_ || !walk_.closedBlocks().empty()) ++blockChanges_;
        switch (step) {
            case RecoveryStep::kTooManyBlocks:
                AddError(Error(word, "More than " + std::to_string(kMaxOpenBlocks) +
                                         " blocks open at once; the checker cannot follow this"),
                         true);
                return false;
            case RecoveryStep::kStrayBrace:
                AddError(Error(word, "} closes no open block"), !strayBraceSeen_);
                strayBraceSeen_ = true;
                return true;  // the walk goes on as if the } were not there
            case RecoveryStep::kWrongWord:
                WrongWord(word);
                break;
            case RecoveryStep::kMissingBrace:
                MissingBrace(word);
                break;
            case RecoveryStep::kFits:
            case RecoveryStep::kSkipped:
                break;
        }
        const bool refused = step == RecoveryStep::kWrongWord || step == RecoveryStep::kSkipped;
        if (refused && ToUpperWindows1252(word.text) == kEndScriptWord) {
            endScript_ = word.position;
            blockChangesAtEndScript_ = blockChanges_;
        }
        previous_ = word;
        previousClosed_.reset();
        if (word.text == "}" && !walk_.closedBlocks().empty()) {
            previousClosed_ = walk_.closedBlocks().front();
            NoteIndentation(word, *previousClosed_);
        }
        return true;
    }

    // A } indented as an outer block's { rather than as the { it closes: should that outer block
    // turn out never closed, the block this } closes is the one whose } was forgotten.
    void NoteIndentation(const ScriptWord& brace, const BlockStart& closed) {
        const auto indent = IndentBeforeWord(text_, brace.position);
        if (!indent || !closed.brace || LineIndent(text_, *closed.brace) == *indent) return;
        const std::vector<BlockStart>& open = walk_.openBlocks();
        for (auto outer = open.rbegin(); outer != open.rend(); ++outer) {
            if (outer->brace && LineIndent(text_, *outer->brace) == *indent) {
                forgotten_.try_emplace(outer->opener.position, closed, brace.position);
                return;
            }
        }
    }

    void WrongWord(const ScriptWord& word) {
        if (errors_ >= kMaxGrammarErrors) return AddError(Error(word, {}));  // counted, not worded
        const std::string upper = ToUpperWindows1252(word.text);
        const int number = walk_.wrongGroup();
        const GrammarGroup& group = grammar_.group(number);
        const bool unknown = unknown_.contains(word.position);
        const std::string found = (unknown ? "the unknown word " : "") + std::string(word.text);
        if (group.entries.empty() || number == kAfterScriptGroup) {
            const std::string after = previous_ ? std::string(previous_->text) : std::string("here");
            AddError(Error(word, "nothing may follow " + after + ", found " + found));
            return;
        }
        // A word that belongs after a } where a statement is due: the } of the innermost block is missing.
        // (An ELSE has opened its own block by now; the blocks before it count.)
        const std::span<const BlockStart> open(walk_.openBlocks().data(),
                                               std::min(walk_.openBlocks().size(), openBefore_));
        if (number == kStatementEndGroup && !open.empty() && FollowsAnOpenBlock(grammar_, open, upper)) {
            Diagnostic error = Error(word, "expected } to close " + BlockText(open.back()) + ", found " + found);
            error.fixes.push_back(InsertBraceFix(text_, {&open.back(), 1}, word.position));
            AddError(std::move(error));
            return;
        }
        Diagnostic error = Error(word, Expected(group) + ", found " + found);
        // After the } of an IF or ELSE block, a statement or } where ENDIF is due: the ENDIF is missing.
        if (previousClosed_ && group.FindMatch(kEndIfWord) >= 0 &&
            (word.text == "}" || grammar_.group(kStatementEndGroup).FindMatch(upper) >= 0)) {
            error.fixes.push_back(InsertBraceFix(text_, {&*previousClosed_, 1}, word.position, kEndIfWord));
        }
        std::vector<std::string_view> words;
        for (const GrammarEntry& entry : group.entries) {
            if (entry.word != kVariablePlaceholder) words.push_back(ScriptSpelling(entry.word));
        }
        AddSuggestion(error, word, WordSuggester(std::move(words)).Suggest(upper));
        AddError(std::move(error));
    }

    void MissingBrace(const ScriptWord& word) {
        if (errors_ >= kMaxGrammarErrors) return AddError(Error(word, {}));
        const std::vector<BlockStart>& closed = walk_.closedBlocks();
        Diagnostic error =
            Error(word, "expected } to close " + BlockText(closed.front()) + ", found " + std::string(word.text));
        error.fixes.push_back(InsertBraceFix(text_, {closed.data(), 1}, word.position));
        AddError(std::move(error));
        for (std::size_t i = 0; i < closed.size(); ++i) NeverClosed({closed.data(), i + 1}, word.position);
    }

    // "expected a command after DO (STATE_BRING_NEW_PEOPLE, ...)"
    std::string Expected(const GrammarGroup& group) {
        std::string message = "expected " + GroupDescription(group);
        if (previousClosed_) {
            message += " after the } of " + BlockText(*previousClosed_);
        } else if (previous_) {
            message += " after " + std::string(previous_->text);
        }
        const bool onlyValues = group.entries.size() == 1 && group.entries[0].word == kVariablePlaceholder;
        if (DescribedByKind(group) && !onlyValues) message += " (" + ExampleWords(group, kExampleCount) + ")";
        return message;
    }

    // The last of `blocks` (innermost first) is never closed; its fix closes those inside it too. A
    // block without a { has an error where its { should be already.
    void NeverClosed(std::span<const BlockStart> blocks, std::optional<std::size_t> before) {
        if (errors_ > kMaxGrammarErrors || !blocks.back().brace) return;
        if (const auto forgotten = forgotten_.find(blocks.back().opener.position);
            blocks.size() == 1 && forgotten != forgotten_.end()) {
            // Its } closed the inner block: mark that one, with its } before the outer block's.
            blocks = {&forgotten->second.first, 1};
            before = forgotten->second.second;
        }
        Diagnostic mark{*blocks.back().brace, 1, DiagnosticSeverity::kError, "this { is never closed", {}};
        mark.fixes.push_back(InsertBraceFix(text_, blocks, before));
        problems_.push_back(std::move(mark));
    }

    void EndOfText() {
        const std::vector<BlockStart>& open = walk_.openBlocks();
        const std::vector<BlockStart> innermostFirst(open.rbegin(), open.rend());
        // Before an ENDSCRIPT that did not fit, when the blocks open there are those open at the end.
        const bool beforeEnd = endScript_ && blockChanges_ == blockChangesAtEndScript_;
        for (std::size_t i = 0; i < innermostFirst.size(); ++i) {
            NeverClosed({innermostFirst.data(), i + 1}, beforeEnd ? endScript_ : std::nullopt);
        }
        // Words that end before ENDSCRIPT: the save check refuses such a script at its last word.
        // Where only } are missing, the marks at their { say it.
        const int expected = walk_.expectedGroup();
        if (walk_.lost() || !previous_ || expected == kAfterScriptGroup || lastError_ == previous_->position) return;
        if (expected == kStatementEndGroup && !open.empty()) return;
        AddError(Error(*previous_, Expected(grammar_.group(expected)) + ", found the end of the text"));
    }

    void AddError(Diagnostic error, bool keep = false) {
        ++errors_;
        lastError_ = error.position;
        if (errors_ <= kMaxGrammarErrors || keep) {
            problems_.push_back(std::move(error));
        } else {
            if (leftOut_ == 0) firstLeftOut_ = std::move(error);
            ++leftOut_;
        }
    }

    std::vector<Diagnostic> Finish() {
        if (leftOut_ > 0) {
            firstLeftOut_.message = "and " + std::to_string(leftOut_) + " more grammar errors";
            firstLeftOut_.fixes.clear();
            problems_.push_back(std::move(firstLeftOut_));
        }
        return std::move(problems_);
    }

    static std::string BlockName(const BlockStart& block) { return ToUpperWindows1252(block.opener.text); }

    // "the EVERY block of line 5"
    std::string BlockText(const BlockStart& block) {
        if (!index_) index_.emplace(text_);
        const std::size_t line = index_->PositionAt(block.opener.position).line + 1;
        return "the " + BlockName(block) + " block of line " + std::to_string(line);
    }

    std::string_view text_;
    const Grammar& grammar_;
    const std::unordered_set<std::size_t>& unknown_;
    RecoveringWalk walk_;
    std::optional<ScriptWord> previous_;
    std::optional<BlockStart> previousClosed_;
    std::optional<std::size_t> endScript_;  // the last ENDSCRIPT that did not fit, not even after a }
    // By the opener of an outer block: the block that a } indented as that block's { closed, and the }.
    std::unordered_map<std::size_t, std::pair<BlockStart, std::size_t>> forgotten_;
    std::size_t openBefore_ = 0;    // blocks open before the word in hand
    std::size_t blockChanges_ = 0;  // blocks opened or closed so far
    std::size_t blockChangesAtEndScript_ = 0;
    std::optional<TextIndex> index_;  // lines, counted once a message needs one
    std::vector<Diagnostic> problems_;
    std::size_t errors_ = 0;
    std::optional<std::size_t> lastError_;
    std::size_t leftOut_ = 0;
    Diagnostic firstLeftOut_;  // the first error past the limit: the last entry stands at it
    bool strayBraceSeen_ = false;
};

}  // namespace

std::vector<Diagnostic> FindGrammarProblems(std::string_view text, const Grammar& grammar,
                                            const std::unordered_set<std::size_t>& unknownWords) {
    return ProblemFinder(text, grammar, unknownWords).Run();
}

}  // namespace corvane
