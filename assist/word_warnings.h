#pragma once
// Words that compile, but most likely not as the author meant: a four-letter word the compiler
// writes as a raw code, and a number followed by characters the number reader stops before
// (%33X compiles as 33). Each gets a warning that says what it compiles to.

#include <optional>
#include <string>
#include <string_view>

#include "assist/diagnostics.h"
#include "assist/word_suggester.h"
#include "core/language_tables.h"
#include "core/script_words.h"

namespace corvane {

// The fix that puts `replacement` in place of the word.
TextFix ReplaceWordFix(const ScriptWord& word, std::string replacement, bool preferred);
// "; did you mean X?" after the message and the fix that puts X in place of the word; nothing
// without a suggestion.
void AddSuggestion(Diagnostic& problem, const ScriptWord& word, std::optional<std::string_view> suggestion);

// The warning about one word; nothing for a word that is what it seems (or that does not compile).
// Without a suggester it suggests no other word.
std::optional<Diagnostic> WordWarning(const ScriptWord& word, const LanguageTables& tables, WordSuggester* suggester);

}  // namespace corvane
