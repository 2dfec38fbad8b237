#pragma once
// The script checker: walks a script's words against the grammar and stops at the first word that
// does not fit.

#include <cstddef>
#include <string>
#include <string_view>

#include "checker/grammar.h"
#include "checker/grammar_walker.h"

namespace corvane {

inline constexpr std::string_view kNoBigErrorsFound = "No big errors found!";
inline constexpr std::string_view kBraceCountMismatch = "The amount of { is not equal to the amount of }!";

enum class CheckVerdictKind {
    kOk,                  // message kNoBigErrorsFound
    kBraceCountMismatch,  // a } that closes no open block; message kBraceCountMismatch
    kWrongExpectation,    // a word the grammar does not allow there; the four-line message
    kTooManyOpenBlocks,   // more than kMaxOpenBlocks blocks open at once
    kEndsEarly,           // CheckScriptBeforeSave only: the words end before ENDSCRIPT; the last word
};

struct CheckVerdict {
    CheckVerdictKind kind = CheckVerdictKind::kOk;
    std::string message;       // the program's message text (lines joined by CR LF)
    std::string word;          // the script word as the checker saw it (upper case, "}" + block name)
    std::size_t position = 0;  // 0-based byte offset of the word in the text
    std::size_t length = 0;    // length of the word as it stands in the text
    int group = 0;             // the expected group (kWrongExpectation)
    // True when the editor selects the word (a wrong expectation, too many open blocks).
    bool selectWord = false;

    bool ok() const { return kind == CheckVerdictKind::kOk; }
};

CheckVerdict CheckScript(std::string_view text, const Grammar& grammar);

// The check before a script is compiled into a file: CheckScript, and a script whose words end
// before its ENDSCRIPT (which CheckScript lets pass) fails too, at its last word (position 0 and
// length 0 when it has none), naming in `group` the group that would come next.
CheckVerdict CheckScriptBeforeSave(std::string_view text, const Grammar& grammar);

}  // namespace corvane
