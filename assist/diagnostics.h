#pragma once
// Every problem of a whole script text at once, for editors that mark problems while the author
// types. Built on the compiler's word meanings and the checker's grammar walk.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

enum class DiagnosticSeverity { kError, kWarning };

// One edit that mends a problem: replace [position, position + length) of the text with
// replacement (length 0 inserts). Offsets are bytes of the same text the problem was found in.
struct TextFix {
    std::string title;  // what a quick-fix menu shows: "Replace with STATE_FETCH_WOOD", "Insert }"
    std::size_t position = 0;
    std::size_t length = 0;
    std::string replacement;
    bool preferred = false;  // the one fix an editor may apply on a single key
};

struct Diagnostic {
    std::size_t position = 0;  // 0-based byte offset of the word in the text
    std::size_t length = 0;    // bytes of the word as it stands in the text
    DiagnosticSeverity severity = DiagnosticSeverity::kError;
    std::string message;         // one line, short
    std::vector<TextFix> fixes;  // quick fixes, the preferred one first; often none
};

// The problems in text order, one entry per word: every grammar error at its cause (the walk
// recovers at the next statement; the first error is the checker's), a block never closed at its {,
// the compiler's refusals, and warnings for words that compile other than they read. A text with
// an error mark is one that saving refuses, a text without any word included (marked at its start).
// The text is Windows-1252 bytes, as the compiler reads it.
std::vector<Diagnostic> Diagnose(std::string_view text, const LanguageTables& tables, const Grammar& grammar);

}  // namespace corvane
