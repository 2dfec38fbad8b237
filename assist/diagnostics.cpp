#include "assist/diagnostics.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "assist/grammar_problems.h"
#include "assist/word_suggester.h"
#include "assist/word_warnings.h"
#include "core/compiled_file.h"
#include "core/compiler.h"
#include "core/script_words.h"

namespace corvane {
namespace {

Diagnostic At(std::size_t position, std::size_t length, std::string message,
              DiagnosticSeverity severity = DiagnosticSeverity::kError) {
    return Diagnostic{position, length, severity, std::move(message), {}};
}

std::string CompileMessage(const CompileError& error, std::string_view spelled) {
    const std::string word(spelled);
    switch (error.kind) {
        case CompileErrorKind::kUnknownWord:
            return "Unknown word " + word;
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

// The compiler's problems, but an unknown word at which the grammar fails too: the grammar's
// message names it.
void AddCompileProblems(std::string_view text, const std::vector<CompileError>& errors,
                        const std::unordered_set<std::size_t>& grammarErrors, WordSuggester& suggester,
                        std::vector<Diagnostic>& problems) {
    for (const CompileError& error : errors) {
        const bool unknown = error.kind == CompileErrorKind::kUnknownWord;
        if (unknown && grammarErrors.contains(error.position)) continue;
        const auto severity = error.kind == CompileErrorKind::kNeedsConfirmation ? DiagnosticSeverity::kWarning
                                                                                 : DiagnosticSeverity::kError;
        const std::string_view spelled = text.substr(error.position, error.length);
        Diagnostic problem = At(error.position, error.length, CompileMessage(error, spelled), severity);
        if (unknown) AddSuggestion(problem, ScriptWord{spelled, error.position}, suggester.Suggest(error.word));
        problems.push_back(std::move(problem));
    }
}

}  // namespace

std::vector<Diagnostic> Diagnose(std::string_view text, const LanguageTables& tables, const Grammar& grammar) {
    if (!HasScriptWords(text)) return {At(0, 0, "The script has no words")};
    const std::vector<CompileError> compileErrors = FindCompileErrors(text, tables);
    std::unordered_set<std::size_t> unknownWords;
    for (const CompileError& error : compileErrors) {
        if (error.kind == CompileErrorKind::kUnknownWord) unknownWords.insert(error.position);
    }
    std::vector<Diagnostic> problems = FindGrammarProblems(text, grammar, unknownWords);
    // One entry per word: a word the grammar refuses gets no other.
    std::unordered_set<std::size_t> grammarErrors;
    for (const Diagnostic& problem : problems) grammarErrors.insert(problem.position);

    WordSuggester suggester(tables);
    AddCompileProblems(text, compileErrors, grammarErrors, suggester, problems);
    // A raw code or a cut number that the grammar refuses: the grammar's error says what it compiles
    // to, and only the grammar suggests a word, one that fits there.
    std::vector<Diagnostic> warnings;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) {
        WordSuggester* wordSuggester = grammarErrors.contains(word.position) ? nullptr : &suggester;
        if (auto warning = WordWarning(word, tables, wordSuggester)) warnings.push_back(std::move(*warning));
    }
    for (Diagnostic& warning : warnings) {
        if (!grammarErrors.contains(warning.position)) {
            problems.push_back(std::move(warning));
            continue;
        }
        for (Diagnostic& problem : problems) {
            if (problem.position != warning.position || problem.length != warning.length) continue;
            problem.message += " (" + warning.message + ")";
            if (problem.fixes.empty()) problem.fixes = std::move(warning.fixes);
            break;
        }
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.position < b.position; });
    return problems;
}

}  // namespace corvane
