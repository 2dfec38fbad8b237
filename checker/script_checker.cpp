#include "checker/script_checker.h"

#include <optional>
#include <utility>
#include <vector>

#include "core/code_text.h"
#include "core/script_words.h"
#include "support/file_utils.h"
#include "support/message_word.h"

namespace corvane {
namespace {

struct CheckedWord {
    std::string_view word;  // upper case; a } carries the name of the block it closes
    std::size_t position = 0;
    std::size_t length = 0;
};

// A block as the block stack holds it: the word that opens it and the word its } becomes.
struct Block {
    std::string_view opener;
    std::string_view closer;
};

constexpr Block kBlocks[] = {
    {"IF", "}IF"}, {"START_SCRIPT", "}SCRIPT"}, {"ELSE", "}ELSE"}, {"EVERY", "}EVERY"},
};

const Block* BlockOpenedBy(std::string_view word) {
    for (const Block& block : kBlocks) {
        if (word == block.opener) return &block;
    }
    return nullptr;
}

CheckVerdict Verdict(CheckVerdictKind kind, std::string message, const CheckedWord& word, bool selectWord) {
    CheckVerdict verdict;
    verdict.kind = kind;
    verdict.message = std::move(message);
    verdict.word = std::string(word.word);
    verdict.position = word.position;
    verdict.length = word.length;
    verdict.selectWord = selectWord;
    return verdict;
}

std::string TooManyOpenBlocksMessage() {
    return "The script has more than " + std::to_string(kMaxOpenBlocks) +
           " blocks open at once (nested START_SCRIPT, IF, ELSE and EVERY); the checker cannot follow it.";
}

std::string WrongExpectationMessage(const CheckedWord& word, const GrammarGroup& group, int number) {
    std::string message = "Wrong expectation: ";
    message += kLineBreak;
    message += "In script: ";
    message += WordForMessage(word.word);
    message += kLineBreak;
    message += "Expected: " + group.ExpectedWords();
    message += kLineBreak;
    message += "Group: " + std::to_string(number);
    return message;
}

// The group that follows ENDSCRIPT: once it is expected, the script is complete.
constexpr int kAfterScriptGroup = 100;

std::string EndsEarlyMessage(const GrammarGroup& expected) {
    std::string words = expected.ExpectedWords();
    while (words.ends_with(' ')) words.pop_back();
    return "The script ends too early. Expected after its last word: " + words;
}

// First in, first out. It never holds more than one statement's remaining groups.
class ExpectQueue {
public:
    void Push(int group) { groups_.push_back(group); }

    // The head without taking it; group 0 (which accepts nothing) when the queue is empty.
    int Peek() const { return head_ < groups_.size() ? groups_[head_] : 0; }

    // The head; group 0 when the queue is empty.
    int Pop() {
        if (head_ >= groups_.size()) return 0;
        const int group = groups_[head_++];
        if (head_ == groups_.size()) {
            groups_.clear();
            head_ = 0;
        }
        return group;
    }

private:
    std::vector<int> groups_;
    std::size_t head_ = 0;
};

// Walks the words against the grammar as they are split off: each word must match the group at the
// head of the queue. Splitting goes on after the first wrong word, because a } that closes no block
// (or too many open blocks) anywhere in the text ends the check with that message instead.
class ScriptWalker {
public:
    ScriptWalker(const Grammar& grammar, bool requireEnd) : grammar_(grammar), requireEnd_(requireEnd) {
        queue_.Push(1);
    }

    CheckVerdict Run(std::string_view text) {
        ScriptWordReader reader(text);
        ScriptWord word;
        CheckedWord last;
        while (reader.Next(word)) {
            CheckedWord checked{UpperWord(word.text), word.position, word.text.size()};
            if (auto verdict = TrackBlocks(checked)) return std::move(*verdict);
            if (!wrongWord_) Walk(checked);
            last = CheckedWord{{}, word.position, word.text.size()};
        }
        if (wrongWord_) return std::move(*wrongWord_);
        if (requireEnd_ && queue_.Peek() != kAfterScriptGroup) {
            const GrammarGroup& expected = grammar_.group(queue_.Peek());
            CheckVerdict early = Verdict(CheckVerdictKind::kEndsEarly, EndsEarlyMessage(expected), last, true);
            early.group = queue_.Peek();
            return early;
        }
        CheckVerdict ok;
        ok.message = std::string(kNoBigErrorsFound);
        return ok;
    }

private:
    // The word in upper case; copied only when it holds lower-case letters.
    std::string_view UpperWord(std::string_view word) {
        if (!HasLowerWindows1252(word)) return word;
        upperBuffer_ = ToUpperWindows1252(word);
        return upperBuffer_;
    }

    std::optional<CheckVerdict> TrackBlocks(CheckedWord& word) {
        if (const Block* opened = BlockOpenedBy(word.word)) {
            if (blocks_.size() >= static_cast<std::size_t>(kMaxOpenBlocks)) {
                return Verdict(CheckVerdictKind::kTooManyOpenBlocks, TooManyOpenBlocksMessage(), word, true);
            }
            blocks_.push_back(opened);
        }
        if (word.word == "}") {
            if (blocks_.empty()) {
                return Verdict(CheckVerdictKind::kBraceCountMismatch, std::string(kBraceCountMismatch), word, false);
            }
            word.word = blocks_.back()->closer;
            blocks_.pop_back();
        }
        return std::nullopt;
    }

    void Walk(const CheckedWord& word) {
        const int number = queue_.Pop();
        const GrammarGroup& group = grammar_.group(number);
        const int match = group.FindMatch(word.word);
        if (match < 0) {
            wrongWord_ = Verdict(CheckVerdictKind::kWrongExpectation, WrongExpectationMessage(word, group, number),
                                 word, true);
            wrongWord_->group = number;
            return;
        }
        for (int next : group.entries[static_cast<std::size_t>(match)].groups) queue_.Push(next);
    }

    const Grammar& grammar_;
    const bool requireEnd_;
    ExpectQueue queue_;
    std::vector<const Block*> blocks_;  // the open blocks, innermost last
    std::optional<CheckVerdict> wrongWord_;
    std::string upperBuffer_;
};

}  // namespace

CheckVerdict CheckScript(std::string_view text, const Grammar& grammar) {
    return ScriptWalker(grammar, false).Run(text);
}

CheckVerdict CheckScriptBeforeSave(std::string_view text, const Grammar& grammar) {
    return ScriptWalker(grammar, true).Run(text);
}

}  // namespace corvane
