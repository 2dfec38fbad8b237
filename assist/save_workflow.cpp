#include "assist/save_workflow.h"

#include "assist/diagnostics.h"
#include "checker/script_checker.h"
#include "core/compiler.h"
#include "core/script_messages.h"
#include "core/script_words.h"
#include "text/text_index.h"

namespace corvane {
namespace {

// The question words the check's failure as the Problems list does, at the same word.
std::string SaveDespiteCheckQuestion(std::string_view text, const CheckVerdict& verdict, const LanguageTables& tables,
                                     const Grammar& grammar) {
    std::string problem = verdict.message;
    for (const Diagnostic& diagnostic : Diagnose(text, tables, grammar)) {
        if (diagnostic.severity == DiagnosticSeverity::kError && diagnostic.position == verdict.position) {
            problem = diagnostic.message;
            break;
        }
    }
    const TextPosition at = TextIndex(text).PositionAt(verdict.position);
    return SaveAnywayQuestion(at.line + 1, at.column + 1, problem);
}

SaveStep Refusal(SaveStepKind kind, std::string message, std::size_t position, std::size_t length) {
    SaveStep step;
    step.kind = kind;
    step.message = std::move(message);
    step.position = position;
    step.length = length;
    return step;
}

}  // namespace

SaveStep PrepareScriptSave(std::string_view text, const LanguageTables& tables, const Grammar& grammar,
                           const SaveAnswers& answers) {
    if (!HasScriptWords(text)) return Refusal(SaveStepKind::kNoWords, std::string(kNoWordsRefusal), 0, 0);
    if (!answers.saveDespiteCheck) {
        const CheckVerdict verdict = CheckScriptBeforeSave(text, grammar);
        if (!verdict.ok()) {
            SaveStep step =
                Refusal(SaveStepKind::kAskSaveDespiteCheck, SaveDespiteCheckQuestion(text, verdict, tables, grammar),
                        verdict.position, verdict.length);
            step.checkMessage = verdict.message;
            return step;
        }
    }
    // The compiler reads words up to a blank, so the text it compiles ends with one.
    std::string compiled(text);
    if (!compiled.ends_with(' ')) compiled += ' ';
    const CompileResult result =
        CompileScript(compiled, tables, CompileOptions{.allowMoreThan256Entries = answers.allowMoreThan256});
    if (result.ok()) {
        SaveStep step;
        step.fileBytes = result.script().fileBytes;
        return step;
    }
    const CompileError& error = result.error();
    if (error.kind == CompileErrorKind::kNeedsConfirmation) {
        SaveStep step =
            Refusal(SaveStepKind::kAskMoreThan256, std::string(kTooManyVariablesWarning), error.position, error.length);
        step.entryCount = error.entryCount;
        return step;
    }
    return Refusal(SaveStepKind::kCompileError, error.message, error.position, error.length);
}

}  // namespace corvane
