#include "checker/script_checker.h"

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "core/code_text.h"
#include "core/script_words.h"
#include "support/file_utils.h"

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
    message += word.word;
    message += kLineBreak;
    message += "Expected: " + group.ExpectedWords();
    message += kLineBreak;
    message += "Group: " + std::to_string(number);
    return message;
}

// Splits the text into words and names each } after the block it closes, as the grammar needs.
class WordSplitter {
public:
    // The words, or the verdict that ends the check while splitting.
    std::optional<CheckVerdict> Split(std::string_view upperText) {
        ScriptWordReader reader(upperText);
        ScriptWord word;
        while (reader.Next(word)) {
            CheckedWord checked{word.text, word.position, word.text.size()};
            if (auto verdict = TrackBlocks(checked)) return verdict;
            words_.push_back(std::move(checked));
        }
        return std::nullopt;
    }

    const std::vector<CheckedWord>& words() const { return words_; }

private:
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

    std::vector<CheckedWord> words_;
    std::vector<const Block*> blocks_;  // the open blocks, innermost last
};

// Walks the words against the grammar: each word must match the group at the head of the queue.
CheckVerdict Walk(const std::vector<CheckedWord>& words, const Grammar& grammar) {
    std::deque<int> queue{1};
    for (const CheckedWord& word : words) {
        const int number = queue.empty() ? 0 : queue.front();
        if (!queue.empty()) queue.pop_front();
        const GrammarGroup& group = grammar.group(number);
        const int match = group.FindMatch(word.word);
        if (match < 0) {
            CheckVerdict verdict = Verdict(CheckVerdictKind::kWrongExpectation,
                                           WrongExpectationMessage(word, group, number), word, true);
            verdict.group = number;
            return verdict;
        }
        for (int next : group.entries[static_cast<std::size_t>(match)].groups) queue.push_back(next);
    }
    CheckVerdict ok;
    ok.message = std::string(kNoBigErrorsFound);
    return ok;
}

}  // namespace

CheckVerdict CheckScript(std::string_view text, const Grammar& grammar) {
    const std::string upper = ToUpperAscii(text);
    WordSplitter splitter;
    if (auto verdict = splitter.Split(upper)) return std::move(*verdict);
    return Walk(splitter.words(), grammar);
}

}  // namespace corvane
