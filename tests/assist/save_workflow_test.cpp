#include "assist/save_workflow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "assist/diagnostics.h"
#include "checker/script_checker.h"
#include "core/compiler.h"
#include "core/script_messages.h"
#include "tests/assist/script_text.h"

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

TEST(SaveWorkflow, RefusesAsksOrGivesTheBytesInTheProgramsOrder) {
    const std::string wrong = "START_SCRIPT\n{\n\tSET %\x80 %1 IF VAR_\xE9 > %2 { } ENDIF } ENDSCRIPT";
    const std::string early = "START_SCRIPT\n{\n}";
    const std::string nbsp = "START_SCRIPT { SET VAR_1 INT_\xA0 } ENDSCRIPT";
    // text, answers, step, the word it stands at, message
    const std::tuple<std::string, SaveAnswers, Kind, std::string, std::string> cases[] = {
        {" \r\n\t", {}, Kind::kNoWords, "", std::string(kNoWordsRefusal)},
        {wrong,
         {},
         Kind::kAskSaveDespiteCheck,
         "VAR_\xE9",
         "The script has an error at line 3, column 15: expected a comparison operator after IF (<, >, =, ...), found "
         "VAR_\xE9 (VAR_\xE9 compiles as user variable 0; \xE9 is not read). Save it anyway?"},
        // A problem that asks a question of its own needs no full stop.
        {"START_SCRIPT { DO STATE_PREACHH ON } ENDSCRIPT",
         {},
         Kind::kAskSaveDespiteCheck,
         "STATE_PREACHH",
         "The script has an error at line 1, column 19: expected a command after DO (STATE_BRING_NEW_PEOPLE, "
         "STATE_CONSTRUCT_BUILDING, STATE_FETCH_WOOD, ...), found the unknown word STATE_PREACHH; did you mean "
         "STATE_PREACH? Save it anyway?"},
        {early,
         {},
         Kind::kAskSaveDespiteCheck,
         "}",
         "The script has an error at line 3, column 1: expected ENDSCRIPT after the } of the START_SCRIPT block of "
         "line 1, found the end of the text. Save it anyway?"},
        {early, {.saveDespiteCheck = true}, Kind::kWrite, "", ""},
        {Numbers(256), {}, Kind::kAskMoreThan256, "%1255", std::string(kTooManyVariablesWarning)},
        {Numbers(256), {.allowMoreThan256 = true}, Kind::kWrite, "", ""},
        // The check lets any INT_ word pass as a value, the compiler not.
        {nbsp, {}, Kind::kCompileError, "INT_\xA0", "ERROR while compiling! Unknown command: INT_\xA0"},
    };
    for (const auto& [text, answers, kind, word, message] : cases) {
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

// The marks never contradict what compile and check then do: over the examples, texts made from
// them by random edits, and random word soups, a text has an error mark exactly when saving refuses
// it, the checker's (F5's) problem is always marked at its very word, and a preferred fix removes
// its own problem.

// The words the edits and soups are made of; some twice, to come up more often.
const std::vector<std::string_view> kVocabulary = test::WordsOf(
    "START_SCRIPT { } } ENDSCRIPT DO IF ELSE ENDIF EVERY SET INCREMENT MULTIPLY STATE_DEFEND ATTACK ON OFF BLUE < > = "
    "BOTH || VAR_1 %2 %3X INT_1184 INT_GAME_TIME INT_0 FOO EVRY e803 ATTACK_MARKER 0C00 STATE_FETCH_WOD %99999999999 "
    "TRIGGER_LEVEL_WON");

std::string Joined(const std::vector<std::string>& words, std::mt19937& random) {
    static const char* const kBlanks[] = {" ", "\r\n", "\r\n\t", "\n\t\t"};
    std::string text;
    for (const std::string& word : words) text += word + kBlanks[random() % 4];
    return text;
}

// An error mark anywhere, or at `at`.
bool HasError(const std::vector<Diagnostic>& marks, std::optional<std::size_t> at = std::nullopt) {
    return std::ranges::any_of(marks, [&](const Diagnostic& mark) {
        return mark.severity == DiagnosticSeverity::kError && (!at || mark.position == *at);
    });
}

void ExpectAgreement(const std::string& text) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    const std::vector<Diagnostic> marks = Diagnose(text, tables, grammar);
    const SaveStep save = PrepareScriptSave(text, tables, grammar, {.allowMoreThan256 = true});
    ASSERT_EQ(HasError(marks), save.kind != SaveStepKind::kWrite) << text;
    const CheckVerdict verdict = CheckScript(text, grammar);
    ASSERT_TRUE(verdict.ok() || HasError(marks, verdict.position))
        << verdict.message << " at " << verdict.position << " in " << text;
    for (const Diagnostic& mark : marks) {
        if (mark.fixes.empty() || !mark.fixes.front().preferred) continue;
        const TextFix& fix = mark.fixes.front();
        ASSERT_LE(fix.position + fix.length, text.size()) << text;
        std::string fixed = text;
        fixed.replace(fix.position, fix.length, fix.replacement);
        for (const Diagnostic& after : Diagnose(fixed, tables, grammar)) {
            ASSERT_FALSE(after.position == mark.position && after.message == mark.message)
                << mark.message << " after " << fix.title << " in " << text;
        }
    }
}

TEST(DiagnosticsAgree, OnTheExamplesAndTextsEditedFromThem) {
    std::mt19937 random(20261207);
    for (const std::string& example : test::ExampleScripts()) {
        ExpectAgreement(example);
        const std::vector<std::string_view> split = test::WordsOf(example);
        const std::vector<std::string> words(split.begin(), split.end());
        const int edits = words.size() > 2000 ? 20 : 150;  // the largest text is slow to check often
        for (int i = 0; i < edits; ++i) {
            std::vector<std::string> edited = words;
            for (int change = 0; change < 1 + static_cast<int>(random() % 3); ++change) {
                const auto at = edited.begin() + static_cast<std::ptrdiff_t>(random() % edited.size());
                const std::uint32_t how = random() % 3;
                if (how == 0)
                    edited.erase(at);
                else if (how == 1)
                    edited.insert(at, *at);
                else
                    *at = kVocabulary[random() % kVocabulary.size()];
            }
            ExpectAgreement(Joined(edited, random));
        }
    }
}

TEST(DiagnosticsAgree, OnWordSoups) {
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::string> words;
        if (random() % 2 == 0) words = {"START_SCRIPT", "{"};
        const std::size_t count = random() % 25;
        for (std::size_t j = 0; j < count; ++j) words.emplace_back(kVocabulary[random() % kVocabulary.size()]);
        if (random() % 2 == 0) words.insert(words.end(), {"}", "ENDSCRIPT"});
        ExpectAgreement(Joined(words, random));
    }
}

}  // namespace
}  // namespace corvane
