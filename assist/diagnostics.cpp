#include "assist/diagnostics.h"

#include <algorithm>
#include <utility>

#include "assist/grammar_text.h"
#include "assist/word_suggester.h"
#include "checker/grammar_walker.h"
#include "core/compiled_file.h"
#include "core/compiler.h"
#include "core/script_words.h"
#include "core/word_meaning.h"
#include "support/file_utils.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

constexpr std::size_t kExampleCount = 3;
constexpr int kAfterScriptGroup = 100;  // what follows ENDSCRIPT: nothing
constexpr std::string_view kTextEnd = "the end of the text";

Diagnostic At(std::size_t position, std::size_t length, std::string message,
              DiagnosticSeverity severity = DiagnosticSeverity::kError) {
    return Diagnostic{position, length, severity, std::move(message), {}};
}

std::string DidYouMean(std::optional<std::string_view> suggestion) {
    return suggestion ? "; did you mean " + std::string(*suggestion) + "?" : std::string();
}

std::string CompileMessage(const CompileError& error, std::string_view spelled, WordSuggester& suggester) {
    const std::string word(spelled);
    switch (error.kind) {
        case CompileErrorKind::kUnknownWord:
            return "Unknown word " + word + DidYouMean(suggester.Suggest(error.word));
        case CompileErrorKind::kNumberOutOfRange:
            return "Number out of range in " + word + " (it must fit in a signed 32-bit integer)";
        case CompileErrorKind::kTooManyCodes:
            return "Too many codes: the game reads at most " + std::to_string(kMaxCodes) + "; " + word + " is one more";
        case CompileErrorKind::kTooManyEntries:
            return "Too many variables: the file holds at most " + std::to_string(kMaxVariableEntries) + " entries; " +
                   word + " needs one more";
        case CompileErrorKind::kNeedsConfirmation:
            return "More than " + std::to_string(kReferableVariableEntries) + " variables: " + word + " needs entry " +
                   std::to_string(kReferableVariableEntries + 1) +
                   ", which the compiled script cannot refer to correctly";
    }
    return word;
}

void AddCompileProblems(std::string_view text, const LanguageTables& tables, std::vector<Diagnostic>& problems) {
    WordSuggester suggester(tables);
    for (const CompileError& error : FindCompileErrors(text, tables)) {
        const auto severity = error.kind == CompileErrorKind::kNeedsConfirmation ? DiagnosticSeverity::kWarning
                                                                                 : DiagnosticSeverity::kError;
        problems.push_back(At(error.position, error.length,
                              CompileMessage(error, text.substr(error.position, error.length), suggester), severity));
    }
}

// "expected <docommand> after DO (STATE_BRING_NEW_PEOPLE, ...), found STATE_FETCH_WOD; did you mean ...?"
std::string WrongWordMessage(const Grammar& grammar, int number, std::string_view previous, std::string_view found,
                             std::string_view upperFound) {
    const GrammarGroup& group = grammar.group(number);
    if (group.entries.empty() || number == kAfterScriptGroup) {
        return "nothing may follow " + (previous.empty() ? std::string("here") : std::string(previous)) + ", found " +
               std::string(found);
    }
    std::string message = "expected " + group.name;
    if (!previous.empty()) message += " after " + std::string(previous);
    // A group of one word named after it ("{", START_SCRIPT) needs no examples.
    const bool named = group.entries.size() == 1 && ScriptSpelling(group.entries[0].word) == group.name;
    if (!named) message += " (" + ExampleWords(group, kExampleCount) + ")";
    message += ", found " + std::string(found);
    std::vector<std::string_view> words;
    for (const GrammarEntry& entry : group.entries) {
        if (entry.word != kVariablePlaceholder) words.push_back(ScriptSpelling(entry.word));
    }
    if (upperFound.empty()) return message;
    return message + DidYouMean(WordSuggester(std::move(words)).Suggest(upperFound));
}

std::string TooManyBlocksMessage() {
    return "More than " + std::to_string(kMaxOpenBlocks) + " blocks open at once; the checker cannot follow this";
}

// A four-letter word that is no word of the language compiles as a raw code; one that is not
// four hexadecimal digits is nearly always a misspelling.
bool IsHexDigits(std::string_view word) {
    for (char c : word) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

std::optional<Diagnostic> RawCodeWarning(const ScriptWord& word, const LanguageTables& tables,
                                         WordSuggester& suggester) {
    if (word.text.size() != kRawCodeLength) return std::nullopt;
    const std::string upper = ToUpperWindows1252(word.text);
    if (IsHexDigits(upper) || FindWordMeaning(upper, tables).kind != WordMeaning::Kind::kCode ||
        tables.tokens().FindCodeByWord(upper) != nullptr) {
        return std::nullopt;
    }
    return At(word.position, word.text.size(),
              std::string(word.text) + " is no word; it compiles as a raw code" + DidYouMean(suggester.Suggest(upper)),
              DiagnosticSeverity::kWarning);
}

// The checker's problems: the first word that does not fit, then a } that closes nothing or one
// block too many (either ends the walk, as it ends the checker). Raw codes are looked for on the way.
void AddWordProblems(std::string_view text, const LanguageTables& tables, const Grammar& grammar,
                     std::vector<Diagnostic>& problems) {
    GrammarWalker walker(grammar);
    WordSuggester suggester(tables);
    ScriptWordReader reader(text);
    ScriptWord word;
    std::string_view previous;
    ScriptWord last;
    bool walking = true;
    while (reader.Next(word)) {
        if (auto warning = RawCodeWarning(word, tables, suggester)) problems.push_back(std::move(*warning));
        if (!walking) continue;
        const WalkStep step = walker.Step(word.text);
        if (step == WalkStep::kWrongWord) {
            const std::string upper = ToUpperWindows1252(word.text);
            problems.push_back(At(word.position, word.text.size(),
                                  WrongWordMessage(grammar, walker.wrongGroup(), previous, word.text, upper)));
        } else if (step == WalkStep::kStrayBrace) {
            problems.push_back(At(word.position, word.text.size(), "} closes no open block"));
            walking = false;
        } else if (step == WalkStep::kTooManyBlocks) {
            problems.push_back(At(word.position, word.text.size(), TooManyBlocksMessage()));
            walking = false;
        }
        previous = word.text;
        last = word;
    }
    // Words that end before ENDSCRIPT: the save check refuses such a script at its last word.
    if (walking && walker.fits() && !previous.empty() && walker.expectedGroup() != kAfterScriptGroup) {
        problems.push_back(At(last.position, last.text.size(),
                              WrongWordMessage(grammar, walker.expectedGroup(), previous, kTextEnd, "")));
    }
}

}  // namespace

std::vector<Diagnostic> Diagnose(std::string_view text, const LanguageTables& tables, const Grammar& grammar) {
    std::vector<Diagnostic> problems;
    AddCompileProblems(text, tables, problems);
    AddWordProblems(text, tables, grammar, problems);
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.position < b.position; });
    return problems;
}

}  // namespace corvane
