#pragma once
// What saving a script text does before a file is written, the same for the editor and the
// command line: a text without words is refused; a text that fails the check is saved only when
// the author says so; more than 256 variable table entries need a Yes too; then the compiler runs.
// The answer is a refusal, a question or the compiled file's bytes. The editor asks the questions
// and calls again with the answers; the command line answers them with its flags.

#include <cstddef>
#include <string>
#include <string_view>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

struct SaveAnswers {
    bool saveDespiteCheck = false;  // Yes to the question about a script that fails the check
    bool allowMoreThan256 = false;  // Yes to the question about more than 256 variables
};

enum class SaveStepKind {
    kWrite,                // fileBytes hold the compiled file
    kNoWords,              // refused: message kNoWordsRefusal
    kAskSaveDespiteCheck,  // question: the check failed at the word; checkMessage is the checker's own
    kAskMoreThan256,       // question: kTooManyVariablesWarning; entryCount entries
    kCompileError,         // refused: the compiler's message, at the word
};

struct SaveStep {
    SaveStepKind kind = SaveStepKind::kWrite;
    std::string message;       // the refusal or the question, in the program's words
    std::string checkMessage;  // kAskSaveDespiteCheck: the checker's message
    std::size_t position = 0;  // the word to select (offset into the text)
    std::size_t length = 0;
    std::size_t entryCount = 0;  // kAskMoreThan256
    std::string fileBytes;       // kWrite
};

// `text` is engine text as the author left it; a blank that ends the last word is added here, in
// the compiled text only.
SaveStep PrepareScriptSave(std::string_view text, const LanguageTables& tables, const Grammar& grammar,
                           const SaveAnswers& answers);

}  // namespace corvane
