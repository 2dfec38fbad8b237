#include "checker/script_checker.h"

#include <optional>
#include <utility>

#include "core/code_text.h"
#include "core/script_words.h"

namespace corvane {
namespace {

struct CheckedWord {
    std::string_view word;  // upper case; a } carries the name of the block it closes
    std::size_t position = 0;
    std::size_t length = 0;
};

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

}  // namespace

// Splitting goes on after the first wrong word, because a } that closes no block (or too many open
// blocks) anywhere in the text ends the check with that message instead.
CheckVerdict CheckScript(std::string_view text, const Grammar& grammar) {
    GrammarWalker walker(grammar);
    std::optional<CheckVerdict> wrongWord;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) {
        const WalkStep step = walker.Step(word.text);
        const CheckedWord checked{walker.lastWord(), word.position, word.text.size()};
        switch (step) {
            case WalkStep::kTooManyBlocks:
                return Verdict(CheckVerdictKind::kTooManyOpenBlocks, TooManyOpenBlocksMessage(), checked, true);
            case WalkStep::kStrayBrace:
                return Verdict(CheckVerdictKind::kBraceCountMismatch, std::string(kBraceCountMismatch), checked,
                               false);
            case WalkStep::kWrongWord: {
                const int number = walker.wrongGroup();
                wrongWord = Verdict(CheckVerdictKind::kWrongExpectation,
                                    WrongExpectationMessage(checked, grammar.group(number), number), checked, true);
                wrongWord->group = number;
                break;
            }
            case WalkStep::kFits:
            case WalkStep::kNotWalked:
                break;
        }
    }
    if (wrongWord) return std::move(*wrongWord);
    CheckVerdict ok;
    ok.message = std::string(kNoBigErrorsFound);
    return ok;
}

}  // namespace corvane
