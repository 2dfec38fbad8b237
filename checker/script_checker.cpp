#include "checker/script_checker.h"

#include <optional>
#include <utility>

#include "core/code_text.h"
#include "core/script_words.h"
#include "support/message_word.h"

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
    message += WordForMessage(word.word);
    message += kLineBreak;
    message += "Expected: " + group.ExpectedWords();
    message += kLineBreak;
    message += "Group: " + std::to_string(number);
    return message;
}

std::string EndsEarlyMessage(const GrammarGroup& expected) {
    std::string words = expected.ExpectedWords();
    while (words.ends_with(' ')) words.pop_back();
    return "The script ends too early. Expected after its last word: " + words;
}

// Splitting goes on after the first wrong word, because a } that closes no block (or too many open
// blocks) anywhere in the text ends the check with that message instead.
CheckVerdict Check(std::string_view text, const Grammar& grammar, bool requireEnd) {
    GrammarWalker walker(grammar);
    std::optional<CheckVerdict> wrongWord;
    CheckedWord last;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) {
        const WalkStep step = walker.Step(word.text);
        const CheckedWord checked{walker.lastWord(), word.position, word.text.size()};
        switch (step) {
            case WalkStep::kTooManyBlocks:
                return Verdict(CheckVerdictKind::kTooManyOpenBlocks, TooManyOpenBlocksMessage(), checked, true);
            case WalkStep::kStrayBrace:
                return Verdict(CheckVerdictKind::kBraceCountMismatch, std::string(kBraceCountMismatch), checked, false);
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
        last = CheckedWord{{}, word.position, word.text.size()};
    }
    if (wrongWord) return std::move(*wrongWord);
    if (requireEnd && walker.expectedGroup() != kAfterScriptGroup) {
        const GrammarGroup& expected = grammar.group(walker.expectedGroup());
        CheckVerdict early = Verdict(CheckVerdictKind::kEndsEarly, EndsEarlyMessage(expected), last, true);
        early.group = walker.expectedGroup();
        return early;
    }
    CheckVerdict ok;
    ok.message = std::string(kNoBigErrorsFound);
    return ok;
}

}  // namespace

CheckVerdict CheckScript(std::string_view text, const Grammar& grammar) { return Check(text, grammar, false); }

CheckVerdict CheckScriptBeforeSave(std::string_view text, const Grammar& grammar) { return Check(text, grammar, true); }

}  // namespace corvane
