#include "assist/save_workflow.h"

#include <gtest/gtest.h>

#include "assist/diagnostics.h"
#include "core/compiler.h"
#include "core/script_messages.h"

namespace corvane {
namespace {

using Kind = SaveStepKind;

std::string Numbers(int count) {  // with VAR_1: count + 1 entries
    std::string text = "START_SCRIPT {";
    for (int i = 0; i < count; ++i) text += " SET VAR_1 %" + std::to_string(i + 1000);
    return text + " } ENDSCRIPT";
}

SaveStep Prepare(std::string_view text, SaveAnswers answers = {}) {
    return PrepareScriptSave(text, LanguageTables::Standard(), Grammar::Standard(), answers);
}

std::string ProblemAt(std::string_view text, std::size_t index) {
    return Diagnose(text, LanguageTables::Standard(), Grammar::Standard()).at(index).message;
}

TEST(SaveWorkflow, RefusesAsksOrGivesTheBytesInTheProgramsOrder) {
    const std::string wrong = "START_SCRIPT\n{\n\tSET %\x80 %1 IF VAR_\xE9 > %2 { } ENDIF } ENDSCRIPT";
    const std::string early = "START_SCRIPT\n{\n}";
    const std::string nbsp = "START_SCRIPT { SET VAR_1 INT_\xA0 } ENDSCRIPT";
    const std::string afterAccents = "START_SCRIPT\n{\n\tSET VAR_\xE9\x80?? %1\n\n\tSET VAR_1 int_d\xF6\n}\nENDSCRIPT";
    const std::tuple<std::string, SaveAnswers, Kind, std::string, std::string> cases[] = {
        // text, answers, step, message, the word it stands at
        {" \r\n\t", {}, Kind::kNoWords, std::string(kNoWordsRefusal), ""},
        {wrong,
         {},
         Kind::kAskSaveDespiteCheck,
         "The script has an error at line 3, column 15: expected a comparison operator after IF (<, >, =, ...), found "
         "VAR_\xE9 (VAR_\xE9 compiles as user variable 0; \xE9 is not read). Save it anyway?",
         "VAR_\xE9"},
        // A problem that asks a question of its own needs no full stop.
        {"START_SCRIPT { DO STATE_PREACHH ON } ENDSCRIPT",
         {},
         Kind::kAskSaveDespiteCheck,
         "The script has an error at line 1, column 19: " +
             ProblemAt("START_SCRIPT { DO STATE_PREACHH ON } ENDSCRIPT", 0) + " Save it anyway?",
         "STATE_PREACHH"},
        {early,
         {},
         Kind::kAskSaveDespiteCheck,
         "The script has an error at line 3, column 1: expected ENDSCRIPT after the } of the START_SCRIPT block of "
         "line 1, found the end of the text. Save it anyway?",
         "}"},
        {early, {.saveDespiteCheck = true}, Kind::kWrite, "", ""},
        {Numbers(255), {}, Kind::kWrite, "", ""},
        {Numbers(256), {}, Kind::kAskMoreThan256, std::string(kTooManyVariablesWarning), "%1255"},
        {Numbers(256), {.allowMoreThan256 = true}, Kind::kWrite, "", ""},
        // The check lets any INT_ word pass as a value, the compiler not; the word is upper-cased.
        {nbsp, {}, Kind::kCompileError, "ERROR while compiling! Unknown command: INT_\xA0", "INT_\xA0"},
        {afterAccents, {}, Kind::kCompileError, "ERROR while compiling! Unknown command: INT_D\xD6", "int_d\xF6"},
    };
    for (const auto& [text, answers, kind, message, word] : cases) {
        SCOPED_TRACE(text);
        const SaveStep step = Prepare(text, answers);
        EXPECT_EQ(step.kind, kind);
        EXPECT_EQ(step.message, message);
        EXPECT_EQ(text.substr(step.position, step.length), word);
        // The compiled text ends with a blank, as the compiler reads it; the author's text does not change.
        const std::string bytes = kind == Kind::kWrite ? CompileScript(text + " ", LanguageTables::Standard(),
                                                                       {.allowMoreThan256Entries = true})
                                                             .script()
                                                             .fileBytes
                                                       : std::string();
        EXPECT_EQ(step.fileBytes, bytes);
    }
    EXPECT_EQ(Prepare(Numbers(256)).entryCount, 257u);
    EXPECT_EQ(Prepare(wrong).checkMessage.substr(0, 19), "Wrong expectation: ");
}

}  // namespace
}  // namespace corvane
