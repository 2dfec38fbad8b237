// The marks never contradict what compile and check then do: over the examples, texts made from
// them by random edits, and random word soups, a text has an error mark exactly when saving refuses
// it, the checker's (F5's) problem is always marked at its very word, and a preferred fix removes
// its own problem.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assist/diagnostics.h"
#include "assist/save_workflow.h"
#include "checker/script_checker.h"
#include "tests/assist/script_text.h"

namespace corvane {
namespace {

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

bool HasError(const std::vector<Diagnostic>& diagnostics) {
    for (const Diagnostic& diagnostic : diagnostics) {
        if (diagnostic.severity == DiagnosticSeverity::kError) return true;
    }
    return false;
}

void ExpectAgreement(const std::string& text) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    const std::vector<Diagnostic> marks = Diagnose(text, tables, grammar);
    const SaveStep save = PrepareScriptSave(text, tables, grammar, {.allowMoreThan256 = true});
    ASSERT_EQ(HasError(marks), save.kind != SaveStepKind::kWrite) << text;
    const CheckVerdict verdict = CheckScript(text, grammar);
    if (!verdict.ok()) {
        bool marked = false;
        for (const Diagnostic& mark : marks) {
            marked = marked || (mark.severity == DiagnosticSeverity::kError && mark.position == verdict.position);
        }
        ASSERT_TRUE(marked) << verdict.message << " at " << verdict.position << " in " << text;
    }
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
                const std::size_t at = random() % edited.size();
                switch (random() % 3) {
                    case 0:
                        edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(at));
                        break;
                    case 1:
                        edited.insert(edited.begin() + static_cast<std::ptrdiff_t>(at), edited[at]);
                        break;
                    default:
                        edited[at] = kVocabulary[random() % kVocabulary.size()];
                }
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
